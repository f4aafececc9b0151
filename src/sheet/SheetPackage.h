#pragma once

#include "sheet/SheetCell.h"

#include <QString>
#include <QTemporaryFile>
#include <QXmlStreamReader>

#include <memory>

class QIODevice;
class QuaZip;
class QuaZipFile;

// The zip package of a workbook (.xlsx or .ods) on a device: its entries
// found by name and read as streams. Only one entry is open at a time, as
// the zip library allows.
//
// (Both workbook formats are read and written through QuaZip alone:
// libxlsxwriter cannot share a process with it, as QuaZip exports its own
// changed copy of minizip's functions, which libxlsxwriter's calls would
// reach.)
class SheetPackage
{
public:
    explicit SheetPackage(QIODevice &device);
    ~SheetPackage();
    SheetPackage(const SheetPackage &) = delete;
    SheetPackage &operator=(const SheetPackage &) = delete;

    // Whether the device holds a zip package that could be opened.
    bool isOpen() const { return m_open; }
    bool contains(const QString &entry) const;
    // The entry opened for reading (the one opened before is closed), or
    // nothing when the package has no such entry or it cannot be read.
    QuaZipFile *open(const QString &entry);

private:
    std::unique_ptr<QuaZip> m_zip;
    std::unique_ptr<QuaZipFile> m_entry;
    bool m_open = false;
};

// A zip package written onto a device, entry after entry, each written
// whole or streamed, so that the largest entry needs no more memory than the
// smallest. A zip package is written with seeks back to each entry's header:
// a device that cannot seek (a pipe) gets the package whole from a temporary
// file at the end.
class SheetPackageWriter
{
public:
    explicit SheetPackageWriter(QIODevice &out);
    ~SheetPackageWriter();
    SheetPackageWriter(const SheetPackageWriter &) = delete;
    SheetPackageWriter &operator=(const SheetPackageWriter &) = delete;

    enum class Storage { Compressed, Stored };
    void writeEntry(const char *name, const QByteArray &bytes, Storage storage = Storage::Compressed);
    // The entry opened for writing (the one before is closed), or nothing
    // after a fault.
    QIODevice *openEntry(const char *name);
    // Closes the last entry and the package and hands it to the device;
    // false, with error(), when any of it could not be written.
    bool finish();
    QString error() const { return m_error; }

private:
    bool open(const char *name, Storage storage);
    void closeEntry();
    void fail(const QIODevice &device);

    QIODevice &m_out;
    QTemporaryFile m_spool;
    std::unique_ptr<QuaZip> m_zip;
    std::unique_ptr<QuaZipFile> m_entry;
    QString m_error;
};

// The shared part of the .xlsx and .ods readers: the package, the fault, and
// the one XML entry of the sheet that is read as a stream, so that the rows
// are read in flat memory and the bytes of that entry read so far tell how
// far the reading is.
class PackageRowReader : public SheetRowReader
{
public:
    explicit PackageRowReader(QIODevice &device);

    QString fault() const override { return m_fault; }
    double fractionRead() const override;

protected:
    // Opens the sheet's entry for m_xml; false, with the fault set, when the
    // package has no such entry.
    bool openSheet(const QString &entry);
    // Sets the fault ("the file is not a workbook that can be read: ...")
    // unless one is set already, and returns false, for the reader to stop.
    bool failUnreadable(const QString &why);
    bool failAtRow(int row, const QString &why);
    // After the stream ended: the XML fault of the sheet's entry, if any.
    bool failOnXmlError();
    bool failed() const { return !m_fault.isEmpty(); }

    SheetPackage m_package;
    QXmlStreamReader m_xml;

private:
    QuaZipFile *m_sheet = nullptr;
    qint64 m_sheetSize = 0;
    QString m_fault;
};

// Whether an XML stream may still give tokens: not at its end, and no fault.
// A stream whose device fails (a damaged zip entry) reports a premature end
// and is not at its end, as if more could come: without the fault test, a
// loop on it would never end.
inline bool hasMoreTokens(const QXmlStreamReader &xml)
{
    return !xml.atEnd() && !xml.hasError();
}

// What the readers share about the cells of a worksheet.
namespace SheetCells {

// The most columns a sheet row may hold (those of Excel and Calc), and the
// most rows (those of Calc's largest sheets); beyond them a sheet is a fault
// rather than endless memory or a number that overflows.
constexpr int kMaxColumns = 16384;
constexpr int kMaxRows = 16 * 1048576;

SheetCell text(const QString &text);
// A number in the shortest decimal form that reads back as the same double.
SheetCell number(double value);
// The number a text holds; a text that is no number stays a text.
SheetCell numberOrText(QStringView value);
// A date, a time of day (seconds since midnight, wrapped into one day), or
// both; day is in ISO form, "2026-03-04".
SheetCell date(const QString &day);
SheetCell timeOfDay(qint64 seconds);
SheetCell dateTime(const QString &day, qint64 seconds);
SheetCell boolean(bool value);
// An ISO 8601 date, time of day or both: "2026-03-04", "00:30:00",
// "2026-03-04T00:30:00.5" (seconds rounded); a text that is none stays a text.
SheetCell isoDateTime(QStringView value);

// Puts a non-empty cell in its column (0 for the first), with empty cells in
// the gap before it.
void place(QList<SheetCell> &cells, int column, const SheetCell &cell);

} // namespace SheetCells
