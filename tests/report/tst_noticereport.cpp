// notice-check --report pdf: the report of a small file of two T01 notices
// (data/report-T01.txt: one with coordination, effective heights and a
// horizontal pattern with a spike, one without antenna tables) read back as
// text by pdftotext (Debian poppler-utils) in each language: the page count,
// the labels and the values. A file with a fault is refused as by --export.

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString SampleFile = QStringLiteral(REPORT_DATA "/report-T01.txt");

struct Run
{
    int exitCode = -1;
    QString err;
};

// Run as from cron or a bare ssh login, with no runtime folder: stderr
// still holds nothing but faults.
Run noticeCheck(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(NOTICE_CHECK_EXE), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// The PDF's text, its ligatures ("ﬁ") written out as letters.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

} // namespace

class TestNoticeReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (Debian poppler-utils) is not installed");
        QVERIFY(m_folder.isValid());
    }

    void reportReadsBack_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("texts"); // in the language, besides the values

        QTest::newRow("en") << "en"
                            << QStringList{"Notices of the file", "page 1 of 3", "page 3 of 3",
                                           "Administration F - captured on 07.12.2025-14:03:27",
                                           "1A Assigned frequency [MHz]", "4C Longitude E/W",
                                           "9EB Maximum effective antenna height", "11 Coordination completed with",
                                           "9NH Attenuation, horizontal component [dB]",
                                           "Largest attenuation 25 dB at 60°", "marked: 60°"};
        QTest::newRow("fr") << "fr"
                            << QStringList{"Fiches du fichier", "page 1 sur 3", "page 3 sur 3",
                                           "Administration F - saisi le 07.12.2025-14:03:27",
                                           "1A Fréquence assignée [MHz]", "4C Longitude E/W",
                                           "9EB Hauteur d'antenne équivalente maximale [m]",
                                           "11 Coordination menée à bien avec",
                                           "9NH Affaiblissement, composante horizontale [dB]",
                                           "Affaiblissement maximal 25 dB à 60°", "signalé"};
        QTest::newRow("es") << "es"
                            << QStringList{"Notificaciones del fichero", "página 1 de 3", "página 3 de 3",
                                           "Administración F - capturado el 07.12.2025-14:03:27",
                                           "1A Frecuencia asignada [MHz]", "4C Longitud E/W",
                                           "9EB Altura efectiva máxima de la antena",
                                           "11 Coordinación completada con",
                                           "9NH Atenuación, componente horizontal [dB]",
                                           "Atenuación máxima 25 dB a 60°", "señalado"};
    }

    void reportReadsBack()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        const QString pdf = m_folder.filePath(language + QStringLiteral(".pdf"));
        const Run run = noticeCheck({QStringLiteral("--report"), QStringLiteral("pdf"), SampleFile,
                                     QStringLiteral("--output"), pdf, QStringLiteral("--language"), language});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());

        // The values as the file holds them, coordinates in degrees,
        // minutes and seconds; the list of notices on the first page.
        texts << "report-T01.txt" << "MONTMARTRE" << "LYON FOURVIERE" << "98.5" << "101.1" << "2°20'30\" E"
              << "48°53'10\" N" << "4°49'20\" E" << "SUI, D" << "335" << "GE84";
        const QString text = pdfText(pdf);
        for (const QString &expected : std::as_const(texts))
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" missing from:\n") + text));
        // Three pages: the list, then one page per notice.
        QCOMPARE(text.count(QLatin1Char('\f')), 3);
        const QString firstPage = text.section(QLatin1Char('\f'), 0, 0);
        QVERIFY(firstPage.contains(QStringLiteral("LYON FOURVIERE")));
        QVERIFY(!firstPage.contains(QStringLiteral("SUI, D")));
    }

    // A fault is reported as the export reports it: the fault's line on
    // stderr, exit status 1, and no report written.
    void faultyFileRefused()
    {
        QFile sample(SampleFile);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QByteArray bytes = sample.readAll();
        bytes.replace("Notice No = 2", "Notice No = 3");
        const QString faulty = m_folder.filePath(QStringLiteral("faulty.txt"));
        QFile file(faulty);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const QString pdf = m_folder.filePath(QStringLiteral("faulty.pdf"));
        const Run run = noticeCheck({QStringLiteral("--report"), QStringLiteral("pdf"), faulty,
                                     QStringLiteral("--output"), pdf});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(faulty + QStringLiteral(":")), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("not sound")));
        QVERIFY(!QFileInfo::exists(pdf));
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestNoticeReport)
#include "tst_noticereport.moc"
