#pragma once

#include "NoticeRecord.h"

#include <QString>
#include <QStringList>

// The families of boxes whose names follow a rule, the same on both capture
// forms: the three azimuth tables, the twelve coordinated administrations and
// the two eight-box coordinates. The window, the clears, the field rules, the
// key filter and the screen collection name the azimuth and coordination
// boxes through here.
namespace BoxFamilies {

// Name prefixes of the three azimuth tables (mixed case as the forms have it).
inline const QString EffectiveHeightPrefix = QStringLiteral("Txt_9EC_azm");
inline const QString HorizontalPatternPrefix = QStringLiteral("Txt_9NHAzm");
inline const QString VerticalPatternPrefix = QStringLiteral("Txt_9NVAzm");

// The site's and the target's coordinate boxes begin with these.
inline const QString SiteCoordinatePrefix = QStringLiteral("Txt_4C_");
inline const QString TargetCoordinatePrefix = QStringLiteral("Txt_04C_");

constexpr int AzimuthCount = int(kAzimuthCount); // 0 to 350 degrees in steps of 10
constexpr int CoordinationCount = CoordinationList::kCount;

// The box of entry index (0 to 35) of an azimuth table: the prefix and the
// azimuth in three digits, "Txt_9NHAzm010" for entry 1.
inline QString azimuthBox(const QString &prefix, int index)
{
    return prefix + QStringLiteral("%1").arg(index * kAzimuthStep, 3, 10, QLatin1Char('0'));
}

// The 36 boxes of an azimuth table, 0 to 350 degrees.
inline QStringList azimuthBoxes(const QString &prefix)
{
    QStringList names;
    for (int index = 0; index < AzimuthCount; ++index)
        names << azimuthBox(prefix, index);
    return names;
}

// Coordinated administration n (1 to 12): "Txt_11_Adm1" ... "Txt_11_Adm12".
inline QString coordinationBox(int n)
{
    return QStringLiteral("Txt_11_Adm%1").arg(n);
}

inline QStringList coordinationBoxes()
{
    QStringList names;
    for (int n = 1; n <= CoordinationCount; ++n)
        names << coordinationBox(n);
    return names;
}

// The eight boxes of a coordinate: degrees, minutes, seconds and hemisphere
// of the longitude, then of the latitude, after one of the prefixes above.
inline QStringList coordinateBoxes(const QString &prefix)
{
    QStringList names;
    for (const char *part : { "Deg_Long", "Min_Long", "Sec_Long", "EW", "Deg_Lat", "Min_Lat", "Sec_Lat", "NS" })
        names << prefix + QLatin1String(part);
    return names;
}

} // namespace BoxFamilies
