// Export... on the capture window: the notices its file holds so far, written
// to the spreadsheet file chosen exactly as writeNotices writes the finished
// file, in the kind the file's suffix or the chosen filter tells, and told in
// the window's language.

#include "SavingFixture.h"

#include "capture/CaptureApplication.h"
#include "capture/ModalDialogs.h"
#include "capture/StatusLine.h"
#include "sheet/NoticeExport.h"
#include "form/LanguageInstaller.h"

#include <QBuffer>
#include <QPushButton>

using namespace Control;

Q_DECLARE_METATYPE(Language)

class TstExport : public QObject, private SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup()
    {
        tearDown();
        installLanguage(Language::English);
    }

    void exportsTheNoticesSoFar_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("chosen"); // the name chosen in the save dialog
        QTest::addColumn<int>("filter");     // the filter chosen: 0 CSV, 3 JSON
        QTest::addColumn<QString>("written"); // "csv", "json"; empty: nothing written
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("outcome"); // on the status line, or in the message; FILE: the chosen file

        QTest::newRow("CSV") << Language::English << "notices.csv" << 0 << "csv" << "Export..."
                             << "2 notices exported to FILE";
        QTest::newRow("JSON by its suffix, French") << Language::French << "notices.json" << 0 << "json"
                                                    << "Exporter..." << "2 fiches exportées dans FILE";
        QTest::newRow("JSON by its filter, Spanish") << Language::Spanish << "notices" << 3 << "json" << "Exportar..."
                                                     << "2 notificaciones exportadas a FILE";
        QTest::newRow("no such folder") << Language::English << "missing/notices.csv" << 0 << "" << "Export..."
                                        << "The notices were not exported: ";
        QTest::newRow("the notice file itself") << Language::English << "T01M-2005127-14327-operator.txt" << 0 << ""
                                                << "Export..." << "The notices were not exported: ";
    }

    // Two notices saved, the day box holding a day that fails its rule and the
    // focus: the export leaves the box as it is, focus included; Enter in the
    // box is not a press of the button.
    void exportsTheNoticesSoFar()
    {
        QFETCH(Language, language);
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QString, caption);
        QFETCH(QString, outcome);
        installLanguage(language);
        open(FormKind::T01, language);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QPushButton &exportButton = m_window->exportButton();
        QCOMPARE(exportButton.text(), caption);
        QVERIFY(!exportButton.isEnabled());
        // The date and fragment stay for the second notice.
        QVERIFY(m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5")));
        QVERIFY(m_drive->saveNext());
        QVERIFY(m_drive->perform(frequencyOnly("101.1")));
        QVERIFY(m_drive->saveNext());
        QVERIFY(exportButton.isEnabled());
        QVERIFY(m_drive->put(Txt_Ntc_DD, "32"));
        QVERIFY(m_drive->focus(Txt_Ntc_DD));

        AnsweringDialogs dialogs;
        const QString file = path(chosen);
        dialogs.answers = {{file, filter}};
        const QByteArray before = contents(file);
        // Enter in a box does not press it.
        QVERIFY(m_drive->key(Txt_Ntc_DD, Qt::Key_Return));
        QVERIFY(dialogs.asked.isEmpty());
        QVERIFY(m_drive->click("exportButton"));
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked.first().proposed, path("T01M-2005127-14327-operator.csv"));
        QCOMPARE(dialogs.asked.first().filters.size(), 4);
        QVERIFY(m_drive->hasFocus(Txt_Ntc_DD));
        QCOMPARE(m_drive->text(Txt_Ntc_DD), QString("32"));

        const QString told = QString(outcome).replace("FILE", file);
        if (written.isEmpty()) {
            QCOMPARE(m_alerts->messages().size(), 1);
            QVERIFY2(m_alerts->messages().first().text.startsWith(told), qPrintable(m_alerts->messages().first().text));
            QCOMPARE(contents(file), before);
            return;
        }
        QVERIFY2(m_alerts->entries.isEmpty(), qPrintable(m_alerts->messages().value(0).text));
        QCOMPARE(m_window->statusLine().wholeText(), told);
        const QByteArray exported = contents(file);

        // What writeNotices writes of the file once finished.
        QVERIFY(m_drive->put(Txt_Ntc_DD, "7"));
        QVERIFY(m_drive->finish());
        QBuffer expected;
        expected.open(QIODevice::WriteOnly);
        writeNotices(checkNoticeFile(contents(defaultPath(FormKind::T01))),
                     written == "csv" ? SheetFormat::Csv : SheetFormat::Json, expected);
        QCOMPARE(exported, expected.data());
    }
};

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TstExport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_export.moc"
