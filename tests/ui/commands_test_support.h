#pragma once

#include <QObject>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>

#include "app/grid_editor.h"
#include "app/group_view.h"
#include "app/main_window_controls.h"
#include "description/description_reader.h"
#include "fakes/recording_prompter.h"
#include "seams/clock.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "session/device_session.h"
#include "text/local_texts.h"

namespace quorprog::commands_test {

// The main window's controls on a plain form, with the group view and the grid's handlers over a
// session that holds a factory device of the built-in description, as after a read.
class GridRig {
  public:
    explicit GridRig(std::string_view model = "dual group system");

    QTableWidget& grid() const { return *controls.Grid; }
    ChannelTable& table() { return session.table(); }
    MemoryMap& map() { return session.memoryMap(); }
    // The counters N and A of channel c of the group on display, as the image holds them.
    std::pair<int32_t, int32_t> counters(int channel);
    // Number of image bytes whose changed flag is set.
    int changedBytes() const;
    QString cellText(int row, int column) const;

    // Makes (row, column) the grid's current cell, as a click would.
    void select(int row, int column);
    // Opens the editor of the current frequency cell; null when none opens.
    QLineEdit* openEditor();

    testing::RecordingPrompter prompter;
    LocalTexts texts;
    NullLog log;
    NullProgressView progress;
    FixedClock clock{{2026, 12, 6}};
    DescriptionReader description;
    DeviceSession session;
    QWidget form;
    MainWindowControls controls;
    GroupView view;
    QObject owner;
    GridEditor* editor;
};

// The main window's form size, so that controls lie where the window puts them.
inline constexpr int kFormWidth = 607;
inline constexpr int kFormHeight = 512;

}  // namespace quorprog::commands_test
