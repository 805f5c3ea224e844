#pragma once

#include <QColor>

// Colours the program chooses itself, made readable on the palette in force: light or dark.
namespace ReadableColour {

// What text needs against its background (WCAG AA for normal text).
constexpr double MinimumContrast = 4.5;

// The contrast ratio of two colours, 1 to 21, as WCAG defines it.
double contrast(const QColor &a, const QColor &b);

// `wanted` where it reads on `background`; otherwise the same hue made darker on a light
// background or lighter on a dark one, just as far as it takes.
QColor on(const QColor &background, const QColor &wanted);

} // namespace ReadableColour
