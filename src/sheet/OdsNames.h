#pragma once

#include <QString>

// The OpenDocument names that the .ods reader, the .ods writer and the
// format check share.
namespace OdsNames {

inline const QString MimeType = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");

inline const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
inline const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
inline const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
inline const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
inline const QString NumberNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
inline const QString FoNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
// LibreOffice's own attributes, such as the error value of a cell.
inline const QString CalcExtNs = QStringLiteral("urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");

} // namespace OdsNames
