#include "report/ReportPages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace reportPages {

QFont fontOf(int points, bool bold)
{
    QFont font;
    font.setPixelSize(points); // the painter's unit is the point
    font.setBold(bold);
    return font;
}

PageFlow::PageFlow(QPagedPaintDevice &device, QPainter *painter, const ReportFacts &facts, int &pagesBegun)
    : m_device(device)
    , m_painter(painter)
    , m_facts(facts)
    , m_pagesBegun(pagesBegun)
{
    const double scale = device.logicalDpiX() / 72.0;
    m_page = QSizeF(device.width() / scale, device.height() / scale);
    m_body
        = QRectF(Margin, Margin + HeaderGap, m_page.width() - 2 * Margin, m_page.height() - 2 * Margin - 2 * HeaderGap);
}

QPaintDevice &PageFlow::device() const
{
    return m_device;
}

void PageFlow::newPage()
{
    ++m_pages;
    m_y = m_body.top();
    if (!m_painter)
        return;
    if (m_pagesBegun++ > 0)
        m_device.newPage();
    const QFontMetricsF metrics(fontOf(SmallSize), &m_device);
    m_painter->setFont(fontOf(SmallSize));
    m_painter->setPen(Qt::black);
    const QRectF header(Margin, Margin, m_body.width(), metrics.height());
    const QString right = NoticeReport::tr("Administration %1 - captured on %2").arg(m_facts.adm, m_facts.capturedOn);
    m_painter->drawText(header, Qt::AlignRight | Qt::AlignVCenter, right);
    m_painter->drawText(header.adjusted(0, 0, -metrics.horizontalAdvance(right) - ColumnGap, 0),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        metrics.elidedText(m_facts.fileName, Qt::ElideMiddle,
                                           header.width() - metrics.horizontalAdvance(right) - ColumnGap));
    m_painter->drawLine(QPointF(Margin, header.bottom() + 2), QPointF(m_body.right(), header.bottom() + 2));
    const QRectF footer(Margin, m_page.height() - Margin - metrics.height(), m_body.width(), metrics.height());
    m_painter->drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                        NoticeReport::tr("page %1 of %2").arg(m_pagesBegun).arg(m_facts.totalPages));
}

double PageFlow::take(double height)
{
    if (m_pages == 0 || (m_y + height > m_body.bottom() && m_y > m_body.top()))
        newPage();
    const double top = m_y;
    m_y += height;
    return top;
}

QStringList wrapped(const QString &text, const QFont &font, QPaintDevice &device, double width)
{
    const QFontMetricsF metrics(font, &device);
    if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= width)
        return {text};
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, &device);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        if (paragraph.isEmpty())
            lines << QString();
    }
    return lines;
}

void drawCells(QPainter &painter, const QList<QRectF> &cells, const QStringList &texts, int flags)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (qsizetype index = 0; index < cells.size() && index < texts.size(); ++index) {
        painter.drawText(cells[index], flags | Qt::AlignVCenter,
                         metrics.elidedText(texts[index], Qt::ElideRight, cells[index].width()));
    }
}

} // namespace reportPages
