#pragma once

#include "NoticeRecord.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// The text of the electronic notice file, piece by piece. Each piece is one
// text that the saving code writes followed by one line end; inside a piece,
// lines are separated by CR LF. The TAIL piece is Formatting::makeTail.

// The three header lines that open a file:
//   "File captured on " + date + "-" + time
//   "Processed by " + userName
//   "Program Id: " + versionLabel
// The date is the locale's short date format with a four-digit year, the time
// is HH:mm:ss on the 24-hour clock.
QStringList makeHeaderLines(const QDateTime &moment, const QString &userName, const QString &versionLabel,
                            const QLocale &locale = QLocale::system());

// The HEAD section: "<HEAD>", "t_adm = " + adm, "</HEAD>", without a final
// line end.
QString makeHeadSection(const QString &adm);

// The NOTICE section of a record, carrying the running number of the notice in
// its file (1 for the first), without a final line end.
QString makeNoticeSection(const NoticeRecord &record, qint32 noticeNumber);

// The same NOTICE section as the file holds it, followed by its line end,
// appended to bytes: encoded to the text file encoding as it is built, in one
// pass, byte for byte what writing makeNoticeSection as a line writes. False
// when a character of the record has no byte in that encoding; what was
// appended is then not to be written (makeNoticeSection and TextFile's
// writeLine name the character).
bool appendNoticeSectionLine(QByteArray &bytes, const NoticeRecord &record, qint32 noticeNumber);
