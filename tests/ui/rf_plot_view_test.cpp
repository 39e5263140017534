// The spectrum view on a small scene: the wheel and the drag move the span as the picture
// promises, and the tooltip names what lies under the mouse (from the model's hit-test).
#include "ui/coordination/rf_plot_view.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include "coordination/compatibility_check.h"
#include "text/local_texts.h"

namespace quorprog {
namespace {

using coordination::Hertz;
using ::testing::HasSubstr;

constexpr Hertz kMHz = 1000000;

// Channels 00 and 03 disturb each other (2 × 606.4 − 606.0 = 606.8 and 2 × 606.4 − 606.8 =
// 606.0), channel 02 is free; another transmitter at 610; TV channel 36 of the US table is where
// the search may go; the scan has one occupied point, at 607.
class SpectrumViewTest : public ::testing::Test {
  protected:
    SpectrumViewTest() : view(makeModel(), texts) {
        view.resize(900, 400);
        full = view.span();
    }

    coordination::SpectrumModel makeModel() {
        rules.onSite = {610 * kMHz};
        const std::vector<coordination::Conflict> conflicts =
            coordination::findConflicts(channels, rules);
        return *coordination::SpectrumModel::build(
            {channels,
             rules,
             conflicts,
             {*coordination::tvChannel(coordination::TvRegion::Us, 36)},
             {{605500000, -95}, {607 * kMHz, -60}, {609 * kMHz, -100}},
             -90.0});
    }

    double xOf(Hertz f) const {
        return spectrumX(SpectrumLayout(QRectF(view.rect())).plot, view.span(), f);
    }
    QPoint at(Hertz f) const { return QPoint(static_cast<int>(std::lround(xOf(f))), 200); }
    double hertzPerPixel() const {
        return static_cast<double>(view.span().high - view.span().low) /
               SpectrumLayout(QRectF(view.rect())).plot.width();
    }
    Hertz width() const { return view.span().high - view.span().low; }

    LocalTexts texts;
    std::vector<Hertz> channels{606 * kMHz, 0, 606400000, 606800000};
    coordination::CoordinationRules rules;
    SpectrumView view;
    SpectrumSpan full;
};

TEST_F(SpectrumViewTest, StartsOnTheWholeSpanAndZoomsAroundTheMouseWithinItsLimits) {
    EXPECT_EQ(full.low, 605 * kMHz);  // the transmitters and a margin of 1 MHz
    EXPECT_EQ(full.high, 611 * kMHz);

    const double x = xOf(606800000);
    view.zoom(2, x);
    EXPECT_NEAR(static_cast<double>(width()), 6e6 / 1.25 / 1.25, 2);
    EXPECT_NEAR(static_cast<double>(view.frequencyAt(QPoint(static_cast<int>(x), 200))), 606.8e6,
                hertzPerPixel());

    view.zoom(-20, x);
    EXPECT_EQ(view.span().low, full.low);
    EXPECT_EQ(view.span().high, full.high);
    view.zoom(60, x);
    EXPECT_EQ(width(), SpectrumView::kNarrowest);
    EXPECT_LE(view.span().low, 606800000);
    EXPECT_GE(view.span().high, 606800000);

    // The wheel: one notch up is one step in.
    view.zoom(-60, x);
    QWheelEvent wheel(QPointF(x, 200), view.mapToGlobal(QPointF(x, 200)), {}, {0, 120},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_NEAR(static_cast<double>(width()), 6e6 / 1.25, 2);
}

TEST_F(SpectrumViewTest, DraggingPansWithinTheSpan) {
    view.zoom(3, xOf(608 * kMHz));
    const SpectrumSpan before = view.span();
    const double perPixel = hertzPerPixel();

    const auto mouse = [&](QEvent::Type type, int x, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(x, 200), view.mapToGlobal(QPointF(x, 200)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    };
    mouse(QEvent::MouseButtonPress, 500, Qt::LeftButton);
    mouse(QEvent::MouseMove, 400, Qt::LeftButton);  // dragged left: higher frequencies come in
    mouse(QEvent::MouseButtonRelease, 400, Qt::NoButton);
    EXPECT_NEAR(static_cast<double>(view.span().low - before.low), 100 * perPixel, perPixel);
    EXPECT_EQ(view.span().high - view.span().low, before.high - before.low);

    view.pan(1e6);  // far to the right: stops at the low end
    EXPECT_EQ(view.span().low, full.low);
    view.pan(-1e6);
    EXPECT_EQ(view.span().high, full.high);
}

TEST_F(SpectrumViewTest, TheTooltipNamesWhatLiesUnderTheMouse) {
    const struct {
        Hertz frequency;
        std::vector<std::string> lines;
    } rows[] = {
        {606800000, {"Channel 03 at 606", "  IM3: 606", "TV channel 36:"}},
        {606400000, {"Channel 02 at 606", "TV channel 36:"}},
        {607200000, {"IM3 at 607", "2 \xC3\x97 606", "TV channel 36:"}},
        {607 * kMHz, {"Scan: -60", "TV channel 36:"}},
        {610 * kMHz, {"Other transmitter at 610 MHz"}},
    };
    for (const auto& row : rows) {
        const std::string tip = view.toolTipAt(at(row.frequency)).toStdString();
        for (const std::string& line : row.lines)
            EXPECT_THAT(tip, HasSubstr(line)) << row.frequency;
    }
    // Channel 02 has no conflict of its own, and nothing lies at 610.6 MHz.
    EXPECT_THAT(view.toolTipAt(at(606400000)).toStdString(), ::testing::Not(HasSubstr("  IM3:")));
    EXPECT_TRUE(view.toolTipAt(at(610600000)).isEmpty());
    EXPECT_TRUE(view.toolTipAt(QPoint(static_cast<int>(xOf(606800000)), 5)).isEmpty());

    // Zoomed in, the mouse must come closer: 20 kHz beside channel 03 is no longer on it.
    EXPECT_THAT(view.toolTipAt(at(606820000)).toStdString(), HasSubstr("Channel 03"));
    view.zoom(10, xOf(606800000));
    EXPECT_THAT(view.toolTipAt(at(606820000)).toStdString(),
                ::testing::Not(HasSubstr("Channel 03")));
}

}  // namespace
}  // namespace quorprog
