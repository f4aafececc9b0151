#pragma once

#include "sheet/SheetPackage.h"
#include "sheet/SheetWriter.h"

#include <QXmlStreamWriter>

// The shared part of the .xlsx and .ods writers: the package, the sheet's
// XML written into one of its entries as the rows come, and the end of both.
class PackageTableWriter : public SheetTableWriter
{
public:
    bool finish() override;
    QString error() const override { return m_error; }

protected:
    explicit PackageTableWriter(QIODevice &out)
        : m_package(out)
    { }

    SheetPackageWriter m_package;
    QXmlStreamWriter m_xml;
    bool m_started = false; // the header is written and the sheet's entry open
    QString m_error;

private:
    bool finishPackage();
};
