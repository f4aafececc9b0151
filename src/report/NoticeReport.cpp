#include "report/NoticeReport.h"

#include "notice/NoticeFileStream.h"
#include "pattern/PatternDrawing.h"
#include "report/ReportItems.h"
#include "report/ReportPages.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QPagedPaintDevice>
#include <QPainter>

#include <optional>

namespace {

using namespace reportPages;
using Key = NoticeKeys::Key;
using Section = NoticeKeys::Section;

// In points (1/72 inch), as the page.
constexpr double DiagramHeight = 200;
constexpr double DescriptionShare = 0.55; // of the body's width, for the item descriptions
constexpr int AzimuthsPerBand = 18;       // an antenna table in two bands of 18 azimuths

// The sub-sections drawn as antenna tables, in the file's order.
struct AntennaSection
{
    Section section;
    AzimuthTableId table;
};
const AntennaSection AntennaSections[] = {
    {Section::AntHgt, AzimuthTableId::EffectiveHeight},
    {Section::AntDiagrH, AzimuthTableId::HorizontalPattern},
    {Section::AntDiagrV, AzimuthTableId::VerticalPattern},
};

// The columns of the list of notices: heading and share of the body's width.
struct ListColumn
{
    const char *heading;
    double share;
};
const ListColumn ListColumns[] = {
    {QT_TRANSLATE_NOOP("NoticeReport", "No."), 0.06},       {QT_TRANSLATE_NOOP("NoticeReport", "Type"), 0.06},
    {QT_TRANSLATE_NOOP("NoticeReport", "Action"), 0.11},    {QT_TRANSLATE_NOOP("NoticeReport", "Fragment"), 0.10},
    {QT_TRANSLATE_NOOP("NoticeReport", "MHz"), 0.09},       {QT_TRANSLATE_NOOP("NoticeReport", "Site"), 0.28},
    {QT_TRANSLATE_NOOP("NoticeReport", "Longitude"), 0.15}, {QT_TRANSLATE_NOOP("NoticeReport", "Latitude"), 0.15},
};

// The list of every notice, one row each, its column headings on each page.
class NoticeListing
{
public:
    explicit NoticeListing(PageFlow &flow)
        : m_flow(flow)
        , m_font(fontOf(SmallSize + 1))
        , m_line(QFontMetricsF(m_font, &flow.device()).lineSpacing() + 2)
    {
        double left = flow.body().left();
        for (const ListColumn &column : ListColumns) {
            const double width = column.share * flow.body().width();
            m_columns << QRectF(left, 0, width - 4, m_line);
            left += width;
        }
    }

    void row(const ParsedNotice &notice)
    {
        if (m_flow.pages() == 0 || m_rowsLeft == 0)
            headings();
        const double top = m_flow.take(m_line);
        --m_rowsLeft;
        if (QPainter *painter = m_flow.painter()) {
            painter->setFont(m_font);
            drawCells(*painter, at(top),
                      {notice.value(Key::NoticeNo), notice.value(Key::NoticeType), notice.value(Key::Action),
                       notice.value(Key::Fragment), notice.value(Key::FreqAssgn), notice.value(Key::SiteName),
                       ReportItems::printedValue(Key::Long, notice.value(Key::Long)),
                       ReportItems::printedValue(Key::Lat, notice.value(Key::Lat))});
        }
    }

    // A file without notices still has its page.
    void finish()
    {
        if (m_flow.pages() == 0)
            headings();
    }

private:
    QList<QRectF> at(double top) const
    {
        QList<QRectF> cells;
        for (const QRectF &column : m_columns)
            cells << column.translated(0, top);
        return cells;
    }

    void headings()
    {
        m_flow.newPage();
        const QFont title = fontOf(HeadingSize, true);
        const double titleHeight = QFontMetricsF(title, &m_flow.device()).lineSpacing() * 1.5;
        const double titleTop = m_flow.take(titleHeight);
        const double top = m_flow.take(m_line);
        m_rowsLeft = int((m_flow.body().bottom() - top - m_line) / m_line);
        QPainter *painter = m_flow.painter();
        if (!painter)
            return;
        painter->setFont(title);
        painter->drawText(QRectF(m_flow.body().left(), titleTop, m_flow.body().width(), titleHeight),
                          Qt::AlignLeft | Qt::AlignTop, NoticeReport::tr("Notices of the file"));
        QFont bold = m_font;
        bold.setBold(true);
        painter->setFont(bold);
        QStringList headings;
        for (const ListColumn &column : ListColumns)
            headings << NoticeReport::tr(column.heading);
        drawCells(*painter, at(top), headings);
        painter->drawLine(QPointF(m_flow.body().left(), top + m_line), QPointF(m_flow.body().right(), top + m_line));
    }

