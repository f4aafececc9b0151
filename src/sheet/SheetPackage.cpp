#include "sheet/SheetPackage.h"

#include "sheet/SheetFaults.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include <cmath>

SheetPackage::SheetPackage(QIODevice &device)
    : m_zip(std::make_unique<QuaZip>(&device))
{
    // The device is the caller's: it stays open when the package closes.
    m_zip->setAutoClose(false);
    m_open = m_zip->open(QuaZip::mdUnzip);
}

SheetPackage::~SheetPackage()
{
    m_entry.reset();
    if (m_open)
        m_zip->close();
}

bool SheetPackage::contains(const QString &entry) const
{
    return m_open && m_zip->setCurrentFile(entry, QuaZip::csInsensitive);
}

QuaZipFile *SheetPackage::open(const QString &entry)
{
    m_entry.reset();
    if (!contains(entry))
        return nullptr;
    m_entry = std::make_unique<QuaZipFile>(m_zip.get());
    if (!m_entry->open(QIODevice::ReadOnly)) {
        m_entry.reset();
        return nullptr;
    }
    return m_entry.get();
}

SheetPackageWriter::SheetPackageWriter(QIODevice &out)
    : m_out(out)
    , m_spool(QDir::tempPath() + QStringLiteral("/sheet-XXXXXX.zip"))
{
    QIODevice *target = &out;
    if (out.isSequential()) {
        if (!m_spool.open()) {
            fail(m_spool);
            return;
        }
        target = &m_spool;
    }
    m_zip = std::make_unique<QuaZip>(target);
    m_zip->setAutoClose(false);
    if (!m_zip->open(QuaZip::mdCreate)) {
        fail(*target);
        return;
    }
    m_entry = std::make_unique<QuaZipFile>(m_zip.get());
}

SheetPackageWriter::~SheetPackageWriter()
{
    m_entry.reset();
    if (m_zip && m_zip->isOpen())
        m_zip->close();
}

void SheetPackageWriter::writeEntry(const char *name, const QByteArray &bytes, Storage storage)
{
    if (!open(name, storage))
        return;
    if (m_entry->write(bytes) != bytes.size())
        fail(*m_entry);
    closeEntry();
}

QIODevice *SheetPackageWriter::openEntry(const char *name)
{
    return open(name, Storage::Compressed) ? m_entry.get() : nullptr;
}

bool SheetPackageWriter::finish()
{
    if (!m_zip || !m_zip->isOpen())
        return false;
    closeEntry();
    m_entry.reset();
    m_zip->close();
    if (m_zip->getZipError() != ZIP_OK)
        fail(*m_zip->getIoDevice());
    if (!m_error.isEmpty())
        return false;
    if (m_spool.isOpen() && m_spool.seek(0)) {
        constexpr qint64 kChunk = 64 * 1024;
        while (m_error.isEmpty() && !m_spool.atEnd()) {
            const QByteArray chunk = m_spool.read(kChunk);
            if (chunk.isEmpty())
                fail(m_spool);
            else if (m_out.write(chunk) != chunk.size())
                fail(m_out);
        }
    }
    if (m_error.isEmpty())
        m_error = SheetFaults::flushFault(m_out);
    return m_error.isEmpty();
}

bool SheetPackageWriter::open(const char *name, Storage storage)
{
    if (!m_error.isEmpty() || !m_entry)
        return false;
    closeEntry();
    const bool compressed = storage == Storage::Compressed;
    if (!m_entry->open(QIODevice::WriteOnly, QuaZipNewInfo(QLatin1String(name)), nullptr, 0,
                       compressed ? Z_DEFLATED : 0, compressed ? Z_DEFAULT_COMPRESSION : 0))
        fail(*m_zip->getIoDevice());
    return m_error.isEmpty();
}

void SheetPackageWriter::closeEntry()
{
    if (!m_entry || !m_entry->isOpen())
        return;
    m_entry->close();
    if (m_entry->getZipError() != ZIP_OK)
        fail(*m_zip->getIoDevice());
}

