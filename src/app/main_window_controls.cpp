#include "app/main_window_controls.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "app/clickable_image.h"
#include "app/group_spin_box.h"
#include "app/up_down_control.h"

namespace quorprog {
namespace {

constexpr int kGridRowHeight = 20;
constexpr int kLabelHeight = 16;
constexpr int kBoldLabelHeight = 21;
constexpr int kDataLabelWidth = 135;  // up to the panel's inner edge: "470.000-790.000 MHz" in bold
constexpr int kGridColumnWidths[] = {20, 100, 100};

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

// A panel is a surface of its own: presses on it do not drag the window.
QFrame* panel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* frame = place(new QFrame(parent), name, left, top, width, height);
    frame->setAttribute(Qt::WA_NoMousePropagation);
    frame->setAutoFillBackground(true);
    return frame;
}

ClickableImage* image(QWidget* parent, const char* name, int left, int top, int width, int height) {
    return place(new ClickableImage(parent), name, left, top, width, height);
}

// Labels are given the room their longest text needs, so a caption of any language fits.
QLabel* label(QWidget* parent, const char* name, int left, int top, int width) {
    return place(new QLabel(parent), name, left, top, width, kLabelHeight);
}

// Bold in the form's font, or at `pixelSize` when given (the receiver/transmitter label).
QLabel* boldLabel(QWidget* parent, const char* name, int left, int top, int width,
                  int pixelSize = 0) {
    QLabel* value = place(new QLabel(parent), name, left, top, width, kBoldLabelHeight);
    QFont font = value->font();
    if (pixelSize > 0) font.setPixelSize(pixelSize);
    font.setBold(true);
    value->setFont(font);
    return value;
}

QTableWidget* grid(QWidget* form) {
    auto* table = place(new QTableWidget(1, 3, form), "Grid", 176, 120, 249, 361);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    table->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    table->horizontalHeader()->setMinimumSectionSize(0);
    table->horizontalHeader()->setFixedHeight(kGridRowHeight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < 3; ++column) {
        table->setColumnWidth(column, kGridColumnWidths[column]);
        table->setHorizontalHeaderItem(column, new QTableWidgetItem());
    }
    table->setShowGrid(true);
    table->setEnabled(false);
    return table;
}

}  // namespace

MainWindowControls createMainWindowControls(QWidget* form) {
    MainWindowControls c{};

    c.panelLogo = panel(form, "panelLogo", 23, 26, 311, 63);
    c.imgLogo = image(c.panelLogo, "imgLogo", 0, 0, 310, 62);
    c.labelBuild = label(form, "labelBuild", 450, 22, 76);

    c.panelButtons = panel(form, "panelButtons", 529, 16, 48, 25);
    c.imgMinimize = image(c.panelButtons, "imgMinimize", 0, 0, 24, 25);
    c.imgExit = image(c.panelButtons, "imgExit", 24, 0, 26, 25);

    c.labelProgrammer = label(form, "labelProgrammer", 354, 40, 170);
    c.listProgrammers = place(new QComboBox(form), "listProgrammers", 350, 57, 181, 21);
    c.cgBattery = place(new QProgressBar(form), "cgBattery", 531, 57, 26, 20);
    c.cgBattery->setOrientation(Qt::Vertical);
    c.cgBattery->setRange(0, 7);
    c.cgBattery->setValue(0);
    c.cgBattery->setTextVisible(false);
    QPalette gauge = c.cgBattery->palette();
    gauge.setColor(QPalette::Highlight, QColor(0x1E, 0x8A, 0xC9));  // the artwork's blue
    c.cgBattery->setPalette(gauge);
    c.btnSearchProgrammer =
        place(new QPushButton(QStringLiteral("?"), form), "btnSearchProgrammer", 558, 56, 20, 21);

    c.labelGroup = label(form, "labelGroup", 179, 94, 52);
    c.spinGroup = place(new GroupSpinBox(form), "spinGroup", 232, 91, 41, 22);
    c.spinGroup->setEnabled(false);

    c.Grid = grid(form);
    c.GridUpDown = place(new UpDownControl(form), "GridUpDown", 248, 376, 16, 24);
    c.GridUpDown->hide();
    c.GridComboBox = place(new QComboBox(form), "GridComboBox", 272, 376, 145, 21);
    c.GridComboBox->hide();

    c.panelToolbar = panel(form, "panelToolbar", 23, 121, 145, 361);
    c.imgOpen = image(c.panelToolbar, "imgOpen", 0, 0, 145, 42);
    c.imgSave = image(c.panelToolbar, "imgSave", 0, 52, 145, 42);
    c.imgPrint = image(c.panelToolbar, "imgPrint", 0, 104, 145, 42);
    c.imgHelp = image(c.panelToolbar, "imgHelp", 0, 156, 145, 42);
    c.labelHelp = place(new QLabel(c.panelToolbar), "labelHelp", 2, 208, 141, 150);
    c.labelHelp->setWordWrap(true);
    c.labelHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont helpFont = c.labelHelp->font();
    helpFont.setPixelSize(13);
    c.labelHelp->setFont(helpFont);

    c.panelData = panel(form, "panelData", 432, 120, 145, 153);
    c.panelData->setFrameStyle(QFrame::Box | QFrame::Sunken);
    c.labelType = label(c.panelData, "labelType", 8, 10, kDataLabelWidth);
    c.labelRxTx = boldLabel(c.panelData, "labelRxTx", 8, 26, kDataLabelWidth, 16);
    c.labelRange = label(c.panelData, "labelRange", 8, 58, kDataLabelWidth);
    c.labelRangeValue = boldLabel(c.panelData, "labelRangeValue", 8, 77, kDataLabelWidth);
    c.labelStep = label(c.panelData, "labelStep", 8, 105, kDataLabelWidth);
    c.labelStepValue = boldLabel(c.panelData, "labelStepValue", 8, 124, kDataLabelWidth);

    c.panelReadWrite = panel(form, "panelReadWrite", 432, 291, 145, 143);
    c.imgRead = image(c.panelReadWrite, "imgRead", 0, 0, 145, 65);
    c.imgWrite = image(c.panelReadWrite, "imgWrite", 0, 78, 145, 65);

    c.listLanguages = place(new QComboBox(form), "listLanguages", 433, 461, 145, 21);
    return c;
}

}  // namespace quorprog
