#pragma once

#include "notice/FormKind.h"

#include <QObject>
#include <QString>
#include <QStringList>

class FormControls;
class QWidget;
enum class ClearGroup;

// Shows, hides, fills and clears the controls of one capture window by the
// selected intention, fragment and antenna settings. It is built once the
// window's controls exist and connects itself to the options and the two
// antenna lists; the window runs reset() for its Reset button. Which controls each clear empties and
// which are hidden with the station items is read from the field catalogue.
//
// Hiding never changes a control's content: a hidden box keeps its text until
// a clear empties it.
class VisibilityRules : public QObject
{
public:
    explicit VisibilityRules(FormControls &controls);

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
    void reset();

    // The frames a screen filled by the program calls for: the attenuation
    // tables of its antenna settings, the Article 11 frame only for an
    // Article 11 notice.
    void showFramesForScreen();

    // The screen after a notice has been saved: the partial clear while
    // ChkClearFields is ticked, the full clear otherwise; the Article 11 frame
    // only for an Article 11 notice; the focus on the first empty box, which
    // is the day of the notification date unless the date was carried over.
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
    // Empties the boxes, resets the lists and unselects the options of one clear group.
    void clear(ClearGroup group);
    // Whether the fragment selected hides the Article 11 frame (first or ST61).
    bool isNonArticle11FragmentSelected() const;

    FormControls &m_controls;
    QString m_firstFragmentOption; // OptFrg_Ge84 or OptFrg_Ge89
    // The station items other than the three frames that have operations of their own.
    QStringList m_otherStationItems;
};
