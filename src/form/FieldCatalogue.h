#pragma once

#include "form/ControlNames.h"
#include "form/Language.h"
#include "form/Twips.h"
#include "notice/FormKind.h"
#include "notice/NoticeRecord.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <initializer_list>
#include <limits>

struct FieldRule;

// The field catalogue: every control of the two capture windows described
// once, with everything the program knows about it: where it sits, its tab
// index on each form, its texts in three languages, the rule checked when the
// operator leaves it, whether typed letters become capitals, which clear
// empties it and whether it is hidden with the station items, and the field of
// the notice record that it feeds. The window, the show/hide/clear rules, the
// field rules, the key filter, the captions and the binding between the screen
// and the record all read their facts from here.
//
// To add a control: one row in NoticeFrameCatalogue.cpp (the controls inside
// the notice frame) or WindowCatalogue.cpp (the rest of the window), and its
// name in ControlNames.h.

enum class ControlKind { Frame, Label, TextBox, DropDownList, OptionButton, CheckBox, CommandButton };

// Presentation classes of the controls. Point sizes are those of the form
// design: the window font is 8.25 pt sans serif, small labels 6.75 pt serif.
enum class Look {
    Default,          // window font, black
    ItemNumberLabel,  // 6.75 pt serif, blue: "1A", "9EB", "0-4C"
    SmallLabel,       // 6.75 pt serif, black: unit labels and the other small labels
    CaptionLabel,     // 8.25 pt sans serif, black
    BlueCaptionLabel, // 8.25 pt sans serif, blue: the heading of the coordination row
    RedFrame,         // frame with a red 8.25 pt caption
    AzimuthFrame,     // frame with a blue 6.75 pt caption centred in its top edge
    DarkRedBoldLabel, // 8.25 pt bold sans serif, dark red (192, 0, 0), centred
    OptionButton      // 6 pt serif
};

constexpr int ClientWidthTwips = 15240;
constexpr int ClientHeightTwips = 10110;

// Which clear empties a control (a text box, a list put back on its empty
// entry, an option unselected).
enum class ClearGroup {
    None,              // never cleared by the program
    NoticeItems,       // the station's items, remarks and coordination
    Article11,         // the Article 11 frame's boxes
    Target,            // the target assignment
    EffectiveHeights,  // the 9EC table
    HorizontalPattern, // the 9NH table
    VerticalPattern,   // the 9NV table
    NotificationDate,  // the three boxes of the date of notification
    Intention,         // the intention options
    Fragment,          // the fragment options
};

// Texts of a control in the three languages; all null when it has none.
struct Texts
{
    std::array<const char16_t *, 3> texts{};

    bool isEmpty() const { return texts[0] == nullptr; }
    QString in(Language language) const;
};

// How a box, list or option feeds the notice record, read by the screen
// binding in both directions (screen to record and back).
enum class BindingKind {
    None,         // feeds nothing
    Text,         // a text field of the record
    DatePart,     // one of the three boxes joined into a date field
    Hours,        // one end of the operating hours, padded to four digits
    TargetText,   // an item of the target assignment
    Coordination, // one of the twelve coordinated administrations
    Azimuth,      // one entry of an azimuth table
    Intention,    // an intention option: the action it writes
    Fragment,     // a fragment option: the fragment it writes
};

// When a box is read.
enum class Reading {
    Always,     // for every intention
    ForStation, // not for a suppression or withdrawal, which carry no station items
};

// Whether a text box's text reaches its field.
enum class Condition {
    IfGiven,        // only when the box is not empty
    EvenEmpty,      // always, an empty text included
    WithHorizontal, // only when not empty and the polarization is "H" or "M"
    WithVertical,   // only when not empty and the polarization is "V" or "M"
    // An antenna pattern: only when not empty, the antenna is directional
    // ("D") and the polarization has that component.
    PatternHorizontal,
    PatternVertical,
};

enum class DatePart { Year, Month, Day };

// The part of an item that one of its boxes holds, where the item's texts do
// not tell it: it ends the box's accessible name.
enum class NamePart { None, Degrees, Minutes, Seconds, Hemisphere };

struct Binding
{
    BindingKind kind = BindingKind::None;
    Reading reading = Reading::ForStation;
    Condition condition = Condition::IfGiven;
    qint16 padWidth = 0;                              // zero padding of the text, 0 for none
    QString NoticeRecord::*field = nullptr;           // Text, DatePart; TargetText: the own item it identifies
    QString TargetAssignment::*targetField = nullptr; // TargetText
    QString OperatingHours::*hoursField = nullptr;    // Hours
    AzimuthTable NoticeRecord::*table = nullptr;      // Azimuth
    DatePart part = DatePart::Year;                   // DatePart
    int index = 0;                                    // Coordination: box 1 to 12; Azimuth: entry 0 to 35
    const char *code = nullptr;                       // Intention, Fragment: the text written
};

// One control of one form, as the window builds it.
struct ControlSpec
{
    QString name; // the control's objectName
    ControlKind kind = ControlKind::Label;
    QString parent;                               // the frame that holds it; empty for the window itself
    int left = 0, top = 0, width = 0, height = 0; // twips, relative to the parent
    int maxLength = 0;                            // 0 = no maximum
    int tabIndex = -1;                            // -1 for labels and frames, which never take the focus
    QString text;                                 // design-time caption (labels, frames, buttons, options, check boxes)
    Look look = Look::Default;
    Forms forms = Forms::Both;
    QString toolTip;     // design-time tool tip, e.g. "0°" on an azimuth box
    QStringList entries; // a drop-down list's entries, the empty one first

