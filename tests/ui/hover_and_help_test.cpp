#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QThread>

#include "app/clickable_image.h"
#include "shell_fixture.h"

namespace quorprog::testing {
namespace {

using HoverAndHelp = ShellFixture;

void moveMouseOver(QWidget* widget) {
    const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST_F(HoverAndHelp, ShowsTheHintOfTheControlUnderTheMouse) {
    TformMain& form = start();
    const MainWindowControls& c = form.controls();
    const struct {
        QWidget* control;
        const char* hint;
    } hints[] = {
        {c.imgOpen,
         "After you connected a Quorvel device to the programmer and read the memory, "
         "you can import data from a previously saved file."},
        {c.imgSave,
         "Save to file all the data currently inserted in all the channel groups for "
         "future reuse."},
        {c.imgPrint, "Creates a paper hardcopy of all the data currently inserted."},
        {c.imgHelp, "Open the help file in your predefined web browser."},
        {c.imgRead,
         "Read all the data from the Quorvel device connected to the selected "
         "programmer."},
        {c.imgWrite,
         "Write all the edited data to the Quorvel device connected to the selected "
         "programmer."},
        {c.imgLogo, "Click on the logo to go to the Quorvel website."},
        {c.panelToolbar, ""},
        {c.imgRead,
         "Read all the data from the Quorvel device connected to the selected "
         "programmer."},
        {c.panelReadWrite, ""},
        {c.imgLogo, "Click on the logo to go to the Quorvel website."},
        {&form, ""},
        {c.imgSave,
         "Save to file all the data currently inserted in all the channel groups for "
         "future reuse."},
        {c.labelGroup, ""},  // a label on the window is bare window
    };
    for (const auto& h : hints) {
        moveMouseOver(h.control);
        EXPECT_EQ(c.labelHelp->text(), h.hint) << h.control->objectName().toStdString();
    }
}

// Why the search at start found no programmer stays under the toolbar while the mouse moves over
// bare parts of the window; a button's hint shows while the mouse is on it, then the reason again.
TEST_F(HoverAndHelp, TheReasonNoProgrammerWasFoundStaysWhileTheMouseMoves) {
    const QString absent = root_.filePath("absent");
    QString ports = "[PORTS]\r\n";
    for (int n = 1; n <= 4; ++n) ports += QStringLiteral("COM%1=%2\r\n").arg(n).arg(absent);
    writeFile(settingsPath(), ports.toUtf8());
    TformMain& form = start();
    const MainWindowControls& c = form.controls();
    const QString reason = "COM1=" + absent +
                           " in [PORTS] of quorprog.ini leads to no device: correct the entry or "
                           "remove it, then press ?.";
    form.show();
    // The search runs once the window is on the screen.
    for (int wait = 0; wait < 200 && c.labelHelp->text() != reason; ++wait) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
    ASSERT_EQ(c.labelHelp->text(), reason);

    for (QWidget* bare : std::initializer_list<QWidget*>{c.panelToolbar, &form, c.panelReadWrite}) {
        moveMouseOver(bare);
        EXPECT_EQ(c.labelHelp->text(), reason) << bare->objectName().toStdString();
    }
    moveMouseOver(c.imgRead);
    EXPECT_EQ(c.labelHelp->text(),
              "Read all the data from the Quorvel device connected to the selected programmer.");
    moveMouseOver(c.panelToolbar);
    EXPECT_EQ(c.labelHelp->text(), reason);
}

TEST_F(HoverAndHelp, MovingWithinTheSameControlDoesNotRewriteTheHint) {
    const MainWindowControls& c = start().controls();
    moveMouseOver(c.imgOpen);
    c.labelHelp->setText("kept");
    moveMouseOver(c.imgOpen);
    EXPECT_EQ(c.labelHelp->text(), "kept");
}

TEST_F(HoverAndHelp, HintFollowsTheLanguageWhenTheMouseReachesAnotherControl) {
    TformMain& form = start();
    const MainWindowControls& c = form.controls();
    moveMouseOver(c.imgPrint);
    form.ApplyLanguage(1);
    EXPECT_EQ(c.labelHelp->text(), "Creates a paper hardcopy of all the data currently inserted.");
    moveMouseOver(c.imgHelp);
    EXPECT_EQ(c.labelHelp->text(), "Apre il file di aiuto nel tuo navigatore web predefinito.");
}

TEST_F(HoverAndHelp, OpensTheHelpPageOfTheSelectedLanguage) {
    writeFile(helpFolder() + "/english.html", "<html></html>");
    writeFile(helpFolder() + "/italiano.html", "<html></html>");
    TformMain& form = start();

    emit form.controls().imgHelp->clicked();
    form.ApplyLanguage(1);
    emit form.controls().imgHelp->clicked();

    ASSERT_EQ(openedUrls.size(), 2u);
    EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(helpFolder() + "/english.html"));
    EXPECT_EQ(openedUrls[1], QUrl::fromLocalFile(helpFolder() + "/italiano.html"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(HoverAndHelp, LogoOpensTheWebsitePage) {
    writeFile(helpFolder() + "/website.html", "<html></html>");
    emit start().controls().imgLogo->clicked();
    ASSERT_EQ(openedUrls.size(), 1u);
    EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(helpFolder() + "/website.html"));
}

TEST_F(HoverAndHelp, MissingPageIsReportedInTheCurrentLanguage) {
    writeFile(helpFolder() + "/english.html", "<html></html>");
    TformMain& form = start();
    form.ApplyLanguage(1);
    emit form.controls().imgHelp->clicked();  // italiano.html is missing
    emit form.controls().imgLogo->clicked();  // so is website.html

    EXPECT_TRUE(openedUrls.empty());
    ASSERT_EQ(prompter.messages.size(), 2u);
    for (const RecordingPrompter::Message& box : prompter.messages) {
        EXPECT_EQ(box.text, "File di documentazione non trovato!");
        EXPECT_EQ(box.caption, "ERRORE");
        EXPECT_EQ(box.buttons, Prompter::Buttons::Ok);
    }
}

}  // namespace
}  // namespace quorprog::testing
