#pragma once

#include "form/Language.h"

#include <QStringList>

#include <QTreeWidget>
#include <functional>

// The notices of a capture window's file, one row each (number, notice type,
// action, fragment, frequency, site name, as notice-check --list prints
// them): those the file held when it was opened and those saved since. It
// stands to the right of the form, outside the form's own area. Double-click
// or Enter on a row chooses that notice for correction.
//
// The rows follow the file while the list is shown; a hidden list (a window
// that imports or plays a script) only notes where its rows went stale and
// catches up when it is shown, so a long unattended run does not pay for a
// list nobody sees.
class NoticeList : public QTreeWidget
{
    Q_OBJECT

public:
    // summaries gives the notices' lines (tab-separated items, one per
    // notice, in number order) whenever the list needs them.
    NoticeList(Language language, std::function<const QStringList &()> summaries, QWidget *parent);

    // The notices from fromNumber on have changed; rows before it are left
    // as they are.
    void noticesChanged(int fromNumber);
    // Brings the rows up to date now, as showing the list does: for a
    // picture of a window that is drawn without being shown.
    void updateStaleRows();

Q_SIGNALS:
    void noticeChosen(int number);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void updateRows(int fromNumber);

    std::function<const QStringList &()> m_summaries;
    int m_staleFrom = 0; // the first row not yet updated; 0 when none
};
