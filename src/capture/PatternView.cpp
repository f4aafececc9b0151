#include "capture/PatternView.h"

#include "pattern/PatternDrawing.h"

#include <QEvent>
#include <QPainter>

namespace {

// A pause too short to see between the last key and the diagram drawn anew.
constexpr std::chrono::milliseconds RepaintPause(80);

} // namespace

PatternView::PatternView(AzimuthTableId table, QWidget *frame, QWidget *parent)
    : QWidget(parent)
    , m_table(table)
    , m_frame(frame)
{
    setObjectName(QStringLiteral("patternView") + patternItem(table));
    setAccessibleName(tr("Polar diagram %1").arg(PatternCaptions::title(table)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_frame)
        m_frame->installEventFilter(this);
    // Keys typed in a row are drawn together once typing pauses.
    m_repaint.setSingleShot(true);
    m_repaint.setInterval(RepaintPause);
    connect(&m_repaint, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    refresh();
    followFrame();
}

void PatternView::setEntry(int index, const QString &text)
{
    QString &entry = m_texts.at(std::size_t(index));
    if (entry == text)
        return;
    entry = text;
    m_stale = true;
    m_repaint.start();
}

const PatternGeometry &PatternView::pattern()
{
    if (m_stale)
        refresh();
    return m_geometry;
}

QString PatternView::description()
{
    return PatternCaptions::description(pattern());
}

void PatternView::setWanted(bool wanted)
{
    m_wanted = wanted;
    followFrame();
}

void PatternView::refresh()
{
    m_geometry = patternGeometry(m_table, patternValues(m_texts));
    m_stale = false;
    setAccessibleDescription(PatternCaptions::description(m_geometry));
}

void PatternView::paintEvent(QPaintEvent *)
{
    // The grid is drawn once per size and font and kept; a change of the
    // values redraws only the values over it.
    const qreal ratio = devicePixelRatioF();
    if (m_grid.size() != size() * ratio || m_gridFont != font()) {
        m_grid = QPixmap(size() * ratio);
        m_grid.setDevicePixelRatio(ratio);
        m_grid.fill(palette().window().color());
        QPainter gridPainter(&m_grid);
        gridPainter.setFont(font());
        drawPatternGrid(gridPainter, QRectF(rect()), m_table);
        m_gridFont = font();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_grid);
    drawPatternValues(painter, QRectF(rect()), pattern());
}

bool PatternView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frame && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        followFrame();
    return QWidget::eventFilter(watched, event);
}

void PatternView::followFrame()
{
    setVisible(m_wanted && (!m_frame || !m_frame->isHidden()));
}
