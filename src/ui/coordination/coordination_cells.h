#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>

#include "coordination/compatibility_check.h"

class QTableWidget;
class QWidget;

namespace quorprog {

// Cells of the coordination dialogs, written as the grid writes them: channel numbers in two
// hexadecimal digits, kHz in the user's locale.
QString channelCell(size_t channel);
QString khzCell(coordination::Hertz frequency);
// The text id naming a kind of conflict.
int conflictKindText(coordination::ConflictKind kind);

// A read-only table with these column titles and no rows yet.
QTableWidget* coordinationTable(const QStringList& titles, const char* objectName, QWidget* parent);
// Appends a row of texts.
void appendRow(QTableWidget& table, const QStringList& cells);

}  // namespace quorprog
