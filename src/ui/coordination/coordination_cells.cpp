#include "ui/coordination/coordination_cells.h"

#include <QHeaderView>
#include <QTableWidget>

#include "text/text_ids.h"
#include "ui/numbers/display_numbers.h"

namespace quorprog {

namespace {

// By ConflictKind, in its order.
constexpr int kKindTexts[] = {text::kKindSpacing, text::kKindIm3,   text::kKindIm3x3,
                              text::kKindIm5,     text::kKindImage, text::kKindExcluded,
                              text::kKindScan};

}  // namespace

int conflictKindText(coordination::ConflictKind kind) {
    return kKindTexts[static_cast<int>(kind)];
}

QString channelCell(size_t channel) {
    return QString::asprintf("%02zX", channel);
}

QString khzCell(coordination::Hertz frequency) {
    return shortestText(coordination::khzOf(frequency));
}

QTableWidget* coordinationTable(const QStringList& titles, const char* objectName,
                                QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(titles.size()), parent);
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels(titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void appendRow(QTableWidget& table, const QStringList& cells) {
    const int row = table.rowCount();
    table.insertRow(row);
    for (int column = 0; column < cells.size(); ++column)
        table.setItem(row, column, new QTableWidgetItem(cells[column]));
}

}  // namespace quorprog
