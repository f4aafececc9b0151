#include "sheet/PackageTableWriter.h"

#include "sheet/SheetFaults.h"

bool PackageTableWriter::finish()
{
    if (!m_started)
        writeHeader({}, {});
    if (!m_started) // the package could not be started: its fault tells why
        return finishPackage();
    if (!m_error.isEmpty())
        return false;
    m_xml.writeEndDocument(); // closes every element still open
    if (m_xml.hasError() && m_package.error().isEmpty()) {
        m_error = SheetFaults::cannotWrite(*m_xml.device());
        return false;
    }
    return finishPackage();
}

bool PackageTableWriter::finishPackage()
{
    const bool finished = m_package.finish();
    m_error = m_package.error();
    return finished;
}
