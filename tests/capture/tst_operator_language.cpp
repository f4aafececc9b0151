// The texts the program added to its windows, in the operator's language:
// every translation finished, a few of them in French and Spanish (plural
// forms included), a box named in a message by its label as the window shows
// it, and Qt's own texts in the language.

#include "SavingFixture.h"

#include "form/LanguageInstaller.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QXmlStreamReader>

Q_DECLARE_METATYPE(Language)

class TstOperatorLanguage : public QObject, SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup()
    {
        tearDown();
        installLanguage(Language::English);
    }

    // A .ts file with a text not yet translated fails, naming the text.
    void translationsAreFinished_data()
    {
        QTest::addColumn<QString>("file");
        const QDir folder(TRANSLATIONS_DIR);
        const QStringList files = folder.entryList({"notice-capture_*.ts"});
        QVERIFY(files.size() >= 3);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }
    void translationsAreFinished()
    {
        QFETCH(QString, file);
        QFile ts(file);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        QStringList unfinished;
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const bool marked = xml.attributes().value("type") == u"unfinished";
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (marked || text.trimmed().isEmpty())
                    unfinished << source;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(unfinished.isEmpty(), qPrintable("not translated: " + unfinished.join(" | ")));
    }

    void addedTexts_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("count"); // -1: no plural
        QTest::addColumn<QString>("expected");

        const QString finished = "Finished: %n notice(s) written to %1";
        QTest::newRow("fr existing name") << Language::French << "NoticeFileSession" << "The file exists" << -1
                                          << "Le fichier existe";
        QTest::newRow("fr replace") << Language::French << "NoticeFileSession" << "Replace" << -1 << "Remplacer";
        QTest::newRow("es continue") << Language::Spanish << "NoticeFileSession" << "Continue" << -1 << "Continuar";
        QTest::newRow("es cancel") << Language::Spanish << "NoticeFileSession" << "Cancel" << -1 << "Cancelar";
        QTest::newRow("fr 0 written") << Language::French << "OperatorTexts" << finished << 0
                                      << "Terminé : 0 fiche écrite dans %1";
        QTest::newRow("fr 1 written") << Language::French << "OperatorTexts" << finished << 1
                                      << "Terminé : 1 fiche écrite dans %1";
        QTest::newRow("fr 2 written") << Language::French << "OperatorTexts" << finished << 2
                                      << "Terminé : 2 fiches écrites dans %1";
        QTest::newRow("es 0 written") << Language::Spanish << "OperatorTexts" << finished << 0
                                      << "Terminado: 0 notificaciones escritas en %1";
        QTest::newRow("es 1 written") << Language::Spanish << "OperatorTexts" << finished << 1
                                      << "Terminado: 1 notificación escrita en %1";
        QTest::newRow("en 0 written") << Language::English << "OperatorTexts" << finished << 0
                                      << "Finished: 0 notices written to %1";
        QTest::newRow("en 1 written") << Language::English << "OperatorTexts" << finished << 1
                                      << "Finished: 1 notice written to %1";
    }
    void addedTexts()
    {
        QFETCH(Language, language);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(int, count);
        QFETCH(QString, expected);
        installLanguage(language);
        QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source), nullptr, count), expected);
    }

    // The save refused for a character the file cannot hold names the box by
    // its label and tool tip, in the window's language.
    void unencodableCharacterNamesTheBox_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << Language::English << "Notice not saved"
                                 << "The box \"4A Name of the location of the transmitting station\" holds the "
                                    "character \"Ж\" (U+0416), which the notice file cannot hold: the notice was "
                                    "not saved.";
        QTest::newRow("French") << Language::French << "Fiche non sauvegardée"
                                << "La case « 4A Nom de l'emplacement de la station d'émission » contient le "
                                   "caractère \"Ж\" (U+0416), que le fichier de fiches ne peut pas contenir : la "
                                   "fiche n'a pas été sauvegardée.";
        QTest::newRow("Spanish") << Language::Spanish << "Notificación no guardada"
                                 << "La casilla «4A Nombre del emplazamiento de la estación transmisora» contiene "
                                    "el carácter \"Ж\" (U+0416), que el fichero de notificaciones no puede "
                                    "contener: la notificación no se ha guardado.";
    }
    void unencodableCharacterNamesTheBox()
    {
        QFETCH(Language, language);
        QFETCH(QString, title);
        QFETCH(QString, text);
        open(FormKind::T01, language);
        m_drive->put(Control::Txt_B_Adm, "F");
        m_drive->type(Control::Txt_1A_FreqAssgn, "98.5");
        m_drive->put(Control::Txt_4A_SiteName, QStringLiteral("ЖORA"));
        m_drive->saveNext();
        QCOMPARE(m_alerts->entries, QList<Entry>{message(title, text)});
    }

    // Qt's own texts follow: a box's context menu, the file dialog.
    void qtTextsFollowTheLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("French") << Language::French;
        QTest::newRow("Spanish") << Language::Spanish;
    }
    void qtTextsFollowTheLanguage()
    {
        QFETCH(Language, language);
        installLanguage(language);
        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList actions;
        for (const QAction *action : menu->actions())
            actions << action->text();
        QVERIFY2(!actions.contains("&Copy"), qPrintable(actions.join(", ")));
        QVERIFY(QCoreApplication::translate("QFileDialog", "&Open") != "&Open");
    }
};

QTEST_MAIN(TstOperatorLanguage)
#include "tst_operator_language.moc"
