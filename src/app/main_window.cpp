#include "app/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QWindow>

#include "ui/artwork/artwork.h"
#include "app/button_caption.h"
#include "app/clickable_image.h"
#include "app/hover_help.h"
#include "app/main_window_commands.h"
#include "description/default_description.h"
#include "files/file_bytes.h"
#include "seams/prompter.h"
#include "text/language_list.h"

namespace quorprog {
namespace {

constexpr const char* kTitle = "Quorvel Programmer";
constexpr const char* kDescriptionFile = "quorprog.cfg";
constexpr const char* kLogFile = "log.txt";
constexpr const char* kWebsitePage = "website.html";

struct ButtonCaption {
    ClickableImage* MainWindowControls::*image;
    const char* bitmap;
    int englishId;
    CaptionPlace place;
};

constexpr ButtonCaption kButtonCaptions[] = {
    {&MainWindowControls::imgOpen, "BTN_OPEN", text::kOpenFile, CaptionPlace::BesideIcon},
    {&MainWindowControls::imgSave, "BTN_SAVE", text::kSaveFile, CaptionPlace::BesideIcon},
    {&MainWindowControls::imgPrint, "BTN_PRINT", text::kPrint, CaptionPlace::BesideIcon},
    {&MainWindowControls::imgHelp, "BTN_HELP", text::kHelp, CaptionPlace::BesideIcon},
    {&MainWindowControls::imgRead, "BTN_READ", text::kRead, CaptionPlace::UnderIcon},
    {&MainWindowControls::imgWrite, "BTN_WRITE", text::kWrite, CaptionPlace::UnderIcon},
};

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

void setSurfaceColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont formFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

}  // namespace

std::unique_ptr<TformMain> TformMain::create(ShellEnvironment environment) {
    std::unique_ptr<TformMain> window(new TformMain(std::move(environment)));
    if (!window->startUp()) return nullptr;
    return window;
}

TformMain::TformMain(ShellEnvironment environment)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      environment_(std::move(environment)),
      skin_(texts_.table().skinColour()),
      settings_(environment_.settingsPath),
      helpPages_(environment_.helpFolder, environment_.openUrl) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setFont(formFont());
    setFixedSize(kWidth, kHeight);
    controls_ = createMainWindowControls(this);
    hoverHelp_ = new HoverHelp(controls_.labelHelp, texts_, this);
}

TformMain::~TformMain() = default;

bool TformMain::startUp() {
    setMask(roundedWindowRegion(kWidth, kHeight));
    setSurfaceColour(this, skin_.colour());
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    controls_.labelBuild->setText(QStringLiteral("Build " QUORPROG_VERSION));
    controls_.imgLogo->setPixmap(QPixmap::fromImage(artwork("LOGO")));
    controls_.imgMinimize->setPixmap(QPixmap::fromImage(artwork("BTN_MINIMIZE")));
    controls_.imgExit->setPixmap(QPixmap::fromImage(artwork("BTN_EXIT")));

    log_.open((programFolder() + kLogFile).toStdString(), FileLog::Mode::Truncate);
    if (!writeDefaultDescription()) return false;
    description_ = DescriptionReader::fromFile((programFolder() + kDescriptionFile).toStdString());

    fillLanguageList();
    connectHandlers();
    ApplyLanguage(clampLanguageIndex(settings_.readLanguage(), controls_.listLanguages->count()));
    commands_ = std::make_unique<MainWindowCommands>(*this);
    return true;
}

