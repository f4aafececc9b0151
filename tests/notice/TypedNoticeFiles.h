#pragma once

// Notice files typed line by line for the tests of the checker and of
// notice-check: one T01 notice as a capture run writes it, a few other
// notices, and the edits that make a fault out of a sound file.

#include "notice/NoticeFileChecker.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A file made of these lines, each followed by CR LF.
inline QByteArray fileOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// One T01 notice as a capture run writes it, typed line by line; the last
// line is the empty one after the TAIL.
inline QStringList oneNotice()
{
    return {
        "File captured on 07.12.2005-14:03:27",                    // 1
        "Processed by operator",                                   // 2
        "Program Id:  Norvane Analog Version 1.61 / 12.12.2005",   // 3
        "<HEAD>",                                                  // 4
        "t_adm = F",                                               // 5
        "</HEAD>",                                                 // 6
        "<NOTICE>",                                                // 7
        "Notice No = 1",                                           // 8
        "t_notice_type = T01",                                     // 9
        "t_d_adm_ntc = 2005-12-07",                                // 10
        "t_fragment = GE84",                                       // 11
        "t_action = ADD",                                          // 12
        "t_site_name = MONTMARTRE",                                // 13
        "t_ctry = F",                                              // 14
        "t_freq_assgn = 98.5",                                     // 15
        "t_long = +0022030",                                       // 16
        "t_lat = +485310",                                         // 17
        "t_polar = H",                                             // 18
        "t_erp_h_dbw = 40",                                        // 19
        "t_tran_sys = 4",                                          // 20
        "t_bdwdth = 180",                                          // 21
        "t_hgt_agl = 150",                                         // 22
        "t_eff_hgtmax = 320",                                      // 23
        "<ANT_HGT>",                                               // 24
        "t_eff_hgt@azm0 = 300",                                    // 25
        "t_eff_hgt@azm10 = 310",                                   // 26
        "</ANT_HGT>",                                              // 27
        "</NOTICE>",                                               // 28
        "<TAIL>",                                                  // 29
        "t_num_notices = 1",                                       // 30
        "</TAIL>",                                                 // 31
        "",                                                        // 32
    };
}

// Line n (1 for the first) of the file replaced, removed or preceded by others.
inline QStringList replaced(QStringList lines, int n, const QStringList &by)
{
    lines.remove(n - 1);
    for (int i = 0; i < by.size(); ++i)
        lines.insert(n - 1 + i, by[i]);
    return lines;
}

inline QStringList removed(const QStringList &lines, int n, int count = 1)
{
    QStringList result = lines;
    result.remove(n - 1, count);
    return result;
}

inline QStringList inserted(QStringList lines, int before, const QStringList &more)
{
    for (int i = 0; i < more.size(); ++i)
        lines.insert(before - 1 + i, more[i]);
    return lines;
}

// A file with no notice: the header lines, HEAD and the empty TAIL piece.
inline QStringList noNotice()
{
    return oneNotice().mid(0, 6) + QStringList{""};
}

// A removal notice (TB5): no station items, no antenna sections and no empty
// line for them.
inline QStringList removalNotice(int number)
{
    return {"<NOTICE>", QString("Notice No = %1").arg(number), "t_notice_type = TB5", "t_action = SUPPRESS",
            "t_adm_ref_id = REF-7", "</NOTICE>"};
}

// A station notice without effective heights or pattern: an empty line stands
// before its end.
inline QStringList bareStation(int number)
{
    return {"<NOTICE>", QString("Notice No = %1").arg(number), "t_notice_type = T02", "t_freq_assgn = 471.25",
            "", "</NOTICE>"};
}

inline QStringList withTail(const QStringList &notices, int count)
{
    return oneNotice().mid(0, 6) + notices
           + QStringList{"<TAIL>", QString("t_num_notices = %1").arg(count), "</TAIL>", ""};
}

// The faults found in a file, "LINE: message" each.
inline QStringList faultTexts(const ParsedNoticeFile &parsed)
{
    QStringList texts;
    for (const NoticeFileFault &fault : parsed.faults)
        texts.append(QString("%1: %2").arg(fault.line).arg(fault.message));
    return texts;
}
