#pragma once

#include "form/Language.h"
#include "notice/FormKind.h"
#include "notice/NoticeFileChecker.h"

#include <QCoreApplication>
#include <QString>

// What the report says about each line of a notice: the item's number and
// description as the capture form names the box it is typed in ("1A Assigned
// frequency [MHz]", in the report's language), and the value as a reader
// wants it (coordinates in degrees, minutes and seconds).
class ReportItems
{
    Q_DECLARE_TR_FUNCTIONS(ReportItems)

public:
    // The form whose boxes describe the notice: T02 for a television
    // notice, T01 otherwise (a suppression or withdrawal names the same
    // boxes on both forms).
    static FormKind formOf(const ParsedNotice &notice);

    // The description of a key of the NOTICE section.
    static QString description(NoticeKeys::Key key, FormKind kind, Language language);

    // The value of a key line as printed: a longitude "+0022030" as
    // 2°20'30" E, a latitude "+485310" as 48°53'10" N; any other value, or a
    // coordinate not written as the writer writes it, as it stands.
    static QString printedValue(NoticeKeys::Key key, const QString &value);
};
