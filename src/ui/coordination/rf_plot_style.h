#pragma once

#include <QColor>

#include "coordination/rf_plot_model.h"

// The colours of the spectrum picture, one place for the drawing and its legend.
namespace quorprog::spectrum_style {

inline const QColor kChannel{0x1f, 0x4e, 0xb4};
inline const QColor kConflicting{0xd0, 0x10, 0x10};
inline const QColor kOtherTransmitter{0x00, 0x8a, 0x5a};
inline const QColor kIm3{0xe0, 0x80, 0x00};
inline const QColor kScan{0x55, 0x55, 0x55};
inline const QColor kThreshold{0x9c, 0x27, 0xb0};
inline const QColor kText{0x20, 0x20, 0x20};
inline const QColor kTvText{0x60, 0x50, 0x30};
inline const QColor kFrame{0x80, 0x80, 0x80};

// Translucent, so overlapping ranges stay visible.
inline QColor shade(coordination::ShadeKind kind) {
    switch (kind) {
        case coordination::ShadeKind::Guard:
            return QColor(0x1f, 0x4e, 0xb4, 0x1c);
        case coordination::ShadeKind::Excluded:
            return QColor(0xd0, 0x10, 0x10, 0x30);
        case coordination::ShadeKind::TvExcluded:
            return QColor(0xb0, 0x70, 0x20, 0x40);
        case coordination::ShadeKind::TvSearched:
            return QColor(0x20, 0xa0, 0x40, 0x30);
    }
    return Qt::transparent;
}

// The density strip from white (none) to deep violet (the most products in view).
inline QColor densityColour(double share) {
    const auto channel = [share](int full, int none) {
        return static_cast<int>(none + (full - none) * share);
    };
    return QColor(channel(0x4a, 0xff), channel(0x14, 0xff), channel(0x8c, 0xff));
}

}  // namespace quorprog::spectrum_style
