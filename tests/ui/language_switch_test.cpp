#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "app/button_caption.h"
#include "app/clickable_image.h"
#include "app/settings_file.h"
#include "shell_fixture.h"
#include "ui/artwork/artwork.h"

namespace quorprog::testing {
namespace {

using LanguageSwitch = ShellFixture;

// What the user does: picks a language in the list.
void pickLanguage(TformMain& form, int language) {
    QComboBox* list = form.controls().listLanguages;
    list->setCurrentIndex(language);
    emit list->activated(language);
}

QImage imageOf(const ClickableImage* control) {
    return control->pixmap().toImage();
}

TEST_F(LanguageSwitch, PutsTheTextsOfTheLanguageOnTheWindow) {
    TformMain& form = start();
    const MainWindowControls& c = form.controls();
    ASSERT_EQ(c.listLanguages->count(), 2);
    EXPECT_EQ(c.listLanguages->itemText(0), "english");
    EXPECT_EQ(c.listLanguages->itemText(1), "italiano");

    pickLanguage(form, 1);
    const struct {
        QString shown;
        const char* expected;
    } captions[] = {
        {c.labelGroup->text(), "Gruppo"},
        {c.labelRange->text(), "Gamma"},
        {c.labelType->text(), "Tipo"},
        {c.labelStep->text(), "Canalizzazione"},
        {c.labelProgrammer->text(), "Programmatore"},
        {c.btnSearchProgrammer->toolTip(), "Ricerca programmatori abilitati"},
        {c.Grid->horizontalHeaderItem(1)->text(), "frequenza (kHz)"},
        {c.Grid->horizontalHeaderItem(2)->text(), "subtono"},
    };
    for (const auto& caption : captions) EXPECT_EQ(caption.shown, caption.expected);
    EXPECT_EQ(form.LocalText(text::kError), "ERRORE");
}

TEST_F(LanguageSwitch, SavesTheChoiceAtOnceAndKeepsOtherSettings) {
    writeFile(settingsPath(), "[PORTS]\r\nCOM1=/dev/pts/7\r\n\r\n[general]\r\nlanguage=0\r\n");
    TformMain& form = start();

    pickLanguage(form, 1);
    EXPECT_EQ(readFile(settingsPath()),
              "[PORTS]\r\nCOM1=/dev/pts/7\r\n\r\n[general]\r\nLANGUAGE=1\r\n");

    // The next run starts in the chosen language without any further choice.
    window.reset();
    EXPECT_EQ(start().controls().listLanguages->currentIndex(), 1);
}

TEST_F(LanguageSwitch, CreatesTheSettingsFileWhenThereIsNone) {
    TformMain& form = start();
    pickLanguage(form, 1);
    EXPECT_EQ(SettingsFile(settingsPath()).readLanguage(), 1);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LanguageSwitch, SettingsThatCannotBeWrittenAreReportedAndTheLanguageStillChanges) {
    QDir().mkpath(settingsPath());  // a folder where the file would be
    TformMain& form = start();
    pickLanguage(form, 1);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Cannot create file " + settingsPath().toStdString());
    EXPECT_EQ(prompter.messages[0].caption, "ERRORE");
    EXPECT_EQ(form.controls().labelGroup->text(), "Gruppo");
}

// The captions are drawn into the bitmaps; a switch must leave no trace of the earlier language.
TEST_F(LanguageSwitch, ButtonCaptionsAreRedrawnFromCleanBitmaps) {
    saveLanguage("1");
    const MainWindowControls& italianFromStart = start().controls();
    const QImage italianRead = imageOf(italianFromStart.imgRead);
    const QImage italianOpen = imageOf(italianFromStart.imgOpen);

    saveLanguage("0");
    start();
    const QImage englishRead = imageOf(window->controls().imgRead);
    EXPECT_NE(englishRead, italianRead);

    pickLanguage(*window, 1);
    EXPECT_EQ(imageOf(window->controls().imgRead), italianRead);
    EXPECT_EQ(imageOf(window->controls().imgOpen), italianOpen);
    pickLanguage(*window, 0);
    EXPECT_EQ(imageOf(window->controls().imgRead), englishRead);
}

TEST_F(LanguageSwitch, RefreshesTheGroupInformationOnlyOnTheUsersChoice) {
    TformMain& form = start();
    int refreshes = 0;
    form.setGroupInfoRefresh([&] { ++refreshes; });
    form.ApplyLanguage(1);
    EXPECT_EQ(refreshes, 0);
    pickLanguage(form, 0);
    EXPECT_EQ(refreshes, 1);
}

// The part of `captioned` that differs from the clean bitmap: where the caption went.
QRect captionArea(const ClickableImage* captioned, const char* bitmap) {
    const QImage drawn = imageOf(captioned).convertToFormat(QImage::Format_RGB32);
    const QImage clean = artwork(bitmap).convertToFormat(QImage::Format_RGB32);
    QRect area;
    for (int y = 0; y < clean.height(); ++y) {
        for (int x = 0; x < clean.width(); ++x) {
            if (drawn.pixel(x, y) != clean.pixel(x, y)) area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// Captions leave the icons alone: right of the toolbar icons, under the read and write icons.
TEST_F(LanguageSwitch, CaptionsGoBesideOrUnderTheIcons) {
    for (int language : {0, 1}) {
        saveLanguage(QByteArray::number(language));
        const MainWindowControls& c = start().controls();
        const struct {
            const ClickableImage* image;
            const char* bitmap;
            QRect room;
        } buttons[] = {
            {c.imgOpen, "BTN_OPEN", {40, 0, 105, 42}},
            {c.imgSave, "BTN_SAVE", {40, 0, 105, 42}},
            {c.imgPrint, "BTN_PRINT", {40, 0, 105, 42}},
            {c.imgHelp, "BTN_HELP", {40, 0, 105, 42}},
            {c.imgRead, "BTN_READ", {0, 30, 145, 35}},
            {c.imgWrite, "BTN_WRITE", {0, 30, 145, 35}},
        };
        for (const auto& b : buttons) {
            const QRect area = captionArea(b.image, b.bitmap);
            EXPECT_FALSE(area.isEmpty()) << b.bitmap << " in " << language;
            EXPECT_TRUE(b.room.contains(area)) << b.bitmap << " in " << language;
        }
    }
}

struct Caption {
    int englishId;
    int language;
};

class ButtonCaptions : public ::testing::TestWithParam<Caption> {};

// A caption wider than its scratch bitmap loses its last letters on the button.
TEST_P(ButtonCaptions, FitTheirScratchBitmap) {
    const QString caption =
        QString::fromStdString(LocalTexts().LocalText(GetParam().englishId, GetParam().language));
    EXPECT_LE(QFontMetrics(captionFont()).horizontalAdvance(caption), kCaptionScratchWidth)
        << caption.toStdString() << " in " << QFontInfo(captionFont()).family().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryButtonInBothLanguages, ButtonCaptions, ::testing::ValuesIn([] {
                             std::vector<Caption> captions;
                             for (int id : {text::kOpenFile, text::kSaveFile, text::kPrint,
                                            text::kHelp, text::kRead, text::kWrite}) {
                                 for (int language : {0, 1}) captions.push_back({id, language});
                             }
                             return captions;
                         }()),
                         [](const auto& info) {
                             return "Text" + std::to_string(info.param.englishId) + "Language" +
                                    std::to_string(info.param.language);
                         });

// Qt draws some texts itself: the message boxes' buttons, "Show Details...", the file dialogs.
// They follow the language list too, at start and at every switch.
TEST_F(LanguageSwitch, QtsOwnTextsFollowTheLanguageList) {
    const auto qtTexts = [] {
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        box.setDetailedText("details");
        QStringList texts{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
        for (const QAbstractButton* button : box.buttons()) {
            if (box.buttonRole(const_cast<QAbstractButton*>(button)) == QMessageBox::ActionRole) {
                texts << button->text();
            }
        }
        texts << QFileDialog(nullptr).labelText(QFileDialog::LookIn);
        return texts;
    };
    const QStringList english{"&Yes", "&No", "Show Details...", "Look in:"};
    const QStringList italian{"&S\u00ec", "&No", "Mostra dettagli...", "Cerca in:"};

    saveLanguage("1");
    TformMain& form = start();
    EXPECT_EQ(qtTexts(), italian);
    pickLanguage(form, 0);
    EXPECT_EQ(qtTexts(), english);
    pickLanguage(form, 1);
    EXPECT_EQ(qtTexts(), italian);
    form.close();
}

}  // namespace
}  // namespace quorprog::testing
