// "Import a spreadsheet..." on the menu, with the real import behind it: the
// file dialogs, the outcome on the menu, in a message or in the list of
// faults, in the menu's language.

#include "ExpectedAlerts.h"
#include "WindowDriver.h"

#include "capture/CaptureApplication.h"
#include "capture/ModalDialogs.h"
#include "notice/NoticeFileChecker.h"
#include "platform/System.h"
#include "shell/MainMenu.h"

#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray TwoNotices = "t_adm,t_action,t_freq_assgn\r\nF,ADD,98.5\r\nF,ADD,101.1\r\n";
const QByteArray UnknownColumn = "t_adm,t_colour\r\nF,red\r\n";

} // namespace

class TestMenuImport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    platform::SystemOverrides m_system;

    QString path(const QString &name) const { return m_folder.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        // The checks of the date of notification accept the years around 2005.
        m_system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
        m_system.setLoginName("operator");
        m_system.setProgramFolder(m_folder.path());
    }

    void cleanup()
    {
        verifyNoWindowLeftOpen();
        for (const QString &name : QDir(m_folder.path()).entryList(QDir::Files))
            QFile::remove(path(name));
    }

    void import_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("cancelAtReport"); // 0: no cancel
        QTest::addColumn<QString>("importCaption");
        QTest::addColumn<QString>("summary"); // OUTPUT: the output file
        QTest::addColumn<Entries>("alerts");  // DATA: the data file
        QTest::addColumn<QStringList>("faultList"); // title, first line (DATA), part of a fault, Copy
        QTest::addColumn<int>("notices"); // in the output file; -1: no file

        const QString english = "Import a spreadsheet...";
        QTest::newRow("imported") << "Opt_english" << "Opt_FMFrmT01" << TwoNotices << 0 << english
                                  << "Imported: 2 notices written to OUTPUT" << Entries{} << QStringList{} << 2;
        QTest::newRow("cancelled") << "Opt_english" << "Opt_FMFrmT01" << TwoNotices << 1 << english
                                   << "Import cancelled: no file written." << Entries{} << QStringList{} << -1;
        QTest::newRow("nothing to import")
            << "Opt_english" << "Opt_TvFrmT02" << QByteArray("t_adm,t_site_name\r\n") << 0 << english << ""
            << Entries{message("Import a spreadsheet", "DATA holds no notice to import. No file was written.")}
            << QStringList{} << -1;
        QTest::newRow("faults") << "Opt_english" << "Opt_FMFrmT01" << UnknownColumn << 0 << english << ""
                                << Entries{}
                                << QStringList{"1 fault: nothing imported",
                                               "DATA has a fault. No notice was imported and no file written.",
                                               "t_colour", "&Copy"}
                                << -1;
        QTest::newRow("faults, French")
            << "Opt_french" << "Opt_FMFrmT01" << UnknownColumn << 0 << "Importer une feuille de calcul..." << ""
            << Entries{}
            << QStringList{"1 erreur : rien n'a été importé",
                           "DATA contient une erreur. Aucune fiche n'a été importée et aucun fichier n'a été écrit.",
                           "t_colour", "&Copier"}
            << -1;
        QTest::newRow("faults, Spanish")
            << "Opt_spanish" << "Opt_TvFrmT02" << UnknownColumn << 0 << "Importar una hoja de cálculo..." << ""
            << Entries{}
            << QStringList{"1 error: no se importó nada",
                           "DATA contiene un error. No se importó ninguna notificación ni se escribió ningún archivo.",
                           "t_colour", "&Copiar"}
            << -1;
        QTest::newRow("no form chosen, French")
            << "Opt_french" << "" << TwoNotices << 0 << "Importer une feuille de calcul..." << ""
            << Entries{Beep, message("Dravel", "SVP, choisissez le type de formulaire")} << QStringList{} << -1;
    }

    void import()
    {
        QFETCH(QString, language);
        QFETCH(QString, form);
        QFETCH(QByteArray, data);
        QFETCH(int, cancelAtReport);
        QFETCH(QString, importCaption);
        QFETCH(QString, summary);
        QFETCH(Entries, alerts);
        QFETCH(QStringList, faultList);
        QFETCH(int, notices);

        const QString dataPath = path("stations.csv");
        QFile dataFile(dataPath);
        QVERIFY(dataFile.open(QIODevice::WriteOnly) && dataFile.write(data) == data.size());
        dataFile.close();
        const QString output = path(form == "Opt_TvFrmT02" ? "T02M-2005127-14327-operator.txt"
                                                           : "T01M-2005127-14327-operator.txt");

        MainMenu menu;
        WindowDriver drive(menu);
        QVERIFY(drive.show());
        QVERIFY(drive.click(language));
        if (!form.isEmpty())
            QVERIFY(drive.click(form));
        QCOMPARE(drive.text("ButtonImport"), importCaption);

        platform::ScopedRecordingAlerts recorded;
        AnsweringDialogs dialogs;
        dialogs.answers = {{dataPath, 0}, {output, 0}};
        dialogs.cancelAtReport = cancelAtReport;
        // The fault list's title, first line and list, Copy's caption, and
        // the clipboard after Copy.
        QStringList seen;
        dialogs.onDialog = [&seen](QDialog &dialog) {
            auto *list = dialog.findChild<QPlainTextEdit *>("faultList");
            auto *copy = dialog.findChild<QPushButton *>("copyButton");
            if (list && list->isReadOnly() && copy) {
                QGuiApplication::clipboard()->clear();
                copy->click();
                seen = {dialog.windowTitle(), dialog.findChild<QLabel *>("faultCount")->text(), list->toPlainText(),
                        copy->text(), QGuiApplication::clipboard()->text()};
            }
            return int(QDialog::Rejected);
        };
        QVERIFY(drive.click("ButtonImport"));

        // The file to import, then the output under the name a capture run proposes.
        QCOMPARE(dialogs.asked.size(), form.isEmpty() ? 0 : 2);
        if (!form.isEmpty()) {
            QCOMPARE(dialogs.asked.at(0).filters.size(), 5);
            QCOMPARE(dialogs.asked.at(1).proposed, output);
        }
        QCOMPARE(drive.text("LblSummary"), summary.replace("OUTPUT", output));
        for (Entry &entry : alerts)
            entry.text.replace("DATA", dataPath);
        QCOMPARE(recorded.entries, alerts);
        QCOMPARE(seen.size(), faultList.isEmpty() ? 0 : 5);
        if (!seen.isEmpty()) {
            QCOMPARE(seen.at(0), faultList.at(0));
            QCOMPARE(seen.at(1), QString(faultList.at(1)).replace("DATA", dataPath));
            QVERIFY2(seen.at(2).contains(faultList.at(2)), qPrintable(seen.at(2)));
            QCOMPARE(seen.at(3), faultList.at(3));
            QCOMPARE(seen.at(4), seen.at(2));
        }
        QCOMPARE(QFile::exists(output), notices >= 0);
        if (notices >= 0) {
            QFile written(output);
            QVERIFY(written.open(QIODevice::ReadOnly));
            const ParsedNoticeFile parsed = checkNoticeFile(written.readAll());
            QVERIFY(parsed.isSound());
            QCOMPARE(parsed.notices.size(), notices);
        }
    }
};

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TestMenuImport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menu_import.moc"