// The description the program reads is always its own: a copy edited by hand is replaced.
bool TformMain::writeDefaultDescription() {
    const QString path = programFolder() + kDescriptionFile;
    const std::string_view text = defaultDescriptionText();
    const bool written = writeFileBytes(
        QFile::encodeName(path).toStdString(),
        std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    if (!written) {
        prompter().inform("Cannot create file " + path.toStdString(), kTitle,
                          Prompter::Icon::Error);
    }
    return written;
}

void TformMain::fillLanguageList() {
    for (const std::string& name : texts_.table().languages()) {
        controls_.listLanguages->addItem(qText(name));
    }
}

void TformMain::connectHandlers() {
    const MainWindowControls& c = controls_;
    connect(c.imgExit, &ClickableImage::clicked, this, &TformMain::imgExitClick);
    connect(c.imgMinimize, &ClickableImage::clicked, this, &TformMain::imgMinimizeClick);
    connect(c.imgHelp, &ClickableImage::clicked, this, &TformMain::imgHelpClick);
    connect(c.imgLogo, &ClickableImage::clicked, this, &TformMain::imgLogoClick);
    connect(c.listLanguages, &QComboBox::activated, this, &TformMain::listLanguagesChange);
    // The current language is the selection of the list, whoever makes it.
    connect(c.listLanguages, &QComboBox::currentIndexChanged, this,
            [this](int index) { texts_.setCurrentLanguage(index); });

    hoverHelp_->watch(c.imgOpen, text::kHintOpen);
    hoverHelp_->watch(c.imgSave, text::kHintSave);
    hoverHelp_->watch(c.imgPrint, text::kHintPrint);
    hoverHelp_->watch(c.imgHelp, text::kHintHelp);
    hoverHelp_->watch(c.imgRead, text::kHintRead);
    hoverHelp_->watch(c.imgWrite, text::kHintWrite);
    hoverHelp_->watch(c.imgLogo, text::kHintLogo);
    hoverHelp_->watchBare(c.panelToolbar);
    hoverHelp_->watchBare(c.panelReadWrite);
    hoverHelp_->watchBare(this);
    // Labels lying on the window are part of its bare surface: moves over them reach the window.
    for (QLabel* label : {c.labelBuild, c.labelProgrammer, c.labelGroup}) {
        label->setMouseTracking(true);
    }
}

void TformMain::ApplyLanguage(int language) {
    const MainWindowControls& c = controls_;
    for (QFrame* panel : {c.panelToolbar, c.panelButtons, c.panelReadWrite}) {
        setSurfaceColour(panel, skin_.colour());
    }
    for (const ButtonCaption& button : kButtonCaptions) {
        const QString caption = qText(LocalText(button.englishId, language));
        (c.*button.image)
            ->setPixmap(QPixmap::fromImage(captionedButton(button.bitmap, caption, button.place)));
    }
    c.labelGroup->setText(qText(LocalText(text::kGroup, language)));
    c.labelRange->setText(qText(LocalText(text::kRange, language)));
    c.labelType->setText(qText(LocalText(text::kType, language)));
    c.labelStep->setText(qText(LocalText(text::kChannelStep, language)));
    c.labelProgrammer->setText(qText(LocalText(text::kProgrammer, language)));
    c.btnSearchProgrammer->setToolTip(qText(LocalText(text::kRefreshProgrammers, language)));
    c.Grid->horizontalHeaderItem(1)->setText(qText(LocalText(text::kFrequencyKhz, language)));
    c.Grid->horizontalHeaderItem(2)->setText(qText(LocalText(text::kSubtone, language)));
    c.listLanguages->setCurrentIndex(language);
    qtTranslations_.apply(language);
}

void TformMain::openFileAtStart(const QString& path) {
    commands_->openFileAtStart(path);
}

void TformMain::paintEvent(QPaintEvent*) {
    FormPaint();
}

void TformMain::FormPaint() {
    QPainter painter(this);
    skin_.paint(painter, width(), height());
}

void TformMain::mousePressEvent(QMouseEvent* event) {
    // A press on a bare part of the window drags it: there is no title bar to take hold of.
    if (event->button() == Qt::LeftButton && windowHandle()) windowHandle()->startSystemMove();
}

void TformMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TformMain::FormClose() {
    if (closed_) return;
    closed_ = true;
    log_.close();
    QFile::remove(programFolder() + kDescriptionFile);
    description_ = DescriptionReader();
}

void TformMain::imgExitClick() {
    if (prompter().askYesNo(LocalText(text::kConfirmExit), LocalText(text::kWarning))) close();
}

void TformMain::imgMinimizeClick() {
    showMinimized();
}

void TformMain::imgHelpClick() {
    if (!helpPages_.open(controls_.listLanguages->currentText() + ".html")) {
        prompter().inform(LocalText(text::kHelpFileNotFound), LocalText(text::kError));
    }
}

void TformMain::imgLogoClick() {
    if (!helpPages_.open(QString::fromLatin1(kWebsitePage))) {
        prompter().inform(LocalText(text::kHelpFileNotFound), LocalText(text::kError));
    }
}

void TformMain::listLanguagesChange() {
    const int language = controls_.listLanguages->currentIndex();
    if (!settings_.writeLanguage(language)) {
        prompter().inform("Cannot create file " + settings_.path().toStdString(),
                          LocalText(text::kError, language), Prompter::Icon::Error);
    }
    ApplyLanguage(language);
    if (groupInfoRefresh_) groupInfoRefresh_();
}

}  // namespace quorprog