void SheetPackageWriter::fail(const QIODevice &device)
{
    if (m_error.isEmpty())
        m_error = SheetFaults::cannotWrite(device);
}

PackageRowReader::PackageRowReader(QIODevice &device)
    : m_package(device)
{
    if (!m_package.isOpen())
        failUnreadable(QCoreApplication::translate("SheetFiles", "it is not a zip package, or a damaged one"));
}

double PackageRowReader::fractionRead() const
{
    if (!m_sheet || m_sheetSize <= 0)
        return failed() ? 1.0 : 0.0;
    return std::min(1.0, double(m_sheet->pos()) / double(m_sheetSize));
}

bool PackageRowReader::openSheet(const QString &entry)
{
    m_sheet = m_package.open(entry);
    if (!m_sheet)
        return failUnreadable(
            QCoreApplication::translate("SheetFiles", "its sheet %1 is missing or damaged").arg(entry));
    m_sheetSize = m_sheet->usize();
    m_xml.setDevice(m_sheet);
    return true;
}

bool PackageRowReader::failUnreadable(const QString &why)
{
    if (m_fault.isEmpty())
        m_fault = SheetFaults::unreadable(why);
    return false;
}

bool PackageRowReader::failAtRow(int row, const QString &why)
{
    if (m_fault.isEmpty())
        m_fault = SheetFaults::atRow(row, why);
    return false;
}

bool PackageRowReader::failOnXmlError()
{
    if (!m_xml.hasError())
        return true;
    return failUnreadable(QCoreApplication::translate("SheetFiles", "%1 (line %2 of its sheet)")
                              .arg(m_xml.errorString())
                              .arg(m_xml.lineNumber()));
}

namespace SheetCells {

SheetCell text(const QString &text)
{
    return {SheetCell::Kind::Text, text};
}

SheetCell number(double value)
{
    return {SheetCell::Kind::Number, QString::number(value, 'g', QLocale::FloatingPointShortest)};
}

SheetCell numberOrText(QStringView value)
{
    bool ok = false;
    const double parsed = value.trimmed().toDouble(&ok);
    return ok && std::isfinite(parsed) ? number(parsed) : text(value.toString());
}

namespace {

QString timeText(qint64 seconds)
{
    constexpr qint64 kDay = 24 * 60 * 60;
    return QTime(0, 0).addSecs(int(((seconds % kDay) + kDay) % kDay)).toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

SheetCell date(const QString &day)
{
    return {SheetCell::Kind::Date, day};
}

SheetCell timeOfDay(qint64 seconds)
{
    return {SheetCell::Kind::Time, timeText(seconds)};
}

SheetCell dateTime(const QString &day, qint64 seconds)
{
    return {SheetCell::Kind::DateTime, day + QLatin1Char('T') + timeText(seconds)};
}

SheetCell boolean(bool value)
{
    return {SheetCell::Kind::Boolean, value ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
}

void place(QList<SheetCell> &cells, int column, const SheetCell &cell)
{
    if (cell.isEmpty())
        return;
    if (cells.size() <= column)
        cells.resize(column + 1);
    cells[column] = cell;
}

SheetCell isoDateTime(QStringView value)
{
    static const QRegularExpression iso(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})?(?:T?(\\d{2}):(\\d{2})(?::(\\d{2}(?:\\.\\d*)?))?)?"));
    const QRegularExpressionMatch match = iso.match(value.toString());
    const QDate day = QDate::fromString(match.captured(1), Qt::ISODate);
    const bool hasTime = match.hasCaptured(2);
    const qint64 seconds = match.captured(2).toInt() * 3600 + match.captured(3).toInt() * 60
        + std::llround(match.captured(4).toDouble());
    if (day.isValid())
        return hasTime ? dateTime(day.toString(Qt::ISODate), seconds) : date(day.toString(Qt::ISODate));
    return hasTime ? timeOfDay(seconds) : text(value.toString());
}

} // namespace SheetCells
