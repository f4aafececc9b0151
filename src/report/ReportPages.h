#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// The report's own texts, in the language installed.
class NoticeReport
{
    Q_DECLARE_TR_FUNCTIONS(NoticeReport)
};

// The pages of the report: their layout, filled from top to bottom, and the
// text drawn on them.
namespace reportPages {

// The report's page, in points (1/72 inch) whatever the device's resolution.
constexpr double Margin = 40;
constexpr double HeaderGap = 14; // between the header line and the body, the body and the footer line
constexpr double ColumnGap = 8;

// Font sizes in points.
constexpr int BodySize = 9;
constexpr int SmallSize = 7;
constexpr int HeadingSize = 13;

QFont fontOf(int points, bool bold = false);

// What every page says, and the count of pages of the whole report.
struct ReportFacts
{
    QString fileName;
    QString adm;
    QString capturedOn;
    int totalPages = 0;
};

// Pages filled from top to bottom, on the device when a painter is given,
// else only counted: the same code lays a report out and paints it, so the
// count of the first reading is the count painted. Each page has the file
// and its administration at the top, "page N of M" at the bottom.
class PageFlow
{
public:
    PageFlow(QPagedPaintDevice &device, QPainter *painter, const ReportFacts &facts, int &pagesBegun);

    QPainter *painter() const { return m_painter; }
    QPaintDevice &device() const;
    const QRectF &body() const { return m_body; }
    int pages() const { return m_pages; }

    void newPage();
    // The top of a block of that height: on this page when it fits, else
    // at the top of a new one.
    double take(double height);

private:
    QPagedPaintDevice &m_device;
    QPainter *m_painter;
    const ReportFacts &m_facts;
    int &m_pagesBegun;
    QSizeF m_page;
    QRectF m_body;
    double m_y = 0;
    int m_pages = 0;
};

// The text cut into lines no wider than width.
QStringList wrapped(const QString &text, const QFont &font, QPaintDevice &device, double width);

// One line of text per cell, each cell in its rectangle, elided to fit.
void drawCells(QPainter &painter, const QList<QRectF> &cells, const QStringList &texts, int flags = Qt::AlignLeft);

} // namespace reportPages
