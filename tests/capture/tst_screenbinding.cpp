// The binding between the screen and the record runs both ways: a record put
// on a screen and collected again is the same record and writes the same
// NOTICE section. Shown for the 1,000 generated notices of the checker's round
// trip (both forms, every intention, fragment, polarization and directivity),
// once on a screen held in maps and once on the real capture windows.

#include "SampleOnWindow.h"

#include "capture/CaptureWindow.h"
#include "form/FieldCatalogue.h"
#include "form/ScreenBinding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <map>
#include <memory>

namespace {

constexpr int kNotices = 1000;

// The writing side of a screen held in maps; MapScreen reads it back.
class MapScreenWriter : public ScreenWriter
{
public:
    bool setText(const QString &name, const QString &text) override
    {
        texts.insert(name, text);
        return true;
    }
    void setSelected(const QString &name, bool selected) override
    {
        if (selected)
            chosen.insert(name);
        else
            chosen.remove(name);
    }

    Fields texts;
    QSet<QString> chosen;
};

} // namespace

class TestScreenBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordComesBackFromTheScreen_data()
    {
        QTest::addColumn<bool>("onWindow");
        QTest::newRow("screen held in maps") << false;
        QTest::newRow("capture windows") << true;
    }

    void recordComesBackFromTheScreen()
    {
        QFETCH(bool, onWindow);
        std::map<FormKind, std::unique_ptr<CaptureWindow>> windows;
        if (onWindow) {
            for (FormKind kind : {FormKind::T01, FormKind::T02})
                windows[kind] = std::make_unique<CaptureWindow>(kind);
        }

        QRandomGenerator random(20051207);
        QSet<QString> shapes;
        for (int i = 0; i < kNotices; ++i) {
            const SampleScreen screen = sampleScreen(i, random);
            const QString where = QStringLiteral("notice %1").arg(i);
            NoticeRecord record;
            NoticeRecord back;
            QStringList refused;
            if (onWindow) {
                FormControls &controls = windows[screen.kind]->controls();
                putOnWindow(screen, controls);
                collectScreen(record, controls, screen.kind);
                refused = showRecord(record, controls, screen.kind);
                collectScreen(back, controls, screen.kind);
            } else {
                collectScreen(record, MapScreen(screen.kind, screen.texts, screen.selected), screen.kind);
                MapScreenWriter written;
                refused = showRecord(record, written, screen.kind);
                const MapScreen shown(screen.kind, written.texts, written.chosen.values());
                collectScreen(back, shown, screen.kind);
                QVERIFY2(shown.unknownNames().isEmpty(), qPrintable(where + ": " + shown.unknownNames().join(' ')));
            }
            QVERIFY2(refused.isEmpty(), qPrintable(where + ": " + refused.join(' ')));
            QCOMPARE(nonEmptyFields(back), nonEmptyFields(record));
            QCOMPARE(makeNoticeSection(back, i + 1), makeNoticeSection(record, i + 1));
            shapes.insert(QString::number(int(screen.kind)) + record.action);
        }
        // Both forms with each of the four intentions and none.
        QCOMPARE(shapes.size(), 2 * 5);
    }

    void valuesNoBoxCanTakeAreNamed()
    {
        // A record that no screen produced: a date whose parts are too long
        // for their boxes, a polarization the list does not hold, a site name
        // longer than its box.
        NoticeRecord record;
        record.action = "ADD";
        record.d_adm_ntc = "20050-12-7";
        record.polar = "X";
        record.site_name = QString(31, QLatin1Char('A'));
        CaptureWindow window(FormKind::T01);
        const QStringList refused = showRecord(record, window.controls(), FormKind::T01);
        QCOMPARE(refused, (QStringList{"Txt_Ntc_YY", "Txt_Ntc_MM", "Txt_Ntc_DD", "Txt_4A_SiteName",
                                       "Combo_9D_Polariz"}));
    }
};

QTEST_MAIN(TestScreenBinding)
#include "tst_screenbinding.moc"
