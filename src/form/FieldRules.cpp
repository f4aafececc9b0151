#include "form/FieldRules.h"

#include "form/FieldCatalogue.h"
#include "notice/FieldChecks.h"

#include <QHash>

namespace Rule {
namespace {

const QString MustBeNumerical = QStringLiteral("Value must be numerical");
const QString OnlyCharacters = QStringLiteral("Value must have only characters");

const QString TargetLatitude = QStringLiteral("Prevalidation Error - Latitude of target");
const QString TargetLongitude = QStringLiteral("Prevalidation Error - Longitude of target");
const QString SiteLatitude = QStringLiteral("Prevalidation Error - Latitude");
const QString SiteLongitude = QStringLiteral("Prevalidation Error - Longitude");
const QString InUseDate = QStringLiteral("Prevalidation Error - Date of bringing into use");

FieldRule simple(RuleKind kind, const QString &message, const char *title)
{
    FieldRule rule;
    rule.kind = kind;
    rule.message = message;
    rule.title = QString::fromUtf8(title);
    return rule;
}

FieldRule numeric(const char *title)
{
    return simple(RuleKind::Numeric, MustBeNumerical, title);
}

FieldRule bounded(double upperBound, bool included, const char *message, const QString &title)
{
    FieldRule rule = simple(RuleKind::BoundedNumber, QString::fromUtf8(message), "");
    rule.title = title;
    rule.upperBound = upperBound;
    rule.upperBoundIncluded = included;
    return rule;
}

FieldRule hemisphere(bool (*letterCheck)(const QString &), const char *message, const QString &title)
{
    FieldRule rule = simple(RuleKind::Hemisphere, QString::fromUtf8(message), "");
    rule.title = title;
    rule.letterCheck = letterCheck;
    return rule;
}

enum class Beep { No, Yes };

FieldRule whole(bool (*wholeCheck)(qint16), const char *message, const QString &title, Beep beep = Beep::No)
{
    FieldRule rule = simple(RuleKind::WholeNumber, QString::fromUtf8(message), "");
    rule.title = title;
    rule.wholeCheck = wholeCheck;
    rule.beepsOnFailure = beep == Beep::Yes;
    return rule;
}

using namespace FieldChecks;

} // namespace

const FieldRule NoticeDay = whole(isValidDay, "Value should be between [1,31]",
                                  QStringLiteral("Prevalidation Error - Date (day)"), Beep::Yes);
const FieldRule NoticeMonth
    = whole(isValidMonth, "Value should be between [1,12]", QStringLiteral("Prevalidation Error - Date (month)"));
const FieldRule NoticeYear
    = whole(isValidNoticeYear, "Invalid year in date of notice", QStringLiteral("Prevalidation Error - Date (year)"));
const FieldRule NotifyingAdministration
    = simple(RuleKind::NoDigit, OnlyCharacters, "Prevalidation Error - Notifying administration");
const FieldRule GeographicalArea = simple(RuleKind::NoDigit, OnlyCharacters, "Prevalidation Error - Geographical Area");
const FieldRule TargetFrequency = numeric("Prevalidation Error / 0-1a Target frequency");
const FieldRule AssignedFrequency = numeric("Prevalidation Error - 1a Assigned frequency");

const FieldRule TargetLatitudeDegrees = bounded(90, true, "Value must be between [0,90]", TargetLatitude);
const FieldRule TargetLatitudeMinutes = bounded(60, false, "Value must be between [0,59]", TargetLatitude);
const FieldRule TargetNorthSouth = hemisphere(isNorthSouth, "Value can only be N or S", TargetLatitude);
const FieldRule TargetLongitudeDegrees = bounded(180, true, "Value must be between [0,180]", TargetLongitude);
const FieldRule TargetLongitudeMinutes = bounded(60, false, "Value must be between [0,59]", TargetLongitude);
const FieldRule TargetEastWest = hemisphere(isEastWest, "Value can only be E or W", TargetLongitude);

const FieldRule SiteLatitudeDegrees = bounded(90, true, "Value must be between [0,90]", SiteLatitude);
const FieldRule SiteLatitudeMinutes = bounded(60, false, "Value must be between [0,59]", SiteLatitude);
const FieldRule SiteNorthSouth = hemisphere(isNorthSouth, "Value can only be N or S", SiteLatitude);
const FieldRule SiteLongitudeDegrees = bounded(180, true, "Value must be between [0,180]", SiteLongitude);
const FieldRule SiteLongitudeMinutes = bounded(60, false, "Value must be between [0,59]", SiteLongitude);
const FieldRule SiteEastWest = hemisphere(isEastWest, "Value can only be E or W", SiteLongitude);

const FieldRule SiteAltitude = numeric("Prevalidation Error - Site altitude");
const FieldRule Bandwidth = numeric("Prevalidation Error - Necessary  Bandwidth");
const FieldRule TransmissionSystem = numeric("Prevalidation Error - Transmission System");
const FieldRule RadiatedPower = numeric("Prevalidation Error - Radiated power");
const FieldRule PowerRatio = numeric("Prevalidation Error - Vision/sound power ratio");
const FieldRule FrequencyOffset = numeric("Prevalidation Error - Frequency offset");
const FieldRule AntennaHeight = numeric("Prevalidation Error - Height of antenna");
const FieldRule MaxEffectiveHeight = numeric("Prevalidation Error - Max effective Ant. height");

const FieldRule OperatingHours
    = whole(isValidHours, "Value must be between [0000,2400]", QStringLiteral("Prevalidation Error - Operating hours"));
const FieldRule OperatingAgency = numeric("Prevalidation Error - Operating agency");
const FieldRule ResponsibleAdministration
    = simple(RuleKind::NotNumeric, OnlyCharacters, "Prevalidation Error - responsible Administration");
const FieldRule InUseDay = whole(isValidDay, "Value should be between [1,31]", InUseDate, Beep::Yes);
const FieldRule InUseMonth = whole(isValidMonth, "Value should be between [1,12]", InUseDate);
const FieldRule InUseYear
    = whole(isValidInUseYear, "The year must be entered as YYYY and must be after 2000", InUseDate);

const FieldRule CoordinationAdministration
    = simple(RuleKind::NotNumeric, OnlyCharacters, "Prevalidation Error - Coordination Adm code");
const FieldRule EffectiveHeight = numeric("Prevalidation Error - Eff. ant. height");
// The one box of the effective heights whose title differs from the rest.
const FieldRule EffectiveHeightAt260 = numeric("Prevalidation Error - Eff.ant.Height");
const FieldRule HorizontalAttenuation = numeric("Prevalidation Error - Attenuation (H)");
const FieldRule VerticalAttenuation = numeric("Prevalidation Error - Attenuation (V)");

} // namespace Rule

