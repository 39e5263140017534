#include <QComboBox>
#include <QFileInfo>
#include <QLabel>

#include "app/clickable_image.h"
#include "description/default_description.h"
#include "shell_fixture.h"

namespace quorprog::testing {
namespace {

using MainWindowFiles = ShellFixture;

QByteArray defaultDescription() {
    const std::string_view text = defaultDescriptionText();
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

TEST_F(MainWindowFiles, ReplacesAHandEditedDescriptionAtStartAndDeletesItAtClose) {
    const QString description = programFolder() + "quorprog.cfg";
    writeFile(description, "[MODELS]\r\nCount=99\r\n");

    TformMain& form = start();
    EXPECT_EQ(readFile(description), defaultDescription());
    EXPECT_EQ(form.description().path().string(), description.toStdString());

    form.close();
    EXPECT_FALSE(QFileInfo::exists(description));
}

TEST_F(MainWindowFiles, LogIsWrittenAnewAndCompleteOnceTheWindowCloses) {
    const QString log = programFolder() + "log.txt";
    writeFile(log, "an earlier run\n");

    TformMain& form = start();
    EXPECT_EQ(readFile(log), QByteArray());
    form.log().printf("R %02X - ", 0x1A);
    form.close();
    EXPECT_EQ(readFile(log), "R 1A - ");
}

TEST_F(MainWindowFiles, RunsWithoutALogWhenItCannotBeCreated) {
    QDir(programFolder()).mkdir("log.txt");  // a folder where the file would be
    TformMain& form = start();
    form.log().printf("dropped\n");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(form.close());
}

TEST_F(MainWindowFiles, EndsWithAMessageAndNoWindowWhenTheDescriptionCannotBeWritten) {
    QDir(programFolder()).mkdir("quorprog.cfg");
    EXPECT_EQ(TformMain::create(environment()), nullptr);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Cannot create file " + programFolder().toStdString() + "quorprog.cfg");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Error);
}

struct SavedLanguage {
    const char* name;
    const char* saved;  // nullptr: no settings file
    int language;
    const char* groupCaption;
};

void PrintTo(const SavedLanguage& saved, std::ostream* out) {
    *out << saved.name;
}

class StartLanguage : public ShellFixture, public ::testing::WithParamInterface<SavedLanguage> {};

TEST_P(StartLanguage, SavedIndexOutsideTheListStartsInEnglish) {
    if (GetParam().saved) saveLanguage(GetParam().saved);
    const MainWindowControls& c = start().controls();
    EXPECT_EQ(c.listLanguages->currentIndex(), GetParam().language);
    EXPECT_EQ(c.labelGroup->text(), GetParam().groupCaption);
    EXPECT_EQ(window->LocalText(text::kWarning),
              GetParam().language == 1 ? "ATTENZIONE" : "WARNING");
}

INSTANTIATE_TEST_SUITE_P(Settings, StartLanguage,
                         ::testing::Values(SavedLanguage{"Italian", "1", 1, "Gruppo"},
                                           SavedLanguage{"English", "0", 0, "Group"},
                                           SavedLanguage{"BeyondTheList", "2", 0, "Group"},
                                           SavedLanguage{"Negative", "-1", 0, "Group"},
                                           SavedLanguage{"NotANumber", "italian", 0, "Group"},
                                           SavedLanguage{"NoSettingsFile", nullptr, 0, "Group"}),
                         [](const ::testing::TestParamInfo<SavedLanguage>& info) {
                             return info.param.name;
                         });

TEST_F(MainWindowFiles, ExitAsksFirstAndClosesOnlyOnYes) {
    TformMain& form = start();
    form.show();
    const QString description = programFolder() + "quorprog.cfg";

    prompter.answers = {Prompter::Answer::No};
    emit form.controls().imgExit->clicked();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Are you sure you want to exit?");
    EXPECT_EQ(prompter.messages[0].caption, "WARNING");
    EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(QFileInfo::exists(description));

    prompter.answers = {Prompter::Answer::Yes};
    emit form.controls().imgExit->clicked();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(QFileInfo::exists(description));
}

}  // namespace
}  // namespace quorprog::testing