    Texts captions; // the caption in the interface language, when it has one
    Texts toolTips; // the tool tip in the interface language, when it has one
    // The accessible name of an input is made of the texts of the labels or
    // frame that name it, then its tool tip, then the part it holds; a
    // control with names of its own (a frame without caption) takes those.
    QStringList namedBy;
    NamePart part = NamePart::None;
    const char *spokenName = nullptr; // a name of its own, translated in the context "SpokenWords"
    ClearGroup clear = ClearGroup::None;
    bool hiddenWithStation = false;  // hidden for a suppression or withdrawal
    bool capitals = false;           // typed letters become capitals
    const FieldRule *rule = nullptr; // checked when the operator leaves the box
    Binding binding;

    // Position and size in device-independent pixels.
    QRect pixelRect() const;
};

// The controls of one form, parents before their children: frames, then the
// controls that take the focus in tab order, then the labels.
const QList<ControlSpec> &controlTable(FormKind kind);

// The control of that name on that form; nullptr when the form has none.
const ControlSpec *findControl(FormKind kind, const QString &name);

// The names of the form's controls that one clear empties, in table order.
QStringList namesIn(FormKind kind, ClearGroup group);

// The form's controls hidden with the station items.
QStringList namesHiddenWithStation(FormKind kind);

// The boxes of that form whose typed letters become capitals.
QStringList capitalLetterBoxes(FormKind kind);

// What a screen reader says for a control of the form, in the language: for a
// box or list, the texts that name it on the screen and its tool tip, as
// "4A Name of the location of the transmitting station" or "Date of
// Notification [Day]"; the names of its own for a frame that has them; empty
// for the rest, which speak their own captions. The catalogue's texts come in
// the language; the words the program adds for a part ("[Day]", "[degrees]")
// come in the language installed, which callers install first.
QString accessibleName(FormKind kind, const ControlSpec &control, Language language);

// "FmFrmT01M" or "TvFrmT02M".
QString windowObjectName(FormKind kind);
// The window title as designed, and in each language; the version label
// completes it during set-up.
QString designTimeTitle(FormKind kind);
QString windowTitle(FormKind kind, Language language);

// ---- Writing the catalogue ---------------------------------------------------
// The rows below are written in NoticeFrameCatalogue.cpp and WindowCatalogue.cpp
// and resolved per form in FieldCatalogue.cpp.

namespace catalogue {

constexpr int Same = std::numeric_limits<int>::min();

// Labels are placed against a control (just above it, or to its right) or at
// a position of their own inside a frame or the window.
enum class Place { At, Above, RightOf };

struct Row
{
    ControlSpec spec; // with the T01 values where the forms differ
    int t02TabIndex = Same;
    int t02Left = Same;
    int t02Top = Same;
    Place place = Place::At;
    QString reference; // the control a label is placed against
    bool hasT02Text = false;
    QString t02Text; // the design-time caption on T02, when it differs

    Row &tab(int both);
    Row &tab(int onT01, int onT02);
    Row &on(Forms forms);
    Row &atOnT02(int left, int top);
    Row &textOnT02(const QString &text);
    Row &rule(const FieldRule &rule);
    Row &capitals();
    Row &clears(ClearGroup group);
    Row &hiddenWithStation();
    Row &entries(const QStringList &entries);
    Row &binds(const Binding &binding);
    Row &caption(const char16_t *english, const char16_t *french, const char16_t *spanish);
    Row &tip(const char16_t *english, const char16_t *french, const char16_t *spanish);
    // The labels or frame whose texts name the control, when no label just
    // above it does; the part of the item it holds.
    Row &namedBy(std::initializer_list<QLatin1String> names, NamePart part = NamePart::None);
    // A name of its own, for a frame that shows no caption, marked for
    // translation as QT_TRANSLATE_NOOP("SpokenWords", ...).
    Row &named(const char *spokenName);
    Row &above(QLatin1String control);
    Row &rightOf(QLatin1String control);
};

constexpr int BoxHeight = 285;        // text boxes unless a row says otherwise
constexpr int ListHeight = 315;       // drop-down lists unless a row says otherwise
constexpr int SmallLabelHeight = 195; // one line of 6.75 pt text

Row frame(QLatin1String name, QLatin1String parent, int left, int top, int width, int height,
          const QString &caption = {}, Look look = Look::Default);
Row textBox(QLatin1String name, QLatin1String parent, int left, int top, int width, int maxLength,
            int height = BoxHeight);
Row list(QLatin1String name, int left, int top, int width, int height = ListHeight);
Row option(QLatin1String name, QLatin1String parent, int left, int top, int width, int height, const char *caption);
Row windowControl(QLatin1String name, ControlKind kind, int left, int top, int width, int height,
                  const char *caption = "");
// A label at a place of its own; above() or rightOf() place it against a control.
Row label(QLatin1String name, const char *text, Look look = Look::ItemNumberLabel);
Row labelAt(QLatin1String name, const char *text, QLatin1String parent, Look look, int left, int top, int width,
            int height = SmallLabelHeight);

// Bindings.
Binding text(QString NoticeRecord::*field, Reading reading = Reading::ForStation,
             Condition condition = Condition::IfGiven, qint16 padWidth = 0);
Binding datePart(QString NoticeRecord::*field, DatePart part, Reading reading);
Binding hours(QString OperatingHours::*field);
Binding target(QString TargetAssignment::*field, QString NoticeRecord::*own, qint16 padWidth = 0);
Binding intention(const char *action);
Binding fragment(const char *code);

// The rows of the notice frame (NoticeFrameCatalogue.cpp) and of the rest of
// the window (WindowCatalogue.cpp), parents before children.
QList<Row> noticeFrameRows();
QList<Row> windowRows();

// The window's own row: its name, design title and titles in three languages.
struct WindowRow
{
    QLatin1String name;
    const char *designTitle;
    Texts titles;
};
const WindowRow &windowRow(FormKind kind);

} // namespace catalogue
