#include "ui/artwork/artwork.h"

#include <QResource>

// The artwork is compiled into the static shell library; registering it here, where the bitmaps
// are loaded, keeps the linker from dropping it.
static void registerArtwork() {
    Q_INIT_RESOURCE(artwork);
}

namespace quorprog {

QImage artwork(const QString& name) {
    registerArtwork();
    return QImage(":/bitmaps/" + name);
}

}  // namespace quorprog
