// The texts the program added to its windows, in the operator's language:
// every translation finished, a few of them in French and Spanish (plural
// forms included), a box named in a message by its label as the window shows
// it, the notice-file checker's faults, and Qt's own texts in the language.

#include "SavingFixture.h"

#include "form/LanguageInstaller.h"
#include "notice/NoticeFileChecker.h"
#include "notice/NoticeFileStore.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QXmlStreamReader>

Q_DECLARE_METATYPE(Language)

class TstOperatorLanguage : public QObject, SavingFixture
{
    Q_OBJECT

    // The store's refusal of a file it cannot continue: the file, the line
    // and the fault, in the language.
    static QString refusal(Language language)
    {
        switch (language) {
        case Language::French:
            return "Le fichier %1 n'est pas un fichier de fiches qui peut être poursuivi : ligne %2 : %3.";
        case Language::Spanish:
            return "El fichero %1 no es un fichero de notificaciones que se pueda continuar: línea %2: %3.";
        case Language::English: break;
        }
        return "The file %1 is not a notice file that can be continued: line %2: %3.";
    }

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

    // A damaged file: the checker's first fault in the language, the words
    // translated and the keys, tags and value patterns as the file has them.
    // A fault that keeps the file from being continued comes inside the
    // store's refusal; a value of another shape does not keep it.
    void checkerFaultsFollowTheLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("refused");

        const QStringList start = fileStart("F");
        const QStringList notice = frequencyOnlyNotice(1, "98.5");
        const QByteArray noHead = fileText(start.mid(0, 3) + notice + tail(1));
        QStringList badDate = notice;
        badDate.replace(3, "t_d_adm_ntc = 2005-12-32");
        const QByteArray wrongShape = fileText(start + badDate + tail(1));
        QStringList longAdm = start;
        longAdm.replace(4, "t_adm = FRAN");
        const QByteArray tooLong = fileText(longAdm + notice + tail(1));

        QTest::newRow("en no HEAD") << Language::English << noHead << 4 << "\"<HEAD>\" missing" << true;
        QTest::newRow("fr no HEAD") << Language::French << noHead << 4 << "il manque \"<HEAD>\"" << true;
        QTest::newRow("es no HEAD") << Language::Spanish << noHead << 4 << "falta \"<HEAD>\"" << true;
        QTest::newRow("en wrong shape") << Language::English << wrongShape << 10
                                        << "\"t_d_adm_ntc\" is \"2005-12-32\", expected a date YYYY-MM-DD" << false;
        QTest::newRow("fr wrong shape") << Language::French << wrongShape << 10
                                        << "\"t_d_adm_ntc\" vaut \"2005-12-32\", attendu : une date YYYY-MM-DD" << false;
        QTest::newRow("es wrong shape") << Language::Spanish << wrongShape << 10
                                        << "\"t_d_adm_ntc\" es \"2005-12-32\", se esperaba una fecha YYYY-MM-DD" << false;
        QTest::newRow("en too long") << Language::English << tooLong << 5
                                     << "value for \"t_adm\" longer than 3 characters" << true;
        QTest::newRow("fr too long") << Language::French << tooLong << 5
                                     << "valeur de \"t_adm\" de plus de 3 caractères" << true;
        QTest::newRow("es too long") << Language::Spanish << tooLong << 5
                                     << "valor de \"t_adm\" de más de 3 caracteres" << true;
    }
    void checkerFaultsFollowTheLanguage()
    {
        QFETCH(Language, language);
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, fault);
        QFETCH(bool, refused);
        installLanguage(language);
        const ParsedNoticeFile checked = checkNoticeFile(bytes);
        QVERIFY(!checked.faults.isEmpty());
        QCOMPARE(checked.faults.first().line, line);
        QCOMPARE(checked.faults.first().message, fault);

        const QString name = path("damaged.txt");
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        NoticeFileStore store;
        QString error;
        QCOMPARE(store.open(name, &error), !refused);
        if (refused)
            QCOMPARE(error, refusal(language).arg('"' + name + '"').arg(line).arg(fault));
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
