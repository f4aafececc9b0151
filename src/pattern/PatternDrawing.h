#pragma once

#include "pattern/PatternGeometry.h"

class QPainter;
class QRectF;

// Draws a polar diagram in rect with the painter's font: its title on the
// first line, the disc with its rings, the azimuths every 30 degrees, the
// values joined where they are neighbours, the values that stand out ringed
// in red, and the one-line description under the disc. The capture window
// paints its diagrams with it, the report its pages: what the operator sees
// is what is printed.
void drawPattern(QPainter &painter, const QRectF &rect, const PatternGeometry &geometry);

// The two layers of drawPattern, for a widget that keeps the first in a
// pixmap: what does not depend on the values (title, disc, azimuths), then
// the rings, the values and the description.
void drawPatternGrid(QPainter &painter, const QRectF &rect, AzimuthTableId table);
void drawPatternValues(QPainter &painter, const QRectF &rect, const PatternGeometry &geometry);
