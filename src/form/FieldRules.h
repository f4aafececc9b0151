#pragma once

#include "notice/FormKind.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// The checks made when the operator leaves a text box of a capture form. Each
// box that has a rule is bound to exactly one (its row of the field catalogue
// names it); the rules hold no state.

enum class RuleKind {
    Numeric,       // the text must be a number
    NotNumeric,    // the text must not be a number (letters mixed with digits pass)
    NoDigit,       // no digit anywhere in the text
    Hemisphere,    // one hemisphere letter, and not a number
    BoundedNumber, // a number from 0 up to the box's bound
    WholeNumber    // a number whose whole value passes the box's check
};

struct FieldRule
{
    QString controlName; // set in the rules of a form; empty in the definitions below
    RuleKind kind = RuleKind::Numeric;
    // BoundedNumber: the upper bound, and whether the bound itself is accepted.
    double upperBound = 0.0;
    bool upperBoundIncluded = true;
    // WholeNumber: the check of the whole value.
    bool (*wholeCheck)(qint16) = nullptr;
    // Hemisphere: the check of the letter.
    bool (*letterCheck)(const QString &) = nullptr;
    QString message;
    QString title;
    // The two day boxes sound the beep before their message.
    bool beepsOnFailure = false;
};

// The rules themselves, each with its message and the title of its message box.
namespace Rule {
extern const FieldRule NoticeDay, NoticeMonth, NoticeYear;
extern const FieldRule NotifyingAdministration, GeographicalArea;
extern const FieldRule TargetFrequency, AssignedFrequency;
extern const FieldRule TargetLatitudeDegrees, TargetLatitudeMinutes, TargetNorthSouth;
extern const FieldRule TargetLongitudeDegrees, TargetLongitudeMinutes, TargetEastWest;
extern const FieldRule SiteLatitudeDegrees, SiteLatitudeMinutes, SiteNorthSouth;
extern const FieldRule SiteLongitudeDegrees, SiteLongitudeMinutes, SiteEastWest;
extern const FieldRule SiteAltitude, Bandwidth, TransmissionSystem, RadiatedPower, PowerRatio;
extern const FieldRule FrequencyOffset, AntennaHeight, MaxEffectiveHeight;
extern const FieldRule OperatingHours, OperatingAgency, ResponsibleAdministration;
extern const FieldRule InUseDay, InUseMonth, InUseYear;
extern const FieldRule CoordinationAdministration;
extern const FieldRule EffectiveHeight, EffectiveHeightAt260, HorizontalAttenuation, VerticalAttenuation;
} // namespace Rule

// The rules of one form, one per ruled text box (157 on T01, 158 on T02), in
// the order of the form's controls.
const QList<FieldRule> &fieldRules(FormKind kind);

// The rule of a box of that form; nullptr when the box has none.
const FieldRule *ruleFor(FormKind kind, const QString &controlName);

// The test of the rule's kind alone: true when the text passes it.
bool passesRule(const FieldRule &rule, const QString &text);

// Steps 1 to 3 of every rule: true when the box may be left, that is when
// validation is off, the box is empty (blanks are not empty) or the text passes
// the rule's test. The failure itself (beep, message) is the window's to show.
bool acceptsText(const FieldRule &rule, const QString &text, bool validationOn);
