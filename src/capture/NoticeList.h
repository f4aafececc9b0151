#pragma once

#include "form/Language.h"

#include <QStringList>
#include <QTreeWidget>

// The notices of a capture window's file, one row each (number, notice type,
// action, fragment, frequency, site name, as notice-check --list prints
// them): those the file held when it was opened and those saved since. It
// stands to the right of the form, outside the form's own area. Double-click
// or Enter on a row chooses that notice for correction.
class NoticeList : public QTreeWidget
{
    Q_OBJECT

public:
    NoticeList(Language language, QWidget *parent);

    // Sets the rows from fromNumber on to the summaries (tab-separated items,
    // one per notice, in number order); rows before it are left as they are.
    void update(const QStringList &summaries, int fromNumber);

Q_SIGNALS:
    void noticeChosen(int number);
};
