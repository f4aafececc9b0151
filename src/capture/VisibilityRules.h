#pragma once

#include "notice/FormKind.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CaptureWindow;
class QWidget;

// A drop-down list and the entries it holds, entry 0 (the empty one) first.
struct ListEntries
{
    QString list;
    QStringList entries;
};

// What the show/hide/clear rules need to know about one capture form: the
// controls that only that form has. Everything else is the same on both.
struct VisibilityForm
{
    FormKind kind;
    QString firstFragmentOption;     // OptFrg_Ge84 or OptFrg_Ge89
    QStringList row4EntryControls;   // technical items of row 4, shown and hidden with the station
    QStringList row4Labels;          // their labels
    QStringList row4BoxesToEmpty;    // row-4 text boxes emptied between notices
    QStringList row4ListsToReset;    // row-4 lists put back on their empty entry
    QList<ListEntries> listsToFill;  // filled once when the window is set up, in this order
};

// The rules of the T01 window (FmFrmT01M) and of the T02 window (TvFrmT02M).
extern const VisibilityForm VisibilityT01;
extern const VisibilityForm VisibilityT02;

const VisibilityForm &visibilityFormFor(FormKind kind);

// Shows, hides, fills and clears the controls of one capture window by the
// selected intention, fragment and antenna settings. It is built once the
// window's controls exist and connects itself to the options and the two
// antenna lists.
//
// The operations carry the names used throughout the program's design
// (hideFrameA11, clearForNextNotice, ...). Hiding never changes a control's
// content: a hidden box keeps its text until a clear empties it.
class VisibilityRules : public QObject
{
public:
    VisibilityRules(CaptureWindow &window, const VisibilityForm &form);

    void hideFrameA11();
    void showFrameA11();
    void hideFrameTrg();
    void showFrameTrg();
    void hideFrame9NH();
    void showFrame9NH();
    void hideFrame9NV();
    void showFrame9NV();

    // The station items: the Article 11, attenuation, effective height and
    // coordination frames and the identification, site, technical and
    // antenna items of the notice with their labels.
    void hideNoticeItems();
    void showNoticeItems();
    // Every station item and the target frame.
    void showAll();

    // Shows the attenuation tables that the directivity and polarization call for.
    void setAntennaFrames();

    void clearNoticeItems();
    void clearIntentionAndItems();
    void clearArticle11Items();
    void clearTargetItems();
    void clearHorizontalPattern();
    void clearVerticalPattern();
    void clearEffectiveHeights();
    // The partial clear between notices: keeps the date of notification, the
    // fragment and the notifying administration; shows every frame and item.
    void clearForNextNotice();
    // Unselects the fragment and empties the date of notification.
    void clearDateAndFragment();

    // Ticks both check boxes and fills the drop-down lists; once, at set-up.
    void initControls();
    // The full clear (the Reset button): the partial clear, then date and fragment.
    void Reset();

    // The screen after a notice has been saved: the partial clear while
    // ChkClearFields is ticked, the full clear otherwise; the focus on the day
    // of the notification date; the Article 11 frame only for an Article 11
    // notice.
    void clearAfterSave();

    // Whether the operator has typed anything that the partial clear would
    // empty: text in one of its boxes, or one of its lists off the empty
    // entry. The date of notification, the fragment and the notifying
    // administration, which the partial clear keeps, do not count.
    bool holdsTypedData() const;

    // Handlers of the operator's choices.
    void addChosen();
    void modifyChosen();
    void suppressChosen();
    void withdrawChosen();
    // The first fragment option: OptFrg_Ge84 on T01, OptFrg_Ge89 on T02.
    void firstFragmentChosen();
    void st61Chosen();
    void article11Chosen();
    void directivityChosen();
    void polarizationChosen();

private:
    void connectHandlers();
    QWidget *widget(const QString &name) const;
    bool isSelected(const QString &option) const;
    void setShown(const QString &name, bool shown);
    void setShown(const QStringList &names, bool shown);
    void emptyBoxes(const QStringList &names);
    void resetLists(const QStringList &names);
    // Whether the fragment selected hides the Article 11 frame (first or ST61).
    bool isNonArticle11FragmentSelected() const;
    // What the partial clear empties: its text boxes, and its lists.
    QStringList boxesEmptiedForNextNotice() const;
    QStringList listsResetForNextNotice() const;

    CaptureWindow &m_window;
    const VisibilityForm &m_form;
    // The station items other than the three frames that have operations of their own.
    QStringList m_otherStationItems;
};
