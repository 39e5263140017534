#pragma once

#include <QByteArray>
#include <QSize>
#include <optional>
#include <string_view>

#include "coordination/rf_plot_model.h"

namespace quorprog {

class LocalTexts;

enum class SpectrumFormat { Svg, Png, Pdf };

// The format a file name asks for by its extension (.svg, .png, .pdf, in any case).
std::optional<SpectrumFormat> spectrumFormatOf(std::string_view path);

// The whole spectrum picture of the model, `size` pixels (points in a PDF), as the bytes of a
// file of that format; empty when it could not be drawn.
QByteArray spectrumFileBytes(const coordination::SpectrumModel& model, const LocalTexts& texts,
                             SpectrumFormat format, QSize size);

}  // namespace quorprog
