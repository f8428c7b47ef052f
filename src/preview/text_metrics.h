#pragma once
// Sizes of text on a page, in millimetres, independent of any screen or printer. Needs a
// QGuiApplication (fonts are found through it).

#include <QFont>
#include <QStringList>

#include "preview/page.h"

namespace pramo {

// The Qt font of a page font, without a size; the painter and the measures use the same one.
QFont qtFont(const PageFont& font);

double textWidthMm(const PageFont& font, const QString& text);
// Height of one line of text (ascent and descent) and the distance between two lines.
double lineHeightMm(const PageFont& font);

// The font in which `text` is no wider than `width`: the font itself when the text fits, else the
// same font in smaller type, a tenth of a point at a time. A text that must be shown whole (an
// amount) is drawn in it rather than cut or run into its neighbour.
PageFont fittedFont(const PageFont& font, const QString& text, double width);

// Where a run's text begins on the page, after alignment in its width.
double textLeftMm(const TextRun& run);

// Splits text into lines no wider than `width`, breaking between words; a word wider than the
// width is broken where it must be. Line breaks in the text are kept.
QStringList wrapText(const QString& text, const PageFont& font, double width);

}  // namespace pramo
