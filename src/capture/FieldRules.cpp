#include "capture/FieldRules.h"

#include "capture/ControlTable.h"
#include "notice/BoxFamilies.h"
#include "notice/FieldChecks.h"
#include "platform/Alerts.h"

#include <QHash>

namespace {

using namespace BoxFamilies;

const char *const MustBeNumerical = "Value must be numerical";
const char *const OnlyCharacters = "Value must have only characters";

// One line of the rule table: a rule and the boxes it is bound to.
struct RuleRow
{
    QStringList controls;
    FieldRule rule; // everything but the control name
    Forms forms = Forms::Both;
};

RuleRow makeRow(const QStringList &controls, RuleKind kind, const char *message, const char *title)
{
    RuleRow row;
    row.controls = controls;
    row.rule.kind = kind;
    row.rule.message = QString::fromUtf8(message);
    row.rule.title = QString::fromUtf8(title);
    return row;
}

RuleRow numeric(const QStringList &controls, const char *title, Forms forms = Forms::Both)
{
    RuleRow row = makeRow(controls, RuleKind::Numeric, MustBeNumerical, title);
    row.forms = forms;
    return row;
}

RuleRow notNumeric(const QStringList &controls, const char *title)
{
    return makeRow(controls, RuleKind::NotNumeric, OnlyCharacters, title);
}

RuleRow noDigit(const QStringList &controls, const char *title)
{
    return makeRow(controls, RuleKind::NoDigit, OnlyCharacters, title);
}

RuleRow hemisphere(const QStringList &controls, bool (*letterCheck)(const QString &),
                   const char *message, const char *title)
{
    RuleRow row = makeRow(controls, RuleKind::Hemisphere, message, title);
    row.rule.letterCheck = letterCheck;
    return row;
}

enum class Bound { Included, Excluded };

RuleRow bounded(const QStringList &controls, double upperBound, Bound bound,
                const char *message, const char *title)
{
    RuleRow row = makeRow(controls, RuleKind::BoundedNumber, message, title);
    row.rule.upperBound = upperBound;
    row.rule.upperBoundIncluded = bound == Bound::Included;
    return row;
}

enum class Beep { No, Yes };

RuleRow whole(const QStringList &controls, bool (*wholeCheck)(qint16),
              const char *message, const char *title, Beep beep = Beep::No)
{
    RuleRow row = makeRow(controls, RuleKind::WholeNumber, message, title);
    row.rule.wholeCheck = wholeCheck;
    row.rule.beepsOnFailure = beep == Beep::Yes;
    return row;
}

QList<RuleRow> ruleRows()
{
    const char *const targetLatitude = "Prevalidation Error - Latitude of target";
    const char *const targetLongitude = "Prevalidation Error - Longitude of target";
    const char *const siteLatitude = "Prevalidation Error - Latitude";
    const char *const siteLongitude = "Prevalidation Error - Longitude";
    const char *const inUseDate = "Prevalidation Error - Date of bringing into use";

    return {
        whole({ "Txt_Ntc_DD" }, FieldChecks::isValidDay, "Value should be between [1,31]",
              "Prevalidation Error - Date (day)", Beep::Yes),
        whole({ "Txt_Ntc_MM" }, FieldChecks::isValidMonth, "Value should be between [1,12]",
              "Prevalidation Error - Date (month)"),
        whole({ "Txt_Ntc_YY" }, FieldChecks::isValidNoticeYear, "Invalid year in date of notice",
              "Prevalidation Error - Date (year)"),
        noDigit({ "Txt_B_Adm" }, "Prevalidation Error - Notifying administration"),
        numeric({ "Txt_01A_TrgFreq" }, "Prevalidation Error / 0-1a Target frequency"),
        numeric({ "Txt_1A_FreqAssgn" }, "Prevalidation Error - 1a Assigned frequency"),

        bounded({ "Txt_04C_Deg_Lat" }, 90, Bound::Included, "Value must be between [0,90]", targetLatitude),
        bounded({ "Txt_04C_Min_Lat", "Txt_04C_Sec_Lat" }, 60, Bound::Excluded,
                "Value must be between [0,59]", targetLatitude),
        hemisphere({ "Txt_04C_NS" }, FieldChecks::isNorthSouth, "Value can only be N or S", targetLatitude),
        bounded({ "Txt_04C_Deg_Long" }, 180, Bound::Included, "Value must be between [0,180]", targetLongitude),
        bounded({ "Txt_04C_Min_Long", "Txt_04C_Sec_Long" }, 60, Bound::Excluded,
                "Value must be between [0,59]", targetLongitude),
        hemisphere({ "Txt_04C_EW" }, FieldChecks::isEastWest, "Value can only be E or W", targetLongitude),

        bounded({ "Txt_4C_Deg_Lat" }, 90, Bound::Included, "Value must be between [0,90]", siteLatitude),
        bounded({ "Txt_4C_Min_Lat", "Txt_4C_Sec_Lat" }, 60, Bound::Excluded,
                "Value must be between [0,59]", siteLatitude),
        hemisphere({ "Txt_4C_NS" }, FieldChecks::isNorthSouth, "Value can only be N or S", siteLatitude),
        bounded({ "Txt_4C_Deg_Long" }, 180, Bound::Included, "Value must be between [0,180]", siteLongitude),
        bounded({ "Txt_4C_Min_Long", "Txt_4C_Sec_Long" }, 60, Bound::Excluded,
                "Value must be between [0,59]", siteLongitude),
        hemisphere({ "Txt_4C_EW" }, FieldChecks::isEastWest, "Value can only be E or W", siteLongitude),

        noDigit({ "Txt_4B_GeoArea" }, "Prevalidation Error - Geographical Area"),
        numeric({ "Txt_9EA_SiteAlt" }, "Prevalidation Error - Site altitude"),
        numeric({ "Txt_70_BDWdth" }, "Prevalidation Error - Necessary  Bandwidth", Forms::T01Only),
        numeric({ "Txt_7D_TranSys" }, "Prevalidation Error - Transmission System", Forms::T01Only),
        numeric({ "Txt_8BH_Erp_H", "Txt_8BV_Erp_V" }, "Prevalidation Error - Radiated power"),
        numeric({ "Txt_8D_Pwr_Ratio" }, "Prevalidation Error - Vision/sound power ratio", Forms::T02Only),
        numeric({ "Txt_1E_kHz", "Txt_1E_Lf" }, "Prevalidation Error - Frequency offset", Forms::T02Only),
        numeric({ "Txt_9E_AntHgt" }, "Prevalidation Error - Height of antenna"),
        numeric({ "Txt_9EB_Eff_hgtmax" }, "Prevalidation Error - Max effective Ant. height"),

        whole({ "Txt_10B_Ophhfr", "Txt_10B_Ophhto" }, FieldChecks::isValidHours,
              "Value must be between [0000,2400]", "Prevalidation Error - Operating hours"),
        numeric({ "Txt_12A_OpAgcy" }, "Prevalidation Error - Operating agency"),
        notNumeric({ "Txt_12B_AddrCde" }, "Prevalidation Error - responsible Administration"),
        whole({ "Txt_2C_DD" }, FieldChecks::isValidDay, "Value should be between [1,31]", inUseDate, Beep::Yes),
        whole({ "Txt_2C_MM" }, FieldChecks::isValidMonth, "Value should be between [1,12]", inUseDate),
        whole({ "Txt_2C_YY" }, FieldChecks::isValidInUseYear,
              "The year must be entered as YYYY and must be after 2000", inUseDate),

        notNumeric(coordinationBoxes(), "Prevalidation Error - Coordination Adm code"),
        numeric(azimuthBoxes(EffectiveHeightPrefix), "Prevalidation Error - Eff. ant. height"),
        numeric(azimuthBoxes(HorizontalPatternPrefix), "Prevalidation Error - Attenuation (H)"),
        numeric(azimuthBoxes(VerticalPatternPrefix), "Prevalidation Error - Attenuation (V)"),
    };
}

// The one box whose title differs from the rest of its family.
struct TitleException
{
    const char *control;
    const char *title;
};
const TitleException titleExceptions[] = {
    { "Txt_9EC_azm260", "Prevalidation Error - Eff.ant.Height" },
};

struct FormRules
{
    QList<FieldRule> rules;
    QHash<QString, qsizetype> indexByName;
};

FormRules buildRules(FormKind kind)
{
    FormRules result;
    for (const RuleRow &row : ruleRows()) {
        if (!isOnForm(row.forms, kind))
            continue;
        for (const QString &control : row.controls) {
            FieldRule rule = row.rule;
            rule.controlName = control;
            result.indexByName.insert(control, result.rules.size());
            result.rules.append(rule);
        }
    }
    for (const TitleException &exception : titleExceptions) {
        const QString control = QString::fromUtf8(exception.control);
        if (result.indexByName.contains(control))
            result.rules[result.indexByName.value(control)].title = QString::fromUtf8(exception.title);
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
    case RuleKind::Numeric:
        return FieldChecks::isNumeric(text);
    case RuleKind::NotNumeric:
        return !FieldChecks::isNumeric(text);
    case RuleKind::NoDigit:
        return FieldChecks::hasNoDigit(text);
    case RuleKind::Hemisphere:
        return rule.letterCheck(text) && !FieldChecks::isNumeric(text);
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

void reportFailure(const FieldRule &rule, QWidget *parent)
{
    if (rule.beepsOnFailure)
        platform::alerts().beep();
    platform::alerts().exclamation(parent, rule.title, rule.message);
}
