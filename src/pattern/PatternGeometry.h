#pragma once

#include "form/ControlNames.h"
#include "notice/NoticeRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <array>
#include <optional>

using Control::AzimuthTableId;

// An antenna table of a notice (item 9EC, 9NH or 9NV) seen as a polar
// diagram: azimuth 0 at the top, rising clockwise, one value per 10 degrees.
// Effective heights (9EC, metres) are drawn to scale, the highest near the
// rim; attenuations (9NH, 9NV, dB) as relative field, 10^(-dB/20), so that
// 0 dB lies on the rim and more attenuation lies nearer the centre.
//
// Positions are on the unit disc: (0, 0) is the centre, radius 1 the rim, y
// grows downwards as on a screen or a page. The drawing scales them to its
// rectangle (PatternDrawing.h).

// The 36 entries of a table as typed or written: empty where not given.
using PatternTexts = std::array<QString, kAzimuthCount>;
// The same read as numbers: nothing where empty or not a number.
using PatternValues = std::array<std::optional<double>, kAzimuthCount>;

// The texts of a table of a notice record.
PatternTexts patternTexts(const AzimuthTable &table);
// A text read as a number, as the numeric rule of the boxes takes it
// ("12", "-3", "2.5", "2,5", blanks around): nothing when it is not one.
std::optional<double> patternNumber(const QString &text);
PatternValues patternValues(const PatternTexts &texts);

// Whether the table holds attenuations (dB) rather than heights (m).
bool isAttenuationTable(AzimuthTableId table);
// "9EC", "9NH", "9NV".
QString patternItem(AzimuthTableId table);

// The attenuations that the rings of an attenuation diagram stand for.
constexpr std::array<double, 3> AttenuationRingsDb{3, 10, 20};
// A value that jumps from both its neighbours by more than this (dB), or by
// more than a third of the larger height, is marked: a hint of a typing
// slip, never a refusal.
constexpr double AttenuationJumpDb = 10;
constexpr double HeightJumpFraction = 1.0 / 3.0;

struct PatternPoint
{
    int index = 0; // entry 0 to 35: azimuth index * 10 degrees
    double value = 0;
    QPointF position; // on the unit disc
    bool marked = false;
};

struct PatternRing
{
    double radius = 0; // on the unit disc
    QString label;     // "3 dB", "150 m"
};

struct PatternGeometry
{
    AzimuthTableId table = AzimuthTableId::EffectiveHeight;
    // Every value drawn, in azimuth order; entries that are empty or not a
    // number are left out and leave a gap.
    QList<PatternPoint> points;
    // The lines between neighbouring values, one polyline per run of
    // consecutive azimuths (350 degrees is followed by 0). A table given
    // all round is one closed polygon.
    QList<QPolygonF> runs;
    bool closed = false;
    // The entries that jump from both neighbours.
    QList<int> marked;
    QList<PatternRing> rings;
    // Heights: the value on the rim (m), a round number.
    double rimValue = 1;
    // The entry with the largest attenuation or height, the first of equals.
    std::optional<int> largest;
};

PatternGeometry patternGeometry(AzimuthTableId table, const PatternValues &values);

// The texts around a diagram, in the language installed.
class PatternCaptions
{
    Q_DECLARE_TR_FUNCTIONS(PatternCaptions)

public:
    // "9NH Attenuation, horizontal component [dB]".
    static QString title(AzimuthTableId table);
    // One line: "Largest attenuation 20 dB at 120°; marked: 240°".
    static QString description(const PatternGeometry &geometry);
};
