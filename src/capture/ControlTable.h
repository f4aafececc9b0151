#pragma once

#include "notice/FormKind.h"
#include "form/Twips.h"

#include <QList>
#include <QRect>
#include <QString>

// The controls of the two capture windows as data: one row per control. The
// window builds itself from these rows, and later set-up steps ask them for
// "every text box", "the 108 azimuth boxes" and the like.

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

struct ControlSpec
{
    QString name;        // the control's objectName
    ControlKind kind;
    QString parent;      // the frame that holds it; empty for the window itself
    int left, top, width, height; // twips, relative to the parent
    int maxLength;       // 0 = no maximum
    int tabIndex;        // -1 for labels and frames, which never take the focus
    QString text;        // design-time caption (labels, frames, buttons, options, check boxes)
    Look look;
    Forms forms;
    QString toolTip;     // design-time tool tip, e.g. "0°" on an azimuth box

    // Position and size in device-independent pixels.
    QRect pixelRect() const;
};

// The rows of one form, parents before their children: frames, then the
// controls that take the focus in tab order, then the labels.
QList<ControlSpec> controlTable(FormKind kind);

// "FmFrmT01M" or "TvFrmT02M".
QString windowObjectName(FormKind kind);
// The window title as designed; the caption tables and the version label
// replace and complete it during set-up.
QString designTimeTitle(FormKind kind);