    PageFlow &m_flow;
    QFont m_font;
    double m_line;
    QList<QRectF> m_columns;
    int m_rowsLeft = 0;
};

// One notice from the top of a new page.
class NoticePages
{
public:
    NoticePages(PageFlow &flow, Language language)
        : m_flow(flow)
        , m_language(language)
        , m_body(fontOf(BodySize))
        , m_small(fontOf(SmallSize))
        , m_line(QFontMetricsF(m_body, &flow.device()).lineSpacing() + 1)
        , m_smallLine(QFontMetricsF(m_small, &flow.device()).lineSpacing() + 1)
    { }

    void notice(const ParsedNotice &notice)
    {
        m_flow.newPage();
        const FormKind kind = ReportItems::formOf(notice);
        heading(NoticeReport::tr("Notice %1").arg(notice.value(Key::NoticeNo)));
        for (const NoticeKeyLine &line : notice.keyLines) {
            const std::optional<Key> key = keyOf(line.key);
            item(key ? ReportItems::description(*key, kind, m_language) : line.key,
                 key ? ReportItems::printedValue(*key, line.value) : line.value);
        }
        QList<PatternGeometry> diagrams;
        for (const ParsedSection &section : notice.subSections) {
            if (section.section == Section::Coordination) {
                QStringList administrations;
                for (const NoticeKeyLine &line : section.keyLines)
                    administrations << line.value;
                item(NoticeReport::tr("11 Coordination completed with"), administrations.join(QStringLiteral(", ")));
            }
            for (const AntennaSection &antenna : AntennaSections) {
                if (antenna.section == section.section) {
                    const PatternTexts texts = azimuthTexts(section);
                    azimuthTable(antenna.table, texts);
                    diagrams << patternGeometry(antenna.table, patternValues(texts));
                }
            }
        }
        if (!diagrams.isEmpty())
            diagramRow(diagrams);
    }

private:
    static std::optional<Key> keyOf(const QString &text)
    {
        for (const NoticeKeys::Placement &placement : NoticeKeys::layout()) {
            if (placement.section == Section::Notice && text == QLatin1String(placement.text))
                return placement.key;
        }
        return std::nullopt;
    }

    static PatternTexts azimuthTexts(const ParsedSection &section)
    {
        PatternTexts texts;
        for (const NoticeKeyLine &line : section.keyLines) {
            const int at = line.key.indexOf(QLatin1String("@azm"));
            bool ok = false;
            const int azimuth = line.key.mid(at + 4).toInt(&ok);
            const int index = azimuth / kAzimuthStep;
            if (at >= 0 && ok && index >= 0 && index < int(kAzimuthCount))
                texts[std::size_t(index)] = line.value;
        }
        return texts;
    }

    void heading(const QString &text)
    {
        const QFont font = fontOf(HeadingSize, true);
        const double height = QFontMetricsF(font, &m_flow.device()).lineSpacing() * 1.5;
        const double top = m_flow.take(height);
        if (QPainter *painter = m_flow.painter()) {
            painter->setFont(font);
            painter->drawText(QRectF(m_flow.body().left(), top, m_flow.body().width(), height),
                              Qt::AlignLeft | Qt::AlignTop, text);
        }
    }

    // The description on the left, the value on the right, each wrapped;
    // a long value (remarks) goes on over as many lines and pages as it takes.
    void item(const QString &description, const QString &value)
    {
        const QRectF body = m_flow.body();
        const double descriptionWidth = body.width() * DescriptionShare - ColumnGap;
        const double valueLeft = body.left() + body.width() * DescriptionShare;
        const QStringList descriptionLines = wrapped(description, m_body, m_flow.device(), descriptionWidth);
        const QStringList valueLines = wrapped(value, m_body, m_flow.device(), body.right() - valueLeft);
        const qsizetype lines = std::max(descriptionLines.size(), valueLines.size());
        for (qsizetype index = 0; index < lines; ++index) {
            const double top = m_flow.take(m_line);
            if (QPainter *painter = m_flow.painter()) {
                painter->setFont(m_body);
                painter->setPen(QColor(60, 60, 60));
                drawCells(*painter, {QRectF(body.left(), top, descriptionWidth, m_line)},
                          {descriptionLines.value(index)});
                painter->setPen(Qt::black);
                drawCells(*painter, {QRectF(valueLeft, top, body.right() - valueLeft, m_line)},
                          {valueLines.value(index)});
            }
        }
    }

    // The table's title, then two bands of 18 azimuths: the azimuths over
    // their values. Kept together on one page.
    void azimuthTable(AzimuthTableId table, const PatternTexts &texts)
    {
        const double height = m_line + 4 * m_smallLine + m_smallLine / 2;
        const double top = m_flow.take(height);
        QPainter *painter = m_flow.painter();
        if (!painter)
            return;
        const QRectF body = m_flow.body();
        painter->setFont(m_body);
        painter->setPen(Qt::black);
        drawCells(*painter, {QRectF(body.left(), top, body.width(), m_line)}, {PatternCaptions::title(table)});
        const double cell = body.width() / AzimuthsPerBand;
        for (int band = 0; band < int(kAzimuthCount) / AzimuthsPerBand; ++band) {
            const double bandTop = top + m_line + band * 2 * m_smallLine;
            QList<QRectF> azimuthCells, valueCells;
            QStringList azimuths, values;
            for (int column = 0; column < AzimuthsPerBand; ++column) {
                const int index = band * AzimuthsPerBand + column;
                azimuthCells << QRectF(body.left() + column * cell, bandTop, cell - 2, m_smallLine);
                valueCells << azimuthCells.last().translated(0, m_smallLine);
                azimuths << QString::number(index * kAzimuthStep) + QChar(0x00B0);
                values << texts[std::size_t(index)];
            }
            painter->setFont(m_small);
            painter->setPen(QColor(110, 110, 110));
            drawCells(*painter, azimuthCells, azimuths, Qt::AlignRight);
            painter->setPen(Qt::black);
            drawCells(*painter, valueCells, values, Qt::AlignRight);
        }
    }

