#include "platform/Alerts.h"
#include "platform/System.h"

#include <QtTest>

#include <unistd.h>

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
            overrides.setDocumentsFolder("/home/operator/Documents");
            QCOMPARE(platform::currentDateTime(), moment);
            QCOMPARE(platform::loginName(), QString("operator"));
            QCOMPARE(platform::programFolder(), QString("/opt/capture"));
            QCOMPARE(platform::documentsFolder(), QString("/home/operator/Documents"));
        }
        QVERIFY(platform::currentDateTime() != moment);
        QCOMPARE(platform::programFolder(), QCoreApplication::applicationDirPath());
        QCOMPARE(platform::documentsFolder(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }

    // The output folder: the program's folder when the user may write there, as
    // in a build folder; else the documents folder, made when missing, as for a
    // program installed in /usr/bin.
    void outputGoesToTheProgramFolderOnlyWhenItIsWritable_data()
    {
        QTest::addColumn<QString>("program"); // "writable", "read-only" or "missing"
        QTest::addColumn<bool>("documentsExist");
        QTest::addColumn<QString>("expected"); // "program" or "documents"

        QTest::newRow("build folder") << "writable" << true << "program";
        QTest::newRow("build folder, no documents folder") << "writable" << false << "program";
        QTest::newRow("installed, read-only folder") << "read-only" << true << "documents";
        QTest::newRow("program folder gone") << "missing" << true << "documents";
        QTest::newRow("program folder gone, documents folder made") << "missing" << false << "documents";
    }

    void outputGoesToTheProgramFolderOnlyWhenItIsWritable()
    {
        QFETCH(QString, program);
        QFETCH(bool, documentsExist);
        QFETCH(QString, expected);
        if (program == "read-only" && geteuid() == 0)
            QSKIP("The superuser may write in a read-only folder");

        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString programFolder = home.filePath("bin");
        const QString documents = home.filePath("Documents");
        if (program != "missing")
            QVERIFY(QDir().mkdir(programFolder));
        if (program == "read-only")
            QVERIFY(QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::ExeOwner));
        if (documentsExist)
            QVERIFY(QDir().mkdir(documents));

        platform::SystemOverrides overrides;
        overrides.setProgramFolder(programFolder);
        overrides.setDocumentsFolder(documents);
        QCOMPARE(platform::defaultOutputFolder(), expected == "program" ? programFolder : documents);
        QCOMPARE(QFileInfo(documents).isDir(), documentsExist || expected == "documents");
    }

    void regionalSettingsReadEmptyOnThisPlatform()
    {
        QCOMPARE(platform::regionalSetting("intl", "sdate"), QString());
    }
};

QTEST_GUILESS_MAIN(TestAlerts)
#include "tst_alerts.moc"