namespace {

struct FormRules
{
    QList<FieldRule> rules;
    QHash<QString, qsizetype> indexByName;
};

FormRules buildRules(FormKind kind)
{
    FormRules result;
    for (const ControlSpec &control : controlTable(kind)) {
        if (!control.rule)
            continue;
        FieldRule rule = *control.rule;
        rule.controlName = control.name;
        result.indexByName.insert(control.name, result.rules.size());
        result.rules.append(rule);
    }
    return result;
}

const FormRules &formRules(FormKind kind)
{
    static const FormRules t01 = buildRules(FormKind::T01);
    static const FormRules t02 = buildRules(FormKind::T02);
    return kind == FormKind::T02 ? t02 : t01;
}

} // namespace

const QList<FieldRule> &fieldRules(FormKind kind)
{
    return formRules(kind).rules;
}

const FieldRule *ruleFor(FormKind kind, const QString &controlName)
{
    const FormRules &rules = formRules(kind);
    const auto found = rules.indexByName.constFind(controlName);
    if (found == rules.indexByName.constEnd())
        return nullptr;
    return &rules.rules.at(found.value());
}

bool passesRule(const FieldRule &rule, const QString &text)
{
    switch (rule.kind) {
    case RuleKind::Numeric: return FieldChecks::isNumeric(text);
    case RuleKind::NotNumeric: return !FieldChecks::isNumeric(text);
    case RuleKind::NoDigit: return FieldChecks::hasNoDigit(text);
    case RuleKind::Hemisphere: return rule.letterCheck(text) && !FieldChecks::isNumeric(text);
    case RuleKind::BoundedNumber: {
        if (!FieldChecks::isNumeric(text))
            return false;
        const double value = FieldChecks::leadingValue(text);
        if (value < 0.0)
            return false;
        return rule.upperBoundIncluded ? value <= rule.upperBound : value < rule.upperBound;
    }
    case RuleKind::WholeNumber: {
        if (!FieldChecks::isNumeric(text))
            return false;
        // A value beyond 16 bits cannot be a day, month, hour or year: it fails
        // the rule like any other wrong value.
        const std::optional<qint16> value = FieldChecks::wholeValue(text);
        return value && rule.wholeCheck(*value);
    }
    }
    return false;
}

bool acceptsText(const FieldRule &rule, const QString &text, bool validationOn)
{
    if (!validationOn)
        return true;
    if (text.isEmpty())
        return true;
    return passesRule(rule, text);
}
