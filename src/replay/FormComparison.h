#pragma once

#include "form/Screen.h"
#include "form/ScreenBinding.h"
#include "notice/FormKind.h"
#include "notice/NoticeRecord.h"
#include "sheet/NoticeColumns.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// What a capture form writes from the cells of a row, and how it differs from
// them: the row put on a screen of the form as typing it would put it, then
// collected and written, and compared value by value.

// Puts texts on a screen as typing them would: capitals where the box turns
// typed letters into capitals.
class TypingWriter : public ScreenWriter
{
public:
    TypingWriter(ScreenWriter &screen, FormKind kind)
        : m_screen(screen)
        , m_kind(kind)
    { }

    bool setText(const QString &name, const QString &text) override;
    void setSelected(const QString &name, bool selected) override { m_screen.setSelected(name, selected); }

private:
    ScreenWriter &m_screen;
    FormKind m_kind;
};

// The record that the cells describe.
NoticeRecord recordOf(const NoticeColumns::Cells &cells);

// The column whose value reaches the control; empty when none does.
QString columnFeeding(const NoticeColumns::Cells &cells, FormKind kind, const QString &control);

// A cell whose value the form would not write as it stands, and why, in the
// user's words.
struct ColumnFault
{
    QString column;
    QString what;
};

struct FormComparison
{
    NoticeRecord record;                         // the record the cells describe
    NoticeRecord shown;                          // collected from the screen the cells went on
    std::optional<UnencodableField> unencodable; // a character of it no notice file holds
    QList<ColumnFault> faults;                   // in the order of the columns
};

// The cells, read for their columns, on a screen of the form and compared
// with what it writes. cellTexts holds each column's cell as the file says
// it, for the faults to quote. A value that no box takes changes what the
// others write, so it is then the only kind of fault named; a character no
// notice file holds stops the comparison, for the caller to name with its
// box.
FormComparison compareWithForm(const NoticeColumns::Cells &cells, const QHash<QString, QString> &cellTexts,
                               FormKind kind);
