#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/help_pages.h"
#include "app/main_window_controls.h"
#include "app/qt_translations.h"
#include "app/settings_file.h"
#include "app/shell_environment.h"
#include "app/skin.h"
#include "description/description_reader.h"
#include "seams/file_log.h"
#include "text/local_texts.h"

namespace quorprog {

class HoverHelp;
class MainWindowCommands;
class Prompter;

// The main window: a borderless, skinned form that owns, for the whole run, the log, the device
// description, the texts in the chosen language and the skin. Commands of their own (grid
// editing, read and write, programmer selection, files, printing, service) live in their own
// files; they reach the controls through controls() and what the run owns through the accessors
// below, and connect their handlers to the controls they drive.
class TformMain : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 607;
    static constexpr int kHeight = 512;

    // Runs the start-up. Returns nothing when the device description cannot be written; the
    // user has then been told, and the program must end without showing a window.
    static std::unique_ptr<TformMain> create(ShellEnvironment environment);
    ~TformMain() override;

    const MainWindowControls& controls() const { return controls_; }
    HoverHelp& hoverHelp() { return *hoverHelp_; }
    const QString& programFolder() const { return environment_.programFolder; }
    const std::filesystem::path& backupFolder() const { return environment_.backupFolder; }
    Log& log() { return log_; }
    const DescriptionReader& description() const { return description_; }
    Prompter& prompter() { return *environment_.prompter; }
    const LocalTexts& texts() const { return texts_; }
    // quorprog.ini, for what the window's commands keep between runs.
    const SettingsFile& settings() const { return settings_; }

    // A text by its English id (text::k...) in `language`, the current one by default.
    std::string LocalText(int englishId, int language = LocalTexts::kCurrentLanguage) const {
        return texts_.LocalText(englishId, language);
    }

    // Puts the texts of `language` onto the window, captions of the button bitmaps included,
    // and selects it in listLanguages.
    void ApplyLanguage(int language);

    // A file given on the command line: opened as "open file" opens it once the window is up;
    // before a device has been read, right after the first successful read.
    void openFileAtStart(const QString& path);

    // Runs after every language switch made by the user, to redraw the group information in the
    // new language. Whoever installs it shows the group only when a device has been read.
    void setGroupInfoRefresh(std::function<void()> refresh) {
        groupInfoRefresh_ = std::move(refresh);
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    explicit TformMain(ShellEnvironment environment);

    bool startUp();
    bool writeDefaultDescription();
    void fillLanguageList();
    void connectHandlers();

    void FormPaint();
    void FormClose();
    void imgExitClick();
    void imgMinimizeClick();
    void imgHelpClick();
    void imgLogoClick();
    void listLanguagesChange();

    ShellEnvironment environment_;
    MainWindowControls controls_;
    LocalTexts texts_;
    Skin skin_;
    QtTranslations qtTranslations_;
    FileLog log_;
    DescriptionReader description_;
    SettingsFile settings_;
    HelpPages helpPages_;
    HoverHelp* hoverHelp_;
    std::function<void()> groupInfoRefresh_;
    bool closed_ = false;
    // Programmer link, device session and the handlers of the controls they drive; last, so that
    // it goes first, while everything it uses still exists.
    std::unique_ptr<MainWindowCommands> commands_;
};

}  // namespace quorprog
