#include "pattern/PatternGeometry.h"

#include <QLocale>

#include <cmath>

namespace {

struct TableFacts
{
    AzimuthTableId table;
    const char *item;
    bool attenuation;
    const char *title;
};

const TableFacts Tables[] = {
    {AzimuthTableId::EffectiveHeight, "9EC", false,
     QT_TRANSLATE_NOOP("PatternCaptions", "Effective antenna height [m]")},
    {AzimuthTableId::HorizontalPattern, "9NH", true,
     QT_TRANSLATE_NOOP("PatternCaptions", "Attenuation, horizontal component [dB]")},
    {AzimuthTableId::VerticalPattern, "9NV", true,
     QT_TRANSLATE_NOOP("PatternCaptions", "Attenuation, vertical component [dB]")},
};

const TableFacts &factsOf(AzimuthTableId table)
{
    for (const TableFacts &facts : Tables) {
        if (facts.table == table)
            return facts;
    }
    return Tables[0];
}

constexpr double Pi = 3.14159265358979323846;

QPointF onDisc(int index, double radius)
{
    const double angle = index * kAzimuthStep * Pi / 180;
    return {radius * std::sin(angle), -radius * std::cos(angle)};
}

// Relative field of an attenuation: 0 dB on the rim; a gain (a negative
// attenuation) stays on the rim.
double fieldOf(double attenuationDb)
{
    return std::min(1.0, std::pow(10.0, -attenuationDb / 20));
}

// The smallest round number (1, 1.5, 2, 2.5, 3, 4, 5, 6 or 8 times a power
// of ten) that is at least value.
double roundUp(double value)
{
    if (value <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0}) {
        if (step * power >= value)
            return step * power;
    }
    return 10 * power;
}

bool jumps(AzimuthTableId table, double value, double neighbour)
{
    const double jump = std::abs(value - neighbour);
    if (isAttenuationTable(table))
        return jump > AttenuationJumpDb;
    return jump > HeightJumpFraction * std::max(std::abs(value), std::abs(neighbour));
}

QString number(double value)
{
    return QLocale().toString(value, 'g', 6);
}

} // namespace

PatternTexts patternTexts(const AzimuthTable &table)
{
    PatternTexts texts;
    for (std::size_t index = 0; index < kAzimuthCount; ++index)
        texts[index] = table[index].value;
    return texts;
}

std::optional<double> patternNumber(const QString &text)
{
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

PatternValues patternValues(const PatternTexts &texts)
{
    PatternValues values;
    for (std::size_t index = 0; index < kAzimuthCount; ++index)
        values[index] = patternNumber(texts[index]);
    return values;
}

bool isAttenuationTable(AzimuthTableId table)
{
    return factsOf(table).attenuation;
}

QString patternItem(AzimuthTableId table)
{
    return QLatin1String(factsOf(table).item);
}

PatternGeometry patternGeometry(AzimuthTableId table, const PatternValues &values)
{
    PatternGeometry geometry;
    geometry.table = table;
    const bool attenuation = isAttenuationTable(table);
    const int count = int(kAzimuthCount);
    const auto valueAt = [&values, count](int index) { return values[std::size_t((index + count) % count)]; };

    double highest = 0;
    for (int index = 0; index < count; ++index) {
        if (const std::optional<double> value = valueAt(index)) {
            highest = std::max(highest, *value);
            if (!geometry.largest || *value > *valueAt(*geometry.largest))
                geometry.largest = index;
        }
    }
    if (attenuation) {
        for (const double db : AttenuationRingsDb)
            geometry.rings.append({fieldOf(db), number(db) + QStringLiteral(" dB")});
    } else {
        geometry.rimValue = roundUp(highest);
        for (const double fraction : {0.25, 0.5, 0.75, 1.0})
            geometry.rings.append({fraction, number(fraction * geometry.rimValue) + QStringLiteral(" m")});
    }

    for (int index = 0; index < count; ++index) {
        const std::optional<double> value = valueAt(index);
        if (!value)
            continue;
        const std::optional<double> before = valueAt(index - 1), after = valueAt(index + 1);
        const bool marked = before && after && jumps(table, *value, *before) && jumps(table, *value, *after);
        const double radius = attenuation ? fieldOf(*value) : std::max(0.0, *value) / geometry.rimValue;
        geometry.points.append({index, *value, onDisc(index, radius), marked});
        if (marked)
            geometry.marked.append(index);
    }

    // The runs of consecutive azimuths. A run that starts at 0 degrees joins
    // the run that ends at 350 degrees.
    QPolygonF run;
    int previous = -2;
    for (const PatternPoint &point : std::as_const(geometry.points)) {
        if (point.index != previous + 1 && !run.isEmpty()) {
            geometry.runs.append(run);
            run.clear();
        }
        run.append(point.position);
        previous = point.index;
    }
    if (!run.isEmpty())
        geometry.runs.append(run);
    if (geometry.points.size() == count) {
        geometry.closed = true;
        geometry.runs.first().append(geometry.runs.first().first());
    } else if (geometry.runs.size() > 1 && geometry.points.first().index == 0
               && geometry.points.last().index == count - 1) {
        geometry.runs.last() += geometry.runs.first();
        geometry.runs.removeFirst();
    }
    return geometry;
}

QString PatternCaptions::title(AzimuthTableId table)
{
    const TableFacts &facts = factsOf(table);
    return QLatin1String(facts.item) + QLatin1Char(' ') + tr(facts.title);
}

QString PatternCaptions::description(const PatternGeometry &geometry)
{
    if (geometry.points.isEmpty())
        return tr("No values");
    const PatternPoint *largest = nullptr;
    for (const PatternPoint &point : geometry.points) {
        if (point.index == geometry.largest)
            largest = &point;
    }
    const QString azimuth = QString::number(largest->index * kAzimuthStep) + QChar(0x00B0);
    QString line = isAttenuationTable(geometry.table)
        ? tr("Largest attenuation %1 dB at %2").arg(number(largest->value), azimuth)
        : tr("Largest height %1 m at %2").arg(number(largest->value), azimuth);
    if (!geometry.marked.isEmpty()) {
        QStringList azimuths;
        for (const int index : geometry.marked)
            azimuths << QString::number(index * kAzimuthStep) + QChar(0x00B0);
        line += QStringLiteral("; ") + tr("marked: %1").arg(azimuths.join(QStringLiteral(", ")));
    }
    return line;
}
