#pragma once

#include "notice/NoticeFileChecker.h"
#include "notice/NoticeKeys.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

// The notices of a file as rows of named cells, for spreadsheets: each column
// is a key of the notice file, so that the header row reads as the file does.
//   - "t_adm": the notifying administration of the file's HEAD, on every row;
//   - a key of the NOTICE section as written: "Notice No", "t_site_name"...;
//   - a key inside a sub-section, after its section's tag and a slash:
//     "ANT_HGT/t_eff_hgt@azm10", "ANT_DIAGR_H/t_attn@azm10",
//     "ANT_DIAGR_V/t_attn@azm10";
//   - the coordinated administrations, one column each, numbered from 1 in
//     their order: "COORDINATION/t_adm/1" to "COORDINATION/t_adm/12".
// "Notice No" and "t_notice_type" are written by the program from the
// notice's place and intention: they are exported, and read back only to be
// ignored.
namespace NoticeColumns {

using Cell = QPair<QString, QString>; // column, value
using Cells = QList<Cell>;

extern const QString AdministrationColumn; // "t_adm"

// The cells of one notice of a file with that HEAD administration, in the
// writer's order.
Cells cellsOf(const ParsedNotice &notice, const QString &adm);

// Where a column stands in the writer's order; nothing for a column that is no
// key of the notice file.
std::optional<int> rankOf(const QString &column);

// The key of the notice file that a column holds ("t_long", "t_attn@azm" for
// "ANT_DIAGR_H/t_attn@azm10", "t_adm" for "COORDINATION/t_adm/3"); nothing
// for a column that is no key of the notice file.
std::optional<NoticeKeys::Key> keyOf(const QString &column);

// Whether the column is written by the program and ignored when read.
bool isDerived(const QString &column);

// The NOTICE section that cells describe, as the checker would have read it,
// and the HEAD administration they name. Empty cells count as absent. Fails,
// naming the column, on a column that is no key of the notice file.
struct Notice
{
    ParsedNotice notice;
    QString adm;
};
std::optional<Notice> noticeOf(const Cells &cells, QString *fault);

} // namespace NoticeColumns
