#include "commands_test_support.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableWidget>

#include "model/factory_image.h"
#include "channels/partition_keys.h"
#include "description/default_description.h"

namespace quorprog::commands_test {

GridRig::GridRig(std::string_view model)
    : description(DescriptionReader::fromText(defaultDescriptionText())),
      session(description, SessionServices{prompter, progress, log, clock, texts}),
      controls(createMainWindowControls(&form)),
      view(controls, session, texts),
      editor(new GridEditor(&owner, form, controls, session, view, prompter, texts)) {
    form.resize(kFormWidth, kFormHeight);
    const Bytes image = buildFactoryImage(description, model);
    EXPECT_FALSE(image.empty()) << "no factory image of " << model;
    EXPECT_EQ(session.load(image), Detection::Identified);
    editor->showNewDevice();
    prompter.messages.clear();
    prompter.beeps = 0;
}

std::pair<int32_t, int32_t> GridRig::counters(int channel) {
    const auto g = static_cast<uint32_t>(view.currentGroup());
    const auto c = static_cast<uint32_t>(channel);
    return {map().ReadMapValue(partitionKey(g, "N", c)),
            map().ReadMapValue(partitionKey(g, "A", c))};
}

int GridRig::changedBytes() const {
    int count = 0;
    for (const uint8_t flag : session.image().changedFlags()) count += flag != 0;
    return count;
}

QString GridRig::cellText(int row, int column) const {
    const QTableWidgetItem* item = grid().item(row, column);
    return item ? item->text() : QString();
}

void GridRig::select(int row, int column) {
    grid().setCurrentCell(row, column);
}

QLineEdit* GridRig::openEditor() {
    grid().editItem(grid().currentItem());
    return grid().findChild<QLineEdit*>(QStringLiteral("GridEditor"));
}

}  // namespace quorprog::commands_test
