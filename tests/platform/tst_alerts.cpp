#include "platform/Alerts.h"
#include "platform/System.h"

#include <QtTest>

using platform::RecordingAlerts;

class TestAlerts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordsMessagesAndBeepsInOrder()
    {
        platform::ScopedRecordingAlerts recorder;
        platform::alerts().beep();
        platform::alerts().exclamation(nullptr, "Dravel", "Please, choose a notice type");
        const QList<RecordingAlerts::Entry> expected{
            {RecordingAlerts::Entry::Beep, {}, {}},
            {RecordingAlerts::Entry::Message, "Dravel", "Please, choose a notice type"},
        };
        QCOMPARE(recorder.entries, expected);
        QCOMPARE(recorder.beeps(), 1);
        QCOMPARE(recorder.messages().size(), 1);
    }

    void scopesNestAndRestore()
    {
        platform::ScopedRecordingAlerts outer;
        {
            platform::ScopedRecordingAlerts inner;
            platform::alerts().beep();
            QCOMPARE(inner.beeps(), 1);
        }
        platform::alerts().beep();
        QCOMPARE(outer.beeps(), 1);
    }

    void overridesFixTheReadingsForTheirLifetime()
    {
        const QDateTime moment(QDate(2005, 12, 7), QTime(14, 3, 27));
        {
            platform::SystemOverrides overrides;
            overrides.setDateTime(moment);
            overrides.setLoginName("operator");
            overrides.setProgramFolder("/opt/capture");
            QCOMPARE(platform::currentDateTime(), moment);
            QCOMPARE(platform::loginName(), QString("operator"));
            QCOMPARE(platform::programFolder(), QString("/opt/capture"));
        }
        QVERIFY(platform::currentDateTime() != moment);
        QCOMPARE(platform::programFolder(), QCoreApplication::applicationDirPath());
    }

    void regionalSettingsReadEmptyOnThisPlatform()
    {
        QCOMPARE(platform::regionalSetting("intl", "sdate"), QString());
    }
};

QTEST_GUILESS_MAIN(TestAlerts)
#include "tst_alerts.moc"
