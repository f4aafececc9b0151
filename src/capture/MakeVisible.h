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
struct MakeVisibleForm
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
extern const MakeVisibleForm MakeVisibleT01M;
extern const MakeVisibleForm MakeVisibleT02M;

const MakeVisibleForm &makeVisibleFormFor(FormKind kind);

// Shows, hides, fills and clears the controls of one capture window by the
// selected intention, fragment and antenna settings. It is built once the
// window's controls exist and connects itself to the options and the two
// antenna lists.
//
// The operations carry the names used throughout the program's design
// (HideFrameA11, ClearForNextNtc, ...). Hiding never changes a control's
// content: a hidden box keeps its text until a clear empties it.
class MakeVisible : public QObject
{
public:
    MakeVisible(CaptureWindow &window, const MakeVisibleForm &form);

    void HideFrameA11();
    void ShowFrameA11();
    void HideFrameTrg();
    void ShowFrameTrg();
    void HideFrame9NH();
    void ShowFrame9NH();
    void HideFrame9NV();
    void ShowFrame9NV();

    // The station items: the Article 11, attenuation, effective height and
    // coordination frames and the identification, site, technical and
    // antenna items of the notice with their labels.
    void HideNtcItems();
    void ShowNtcItems();
    // Every station item and the target frame.
    void ShowAll();

    // Shows the attenuation tables that the directivity and polarization call for.
    void SetAntennaFrames();

    void ClearNtcItems();
    void ClearIntAndItems();
    void ClearA11Items();
    void ClearTrgItems();
    void Clear9NH();
    void Clear9NV();
    void Clear9EC();
    // The partial clear between notices: keeps the date of notification, the
    // fragment and the notifying administration; shows every frame and item.
    void ClearForNextNtc();
    // Unselects the fragment and empties the date of notification.
    void ClearDateFrg();

    // Ticks both check boxes and fills the drop-down lists; once, at set-up.
    void InitControls();
    // The full clear (the Reset button): the partial clear, then date and fragment.
    void Reset();

    // The screen after a notice has been saved: the partial clear while
    // ChkClearFields is ticked, the full clear otherwise; the focus on the day
    // of the notification date; the Article 11 frame only for an Article 11
    // notice.
    void ClearAfterSave();

    // Whether the operator has typed anything that the partial clear would
    // empty: text in one of its boxes, or one of its lists off the empty
    // entry. The date of notification, the fragment and the notifying
    // administration, which the partial clear keeps, do not count.
    bool holdsTypedData() const;

    // Handlers of the operator's choices.
    void OptInt_Add_Click();
    void OptInt_Mod_Click();
    void OptInt_Sup_Click();
    void OptInt_Wdraw_Click();
    // The first fragment option: OptFrg_Ge84 on T01, OptFrg_Ge89 on T02.
    void OptFrg_First_Click();
    void OptFrg_St61_Click();
    void OptFrg_A11_Click();
    void Combo_9_AntDir_Click();
    void Combo_9D_Polariz_Click();

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
    const MakeVisibleForm &m_form;
    // The station items other than the three frames that have operations of their own.
    QStringList m_otherStationItems;
};
