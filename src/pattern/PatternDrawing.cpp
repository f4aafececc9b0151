#include "pattern/PatternDrawing.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

const QColor Ink(0, 0, 0);
const QColor Grid(170, 170, 170);
const QColor Trace(0, 0, 160);
const QColor Mark(200, 0, 0);

constexpr int LabelledAzimuthStep = 30;
// Where a ring is labelled on the unit circle: at 165 degrees.
const QPointF RingLabelAt(0.2588, 0.9659);

} // namespace

namespace {

// Where the parts of a diagram go in rect, for the painter's font.
struct DiagramLayout
{
    QRectF title, description;
    QPointF centre;
    double radius = 1;
    double labelRoom = 0;
    double line = 0;
};

DiagramLayout layoutIn(const QPainter &painter, const QRectF &rect)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    DiagramLayout layout;
    layout.line = metrics.height();
    layout.title = QRectF(rect.left(), rect.top(), rect.width(), layout.line);
    // The description may take two lines in a narrow diagram.
    layout.description = QRectF(rect.left(), rect.bottom() - 2 * layout.line, rect.width(), 2 * layout.line);
    // The disc, with room around it for the azimuth labels.
    const QRectF area = rect.adjusted(0, layout.line, 0, -2 * layout.line);
    layout.labelRoom = metrics.horizontalAdvance(QStringLiteral("330°")) * 0.6 + layout.line * 0.3;
    layout.radius = std::max(1.0, std::min(area.width(), area.height()) / 2 - layout.labelRoom);
    layout.centre = area.center();
    return layout;
}

QPen dottedGrid()
{
    QPen pen(Grid, 0);
    pen.setStyle(Qt::DotLine);
    return pen;
}

} // namespace

void drawPatternGrid(QPainter &painter, const QRectF &rect, AzimuthTableId table)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const DiagramLayout layout = layoutIn(painter, rect);
    painter.setPen(Ink);
    painter.drawText(layout.title, Qt::AlignHCenter | Qt::AlignVCenter,
                     metrics.elidedText(PatternCaptions::title(table), Qt::ElideRight, rect.width()));
    painter.setPen(QPen(Ink, 0));
    painter.drawEllipse(layout.centre, layout.radius, layout.radius);
    for (int azimuth = 0; azimuth < 360; azimuth += LabelledAzimuthStep) {
        const double angle = azimuth * M_PI / 180;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.setPen(dottedGrid());
        painter.drawLine(layout.centre, layout.centre + direction * layout.radius);
        const QString label = QString::number(azimuth) + QChar(0x00B0);
        const QPointF at = layout.centre + direction * (layout.radius + layout.labelRoom * 0.55);
        const QSizeF size(metrics.horizontalAdvance(label), layout.line);
        painter.setPen(Ink);
        painter.drawText(QRectF(at - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, label);
    }
    painter.restore();
}

void drawPatternValues(QPainter &painter, const QRectF &rect, const PatternGeometry &geometry)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const DiagramLayout layout = layoutIn(painter, rect);
    const QPointF centre = layout.centre;
    const double radius = layout.radius;
    const auto toRect = [&centre, radius](const QPointF &onDisc) { return centre + onDisc * radius; };
    painter.setPen(Ink);
    painter.drawText(layout.description, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     PatternCaptions::description(geometry));

    for (const PatternRing &ring : geometry.rings) {
        if (ring.radius < 1) {
            painter.setPen(dottedGrid());
            painter.drawEllipse(centre, ring.radius * radius, ring.radius * radius);
        }
        // The labels down the lower right, clear of the azimuths.
        painter.setPen(Grid.darker(150));
        painter.drawText(centre
                             + QPointF(RingLabelAt.x() * ring.radius * radius + 2,
                                       RingLabelAt.y() * ring.radius * radius - metrics.descent()),
                         ring.label);
    }

    const double dot = std::max(1.5, radius / 45);
    painter.setPen(QPen(Trace, std::max(1.0, radius / 90)));
    for (const QPolygonF &run : geometry.runs) {
        QPolygonF scaled;
        for (const QPointF &point : run)
            scaled << toRect(point);
        painter.drawPolyline(scaled);
    }
    painter.setBrush(Trace);
    for (const PatternPoint &point : geometry.points)
        painter.drawEllipse(toRect(point.position), dot, dot);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Mark, std::max(1.0, radius / 60)));
    for (const PatternPoint &point : geometry.points) {
        if (point.marked)
            painter.drawEllipse(toRect(point.position), dot * 3, dot * 3);
    }
    painter.restore();
}

void drawPattern(QPainter &painter, const QRectF &rect, const PatternGeometry &geometry)
{
    drawPatternGrid(painter, rect, geometry.table);
    drawPatternValues(painter, rect, geometry);
}
