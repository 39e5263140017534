#pragma once

#include <QImage>
#include <QString>

namespace quorprog {

// A bitmap of the program's artwork by its resource name ("LOGO", "BG_TOP", "BTN_READ", ...).
QImage artwork(const QString& name);

}  // namespace quorprog
