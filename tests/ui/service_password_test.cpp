#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "fakes/recording_prompter.h"
#include "ui/service/service_password_dialog.h"

namespace quorprog {
namespace {

using testing::RecordingPrompter;

struct PasswordCase {
    const char* typed;
    bool accepted;
};

class ServicePasswordTest : public ::testing::TestWithParam<PasswordCase> {};

TEST_P(ServicePasswordTest, GoComparesExactlyAndAlwaysCloses) {
    RecordingPrompter prompter;
    TformServicePassword dialog(prompter);
    dialog.show();
    dialog.findChild<QLineEdit*>("editPassword")->setText(GetParam().typed);

    dialog.findChild<QPushButton*>("Button1")->click();

    EXPECT_FALSE(dialog.isVisible());
    if (GetParam().accepted) {
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(prompter.messages.empty());
    } else {
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, "Sorry, wrong password!");
        EXPECT_EQ(prompter.messages[0].caption, "error");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, ServicePasswordTest,
    ::testing::Values(PasswordCase{"OrchardLantern", true}, PasswordCase{"orchardlantern", false},
                      PasswordCase{"ORCHARDLANTERN", false}, PasswordCase{"OrchardLanterN", false},
                      PasswordCase{"OrchardLantern ", false},
                      PasswordCase{" OrchardLantern", false}, PasswordCase{"OrchardLanter", false},
                      PasswordCase{"", false}));

TEST(ServicePasswordDialogTest, EnterInTheEditDoesNotPressGo) {
    RecordingPrompter prompter;
    TformServicePassword dialog(prompter);
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>("editPassword");
    edit->setText("OrchardLantern");

    QTest::keyClick(edit, Qt::Key_Return);

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(ServicePasswordDialogTest, TypedCharactersShowAsAsterisks) {
    RecordingPrompter prompter;
    TformServicePassword dialog(prompter);
    auto* edit = dialog.findChild<QLineEdit*>("editPassword");
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), '*');
    EXPECT_EQ(dialog.windowTitle(), "Service Password");
}

TEST(ServicePasswordDialogTest, AskGivesTheAnswerOfTheModalDialog) {
    for (const PasswordCase& entry :
         {PasswordCase{"OrchardLantern", true}, PasswordCase{"Orchard Lantern", false}}) {
        RecordingPrompter prompter;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit*>("editPassword")->setText(entry.typed);
            dialog->findChild<QPushButton*>("Button1")->click();
        });
        EXPECT_EQ(askServicePassword(nullptr, prompter), entry.accepted) << entry.typed;
        EXPECT_EQ(prompter.messages.empty(), entry.accepted);
    }
}

}  // namespace
}  // namespace quorprog
