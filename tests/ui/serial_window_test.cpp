#include "app/serial_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace quorprog {
namespace {

TEST(SerialWindow, IsASmallAlwaysOnTopWindowWithAGaugeAndAnEmptyLabel) {
    QWidget owner;
    TformSerial window(&owner);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Serial Port Operation");
    EXPECT_EQ(window.size(), QSize(283, 70));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    const auto* label = window.findChild<QLabel*>("lbSerial");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->pos(), QPoint(16, 16));
    EXPECT_TRUE(label->text().isEmpty());
    const auto* gauge = window.findChild<QProgressBar*>("cgSerial");
    ASSERT_TRUE(gauge);
    EXPECT_EQ(gauge->geometry(), QRect(16, 32, 257, 28));
    EXPECT_EQ(gauge->orientation(), Qt::Horizontal);
}

// The window is built when the link first needs it, once, and belongs to the main window.
TEST(SerialWindow, IsBuiltOnlyWhenTheLinkFirstNeedsIt) {
    QWidget owner;
    SerialWindowOnDemand progress(&owner);
    progress.hide();
    EXPECT_TRUE(owner.findChildren<TformSerial*>().isEmpty());

    progress.setCaption("Reading ...");
    progress.setRange(0, 16);
    progress.show();
    const auto windows = owner.findChildren<TformSerial*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows[0]->windowTitle(), "Reading ...");
    EXPECT_TRUE(windows[0]->isVisible());
    progress.hide();
    EXPECT_FALSE(windows[0]->isVisible());
    EXPECT_EQ(owner.findChildren<TformSerial*>().size(), 1);
}

TEST(SerialWindow, KeepsTheGaugeWithinItsRange) {
    QWidget owner;
    TformSerial window(&owner);
    ProgressView& progress = window;
    progress.setCaption("Reading ...");
    progress.setRange(0, 16);
    progress.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Reading ...");

    progress.setPosition(0);
    for (int i = 0; i < 20; ++i) progress.advance(1);
    EXPECT_EQ(window.gauge()->value(), 16);
    progress.setPosition(-3);
    EXPECT_EQ(window.gauge()->value(), 0);
    progress.advance(5);
    EXPECT_EQ(window.gauge()->value(), 5);
    progress.setPosition(99);
    EXPECT_EQ(window.gauge()->value(), 16);

    progress.hide();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace quorprog