    void diagramRow(const QList<PatternGeometry> &diagrams)
    {
        const double top = m_flow.take(DiagramHeight + m_line);
        QPainter *painter = m_flow.painter();
        if (!painter)
            return;
        const QRectF body = m_flow.body();
        const double width = body.width() / std::size(AntennaSections);
        painter->setFont(m_small);
        for (qsizetype index = 0; index < diagrams.size(); ++index)
            drawPattern(*painter, QRectF(body.left() + index * width, top + m_line, width - ColumnGap, DiagramHeight),
                        diagrams[index]);
    }

    PageFlow &m_flow;
    Language m_language;
    QFont m_body, m_small;
    double m_line, m_smallLine;
};

// One reading of the file: its facts, its faults, and each notice handed to
// the listing or the notice pages.
class ReportReading : public NoticeFileConsumer
{
public:
    ReportReading(ReportFacts &facts, std::function<void(const NoticeFileFault &)> onFault)
        : m_facts(facts)
        , m_onFault(std::move(onFault))
    { }

    NoticeListing *listing = nullptr;
    NoticePages *pages = nullptr;
    int notices = 0;
    int faults = 0;

    void headerLine(const QString &line) override
    {
        const QString &captured = NoticeKeys::headerBeginnings()[0];
        if (line.startsWith(captured))
            m_facts.capturedOn = line.mid(captured.size());
    }
    void head(ParsedSection &&head) override { m_facts.adm = head.value(Key::Adm); }
    void notice(ParsedNotice &&notice) override
    {
        ++notices;
        if (listing)
            listing->row(notice);
        if (pages)
            pages->notice(notice);
    }
    void fault(const NoticeFileFault &fault) override
    {
        ++faults;
        if (m_onFault)
            m_onFault(fault);
    }

private:
    ReportFacts &m_facts;
    std::function<void(const NoticeFileFault &)> m_onFault;
};

bool readThrough(QIODevice &input, ReportReading &reading)
{
    if (!input.seek(0))
        return false;
    NoticeFileStream stream(reading);
    return checkNoticeDevice(input, stream);
}

} // namespace

NoticeReportResult writeNoticeReport(QIODevice &input, QPagedPaintDevice &output, const NoticeReportSettings &settings,
                                     const std::function<void(const NoticeFileFault &)> &onFault)
{
    NoticeReportResult result;
    ReportFacts facts;
    facts.fileName = settings.fileName;
    int pagesBegun = 0;

    // First reading: checked, and the pages counted.
    {
        PageFlow listingFlow(output, nullptr, facts, pagesBegun);
        PageFlow noticeFlow(output, nullptr, facts, pagesBegun);
        NoticeListing listing(listingFlow);
        NoticePages pages(noticeFlow, settings.language);
        ReportReading reading(facts, onFault);
        reading.listing = &listing;
        reading.pages = &pages;
        if (!readThrough(input, reading)) {
            result.error = input.errorString();
            return result;
        }
        listing.finish();
        result.notices = reading.notices;
        if (reading.faults > 0) {
            result.outcome = NoticeReportResult::Faulty;
            return result;
        }
        facts.totalPages = listingFlow.pages() + noticeFlow.pages();
    }

    QPainter painter;
    if (!painter.begin(&output)) {
        result.error = NoticeReport::tr("the report cannot be written");
        return result;
    }
    const double scale = output.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    // Second and third readings: the list, then the notices.
    PageFlow listingFlow(output, &painter, facts, pagesBegun);
    PageFlow noticeFlow(output, &painter, facts, pagesBegun);
    NoticeListing listing(listingFlow);
    NoticePages pages(noticeFlow, settings.language);
    ReportReading listed(facts, {}), detailed(facts, {});
    listed.listing = &listing;
    detailed.pages = &pages;
    const bool read = readThrough(input, listed) && (listing.finish(), readThrough(input, detailed));
    painter.end();
    result.pages = pagesBegun;
    if (!read) {
        result.error = input.errorString();
        return result;
    }
    if (listed.faults > 0 || detailed.faults > 0 || pagesBegun != facts.totalPages) {
        result.outcome = NoticeReportResult::Faulty;
        result.error = NoticeReport::tr("the file changed while its report was written");
        return result;
    }
    result.outcome = NoticeReportResult::Written;
    return result;
}
