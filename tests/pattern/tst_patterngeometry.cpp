// The geometry of a polar diagram from the 36 entries of an antenna table:
// which values are drawn, where the lines break, which values are marked, and
// where a value lies on the unit disc.

#include "pattern/PatternGeometry.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(AzimuthTableId)

namespace {

// A table written as "azimuth=value" pairs, e.g. "0=3 10=x 350=12".
PatternTexts tableOf(const QString &entries)
{
    PatternTexts texts;
    for (const QString &entry : entries.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QLatin1Char('='));
        texts[std::size_t(parts[0].toInt() / kAzimuthStep)] = parts[1];
    }
    return texts;
}

// Every entry given, each value the same but those listed.
QString allRound(const QString &value, const QString &exceptions = {})
{
    QStringList entries;
    for (int index = 0; index < int(kAzimuthCount); ++index)
        entries << QStringLiteral("%1=%2").arg(index * kAzimuthStep).arg(value);
    return entries.join(QLatin1Char(' ')) + QLatin1Char(' ') + exceptions;
}

QList<int> azimuthsOf(const QList<int> &indices)
{
    QList<int> azimuths;
    for (const int index : indices)
        azimuths << index * kAzimuthStep;
    return azimuths;
}

} // namespace

class TestPatternGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pointsGapsAndMarks_data()
    {
        QTest::addColumn<AzimuthTableId>("table");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("points");
        QTest::addColumn<QList<int>>("runLengths"); // points of each line
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QList<int>>("marked"); // azimuths
        QTest::addColumn<int>("largest");       // azimuth, -1 for none

        const auto H = AzimuthTableId::HorizontalPattern;
        const auto V = AzimuthTableId::VerticalPattern;
        const auto E = AzimuthTableId::EffectiveHeight;
        QTest::newRow("empty table") << H << QString() << 0 << QList<int>{} << false << QList<int>{} << -1;
        QTest::newRow("one value") << H << "90=6" << 1 << QList<int>{1} << false << QList<int>{} << 90;
        QTest::newRow("a gap splits the line")
            << H << "0=1 10=2 20=3 40=4 50=5" << 5 << QList<int>{3, 2} << false << QList<int>{} << 50;
        QTest::newRow("350 joins 0") << V << "340=1 350=2 0=3 10=4" << 4 << QList<int>{4} << false << QList<int>{}
                                     << 10;
        QTest::newRow("all round is closed")
            << H << allRound("2") << 36 << QList<int>{37} << true << QList<int>{} << 0;
        QTest::newRow("not a number is left out")
            << H << "0=1 10=X 20=3" << 2 << QList<int>{1, 1} << false << QList<int>{} << 20;
        QTest::newRow("decimal comma read") << H << "0=1,5 10=2.5" << 2 << QList<int>{2} << false
                                                       << QList<int>{} << 10;
        QTest::newRow("spike of 25 dB marked") << H << allRound("2", "120=25") << 36 << QList<int>{37} << true
                                               << QList<int>{120} << 120;
        QTest::newRow("dip marked too") << V << allRound("20", "200=3") << 36 << QList<int>{37} << true
                                        << QList<int>{200} << 0;
        QTest::newRow("10 dB is no jump") << H << allRound("2", "120=12") << 36 << QList<int>{37} << true
                                          << QList<int>{} << 120;
        QTest::newRow("a jump from one neighbour only is a slope")
            << H << "0=0 10=0 20=15 30=15 40=15" << 5 << QList<int>{5} << false << QList<int>{} << 20;
        QTest::newRow("no neighbour, no mark") << H << "0=0 10=30" << 2 << QList<int>{2} << false << QList<int>{}
                                               << 10;
        QTest::newRow("spike across 0 degrees") << H << allRound("1", "0=30") << 36 << QList<int>{37} << true
                                                << QList<int>{0} << 0;
        QTest::newRow("height a third above both marked")
            << E << allRound("300", "90=3000") << 36 << QList<int>{37} << true << QList<int>{90} << 90;
        QTest::newRow("height within a third not marked")
            << E << allRound("300", "90=390") << 36 << QList<int>{37} << true << QList<int>{} << 90;
    }

    void pointsGapsAndMarks()
    {
        QFETCH(AzimuthTableId, table);
        QFETCH(QString, entries);
        QFETCH(int, points);
        QFETCH(QList<int>, runLengths);
        QFETCH(bool, closed);
        QFETCH(QList<int>, marked);
        QFETCH(int, largest);

        const PatternGeometry geometry = patternGeometry(table, patternValues(tableOf(entries)));
        QCOMPARE(geometry.points.size(), points);
        QList<int> lengths;
        for (const QPolygonF &run : geometry.runs)
            lengths << int(run.size());
        QCOMPARE(lengths, runLengths);
        QCOMPARE(geometry.closed, closed);
        QCOMPARE(azimuthsOf(geometry.marked), marked);
        QCOMPARE(geometry.largest ? *geometry.largest * kAzimuthStep : -1, largest);
    }

    // Azimuth 0 at the top, clockwise; attenuation as relative field (0 dB
    // on the rim, 20 dB at a tenth); heights to a round rim value.
    void positionsOnTheDisc_data()
    {
        QTest::addColumn<AzimuthTableId>("table");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("azimuth");
        QTest::addColumn<QPointF>("position");

        const auto H = AzimuthTableId::HorizontalPattern;
        const auto E = AzimuthTableId::EffectiveHeight;
        QTest::newRow("0 dB north on the rim") << H << "0=0" << 0 << QPointF(0, -1);
        QTest::newRow("20 dB east at a tenth") << H << "0=0 90=20" << 90 << QPointF(0.1, 0);
        QTest::newRow("6 dB south at half") << H << "180=6.0206" << 180 << QPointF(0, 0.5);
        QTest::newRow("a gain stays on the rim") << H << "270=-3" << 270 << QPointF(-1, 0);
        QTest::newRow("335 m of a 400 m rim") << E << "0=335 90=200" << 90 << QPointF(0.5, 0);
        QTest::newRow("negative height at the centre") << E << "0=100 180=-20" << 180 << QPointF(0, 0);
    }

    void positionsOnTheDisc()
    {
        QFETCH(AzimuthTableId, table);
        QFETCH(QString, entries);
        QFETCH(int, azimuth);
        QFETCH(QPointF, position);

        const PatternGeometry geometry = patternGeometry(table, patternValues(tableOf(entries)));
        for (const PatternPoint &point : geometry.points) {
            if (point.index * kAzimuthStep == azimuth) {
                QVERIFY2(std::abs(point.position.x() - position.x()) < 1e-3
                             && std::abs(point.position.y() - position.y()) < 1e-3,
                         qPrintable(QStringLiteral("(%1, %2)").arg(point.position.x()).arg(point.position.y())));
                return;
            }
        }
        QFAIL("the value is not drawn");
    }
};

QTEST_GUILESS_MAIN(TestPatternGeometry)
#include "tst_patterngeometry.moc"
