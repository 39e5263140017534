#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "ui/artwork/artwork.h"
#include "app/clickable_image.h"
#include "app/up_down_control.h"
#include "shell_fixture.h"

namespace quorprog::testing {
namespace {

using MainWindowLayout = ShellFixture;

struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
};

// Every control where the form puts it, in its parent's coordinates.
const Placement kPlacements[] = {
    {"panelLogo", "", {23, 26, 311, 63}},
    {"imgLogo", "panelLogo", {0, 0, 310, 62}},
    {"panelButtons", "", {529, 16, 48, 25}},
    {"imgMinimize", "panelButtons", {0, 0, 24, 25}},
    {"imgExit", "panelButtons", {24, 0, 26, 25}},
    {"listProgrammers", "", {350, 57, 181, 21}},
    {"cgBattery", "", {531, 57, 26, 20}},
    {"btnSearchProgrammer", "", {558, 56, 20, 21}},
    {"spinGroup", "", {232, 91, 41, 22}},
    {"Grid", "", {176, 120, 249, 361}},
    {"GridUpDown", "", {248, 376, 16, 24}},
    {"GridComboBox", "", {272, 376, 145, 21}},
    {"panelToolbar", "", {23, 121, 145, 361}},
    {"imgOpen", "panelToolbar", {0, 0, 145, 42}},
    {"imgSave", "panelToolbar", {0, 52, 145, 42}},
    {"imgPrint", "panelToolbar", {0, 104, 145, 42}},
    {"imgHelp", "panelToolbar", {0, 156, 145, 42}},
    {"labelHelp", "panelToolbar", {2, 208, 141, 150}},
    {"panelData", "", {432, 120, 145, 153}},
    {"panelReadWrite", "", {432, 291, 145, 143}},
    {"imgRead", "panelReadWrite", {0, 0, 145, 65}},
    {"imgWrite", "panelReadWrite", {0, 78, 145, 65}},
    {"listLanguages", "", {433, 461, 145, 21}},
};

// Labels keep their top-left corner; their size follows their texts.
const Placement kLabels[] = {
    {"labelBuild", "", {450, 22, 0, 0}},
    {"labelProgrammer", "", {354, 40, 0, 0}},
    {"labelGroup", "", {179, 94, 0, 0}},
    {"labelType", "panelData", {8, 10, 0, 0}},
    {"labelRxTx", "panelData", {8, 26, 0, 0}},
    {"labelRange", "panelData", {8, 58, 0, 0}},
    {"labelRangeValue", "panelData", {8, 77, 0, 0}},
    {"labelStep", "panelData", {8, 105, 0, 0}},
    {"labelStepValue", "panelData", {8, 124, 0, 0}},
};

QString parentName(const QWidget* widget, const TformMain& window) {
    return widget->parentWidget() == &window ? QString() : widget->parentWidget()->objectName();
}

TEST_F(MainWindowLayout, EveryControlSitsAtItsPlace) {
    const TformMain& form = start();
    EXPECT_EQ(form.size(), QSize(607, 512));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    for (const Placement& p : kPlacements) {
        const auto* control = form.findChild<QWidget*>(p.name);
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), p.geometry) << p.name;
        EXPECT_EQ(parentName(control, form), p.parent) << p.name;
    }
    for (const Placement& p : kLabels) {
        const auto* label = form.findChild<QLabel*>(p.name);
        ASSERT_NE(label, nullptr) << p.name;
        EXPECT_EQ(label->pos(), p.geometry.topLeft()) << p.name;
        EXPECT_EQ(parentName(label, form), p.parent) << p.name;
    }
}

TEST_F(MainWindowLayout, StartsWithTheGridAndGroupDisabledAndTheInPlaceControlsHidden) {
    const MainWindowControls& c = start().controls();
    EXPECT_FALSE(c.Grid->isEnabled());
    EXPECT_FALSE(c.spinGroup->isEnabled());
    EXPECT_TRUE(c.GridUpDown->isHidden());
    EXPECT_TRUE(c.GridComboBox->isHidden());
    EXPECT_EQ(c.Grid->columnCount(), 3);
    EXPECT_EQ(c.Grid->rowCount(), 1);
    EXPECT_EQ(c.Grid->horizontalHeader()->height(), 20);
    EXPECT_EQ(c.Grid->rowHeight(0), 20);
    EXPECT_EQ(c.Grid->columnWidth(0), 20);
    EXPECT_EQ(c.Grid->columnWidth(1), 100);
    EXPECT_EQ(c.Grid->columnWidth(2), 100);
    EXPECT_EQ(c.cgBattery->orientation(), Qt::Vertical);
    EXPECT_EQ(c.cgBattery->minimum(), 0);
    EXPECT_EQ(c.cgBattery->maximum(), 7);
    EXPECT_EQ(c.cgBattery->value(), 0);
    EXPECT_EQ(c.btnSearchProgrammer->text(), "?");
    EXPECT_EQ(c.listProgrammers->count(), 0);
    EXPECT_EQ(c.labelBuild->text(), "Build 1.0.0.7");
    EXPECT_EQ(c.labelHelp->font().pixelSize(), 13);
    EXPECT_TRUE(c.labelHelp->wordWrap());
    for (const QWidget* image :
         {static_cast<QWidget*>(c.imgOpen), static_cast<QWidget*>(c.imgRead),
          static_cast<QWidget*>(c.imgLogo), static_cast<QWidget*>(c.imgExit)}) {
        EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor)
            << image->objectName().toStdString();
    }
}

TEST_F(MainWindowLayout, HasRoundedCorners) {
    const QRegion mask = start().mask();
    for (const QPoint inside : {QPoint(303, 256), QPoint(303, 0), QPoint(0, 256), QPoint(40, 1),
                                QPoint(20, 20), QPoint(586, 491)}) {
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    }
    for (const QPoint outside : {QPoint(0, 0), QPoint(606, 0), QPoint(0, 511), QPoint(606, 511),
                                 QPoint(8, 8), QPoint(598, 503)}) {
        EXPECT_FALSE(mask.contains(outside)) << outside.x() << "," << outside.y();
    }
}

// The skin: corners where they belong, unscaled; edges stretched along the window only.
TEST_F(MainWindowLayout, PaintsTheSkinAroundTheWindow) {
    TformMain& form = start();
    const QImage painted = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const struct {
        const char* piece;
        QPoint inPiece;
        QPoint onWindow;
    } samples[] = {
        {"BG_TOPLEFT", {20, 20}, {20, 20}},     {"BG_TOPRIGHT", {19, 20}, {586, 20}},
        {"BG_BOTTOMLEFT", {20, 19}, {20, 491}}, {"BG_BOTTOMRIGHT", {19, 19}, {586, 491}},
        {"BG_LEFT", {2, 3}, {2, 300}},          {"BG_RIGHT", {37, 3}, {604, 300}},
        {"BG_TOP", {0, 2}, {300, 2}},           {"BG_BOTTOM", {0, 37}, {300, 509}},
    };
    for (const auto& s : samples) {
        const QImage piece = artwork(s.piece).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(painted.pixel(s.onWindow), piece.pixel(s.inPiece)) << s.piece;
    }
}

}  // namespace
}  // namespace quorprog::testing
