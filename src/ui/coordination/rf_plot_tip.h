#pragma once

#include <QString>

#include "coordination/rf_plot_model.h"

namespace quorprog {

class LocalTexts;

// What the spectrum view's tooltip says of a hit, one line per thing, MHz with the desktop's
// decimal separator: each channel with its conflicts, other transmitters, IM3 products with
// their sources (the first few), excluded ranges and TV channels, the scan level.
QString spectrumTipText(const coordination::SpectrumHit& hit, const LocalTexts& texts);

}  // namespace quorprog
