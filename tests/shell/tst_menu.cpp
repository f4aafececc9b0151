// The main menu: its texts in the three languages, the choice of language and
// form, Go and Exit, and its layout, worked through key and mouse events.

#include "ExpectedAlerts.h"
#include "WindowDriver.h"

#include "notice/FormKind.h"
#include "shell/MainMenu.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

const char *const ControlNames[] = {"FrmSelectNtc", "Opt_FMFrmT01", "Opt_TvFrmT02", "ButtonGo",
                                    "ButtonExit",   "ButtonImport", "LblProgrVer",  "Frm_language",
                                    "Opt_english",  "Opt_french",   "Opt_spanish"};

// The texts every language puts on the menu, in one row per language.
struct ExpectedTexts
{
    QString window;
    QString english, french, spanish;
    QString t01, t02;
    QString exit, go;
    QString languageFrame, selectFrame;
};

const ExpectedTexts English{
    "Velkor Offline Data Capture System - Terrestrial Broadcasting Services",
    "English", "French", "Spanish",
    "VHF Sound Broadcasting Station", " VHF/UHF Television Broadcasting Station",
    "Exit", "Go",
    "Language options", " Select one Notice Form type from the list below "};

const ExpectedTexts French{
    "Velkor Système de Saisie de données - Services de Radiodiffusion de Terre",
    "Anglais", "Français", "Espagnol",
    " Station de Radiodiffusion Sonore en VHF", " Station de Radiodiffusion Television en VHF/UHF",
    "Sortie", "OK",
    "Langue", " Choisissez le type de formulaire "};

const ExpectedTexts Spanish{
    "Velkor Sistema de Captura de Datos - Servicios de Radiodifusión Terrenal",
    "Inglés", "Francés", "Español",
    " Estación de Radiodifusión Sonora en VHF", " Estación de Radiodifusión Televisión en VHF/UHF",
    "Salida", "OK",
    "Idioma", " Seleccione el tipo de formulario "};

const QString VersionLabel = " Norvane Analog Version 1.61 / 12.12.2005";

} // namespace

Q_DECLARE_METATYPE(ExpectedTexts)
Q_DECLARE_METATYPE(FormKind)

class TestMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsInEnglishWithNoFormChosen();
    void languageOptionAppliesItsTexts_data();
    void languageOptionAppliesItsTexts();
    void englishAgainRestoresTheEnglishTexts();
    void languageOptionsAndFormOptionsAreIndependent();
    void goWithoutFormBeepsThenReminds_data();
    void goWithoutFormBeepsThenReminds();
    void goOpensTheChosenFormAndWaits_data();
    void goOpensTheChosenFormAndWaits();
    void goTwiceOpensTwoSeparateRuns();
    void onlyTheLanguageOptionsChangeTheLanguage();
    void exitClosesTheMenu();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void tabOrderFollowsTheTabIndexes();
    void captionsCarryTheirColoursAndFonts();

private:
    template<typename T>
    T *control(const char *name)
    {
            return m_menu->findChild<T *>(QLatin1String(name));
    }
    void choose(const char *optionName);
    void pressGo() { m_drive->click("ButtonGo"); }
    void compareTexts(const ExpectedTexts &expected);

    std::unique_ptr<MainMenu> m_menu;
    std::unique_ptr<WindowDriver> m_drive;
    QList<FormKind> m_opened;
    QList<Language> m_openedLanguages; // the language each opening was handed
};

void TestMenu::init()
{
    m_opened.clear();
    m_openedLanguages.clear();
    m_menu = std::make_unique<MainMenu>();
    m_menu->setFormOpener([this](FormKind kind, Language language) {
        m_opened.append(kind);
        m_openedLanguages.append(language);
    });
    m_drive = std::make_unique<WindowDriver>(*m_menu);
    QVERIFY(m_drive->show());
    // Every control the tests address exists, so a lookup below never comes back empty.
    for (const char *name : ControlNames)
        QVERIFY2(m_menu->findChild<QWidget *>(QLatin1String(name)), name);
}

void TestMenu::cleanup()
{
    m_drive.reset();
    m_menu.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// A click on the option's indicator, as the operator would do it.
void TestMenu::choose(const char *optionName)
{
    m_drive->click(optionName);
    QVERIFY(m_drive->isChecked(optionName));
}

void TestMenu::compareTexts(const ExpectedTexts &expected)
{
    QCOMPARE(m_menu->windowTitle(), expected.window);
    QCOMPARE(control<QRadioButton>("Opt_english")->text(), expected.english);
    QCOMPARE(control<QRadioButton>("Opt_french")->text(), expected.french);
    QCOMPARE(control<QRadioButton>("Opt_spanish")->text(), expected.spanish);
    QCOMPARE(control<QRadioButton>("Opt_FMFrmT01")->text(), expected.t01);
    QCOMPARE(control<QRadioButton>("Opt_TvFrmT02")->text(), expected.t02);
    QCOMPARE(control<QPushButton>("ButtonExit")->text(), expected.exit);
    QCOMPARE(control<QPushButton>("ButtonGo")->text(), expected.go);
    QCOMPARE(control<QGroupBox>("Frm_language")->title(), expected.languageFrame);
    QCOMPARE(control<QGroupBox>("FrmSelectNtc")->title(), expected.selectFrame);
    QCOMPARE(control<QLabel>("LblProgrVer")->text(), VersionLabel);
}

void TestMenu::startsInEnglishWithNoFormChosen()
{
    m_drive.reset();
    m_menu.reset();
    m_menu = std::make_unique<MainMenu>();
    for (const char *name : ControlNames)
        QVERIFY2(m_menu->findChild<QWidget *>(QLatin1String(name)), name);

    QCOMPARE(m_menu->objectName(), QString("MenuFrm"));
    compareTexts(English);
    QCOMPARE(m_menu->language(), Language::English);
    QVERIFY(control<QRadioButton>("Opt_english")->isChecked());
    QVERIFY(!control<QRadioButton>("Opt_french")->isChecked());
    QVERIFY(!control<QRadioButton>("Opt_spanish")->isChecked());
    QVERIFY(!control<QRadioButton>("Opt_FMFrmT01")->isChecked());
    QVERIFY(!control<QRadioButton>("Opt_TvFrmT02")->isChecked());
}

void TestMenu::languageOptionAppliesItsTexts_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<ExpectedTexts>("expected");
    QTest::addColumn<qint16>("code");

    QTest::newRow("French clicked") << "Opt_french" << true << French << qint16(1);
    QTest::newRow("Spanish clicked") << "Opt_spanish" << true << Spanish << qint16(2);
    QTest::newRow("French selected by the program") << "Opt_french" << false << French << qint16(1);
    QTest::newRow("Spanish selected by the program") << "Opt_spanish" << false << Spanish << qint16(2);
    QTest::newRow("English clicked again") << "Opt_english" << true << English << qint16(0);
}

void TestMenu::languageOptionAppliesItsTexts()
{
    QFETCH(QString, option);
    QFETCH(bool, byClick);
    QFETCH(ExpectedTexts, expected);
    QFETCH(qint16, code);

    if (byClick) {
        choose(option.toLatin1().constData());
    } else {
        control<QRadioButton>(option.toLatin1().constData())->setChecked(true);
    }
    compareTexts(expected);
    QCOMPARE(qint16(m_menu->language()), code);
}

void TestMenu::englishAgainRestoresTheEnglishTexts()
{
    choose("Opt_french");
    QCOMPARE(control<QPushButton>("ButtonGo")->text(), QString("OK"));
    QCOMPARE(control<QGroupBox>("Frm_language")->title(), QString("Langue"));

    choose("Opt_english");
    QCOMPARE(control<QPushButton>("ButtonGo")->text(), QString("Go"));
    QCOMPARE(control<QGroupBox>("Frm_language")->title(), QString("Language options"));
    compareTexts(English);
    QCOMPARE(m_menu->language(), Language::English);
}

void TestMenu::languageOptionsAndFormOptionsAreIndependent()
{
    choose("Opt_TvFrmT02");
    choose("Opt_spanish");
    QVERIFY(control<QRadioButton>("Opt_TvFrmT02")->isChecked());
    QVERIFY(!control<QRadioButton>("Opt_english")->isChecked());

    choose("Opt_FMFrmT01");
    QVERIFY(!control<QRadioButton>("Opt_TvFrmT02")->isChecked());
    QVERIFY(control<QRadioButton>("Opt_spanish")->isChecked());
    QCOMPARE(m_menu->language(), Language::Spanish);
}

void TestMenu::goWithoutFormBeepsThenReminds_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("reminder");

    QTest::newRow("English") << "Opt_english" << "Please, choose a notice type";
    QTest::newRow("French") << "Opt_french" << "SVP, choisissez le type de formulaire";
    QTest::newRow("Spanish") << "Opt_spanish" << "Por favor, elija un tipo de formulario";
}

void TestMenu::goWithoutFormBeepsThenReminds()
{
    QFETCH(QString, language);
    QFETCH(QString, reminder);

    choose(language.toLatin1().constData());

    platform::ScopedRecordingAlerts alerts;
    pressGo();

    QCOMPARE(alerts.entries, (Entries{Beep, message("Dravel", reminder)}));
    QVERIFY(m_opened.isEmpty());
    // The menu stays as it was.
    QVERIFY(control<QRadioButton>(language.toLatin1().constData())->isChecked());
    QVERIFY(!control<QRadioButton>("Opt_FMFrmT01")->isChecked());
    QVERIFY(!control<QRadioButton>("Opt_TvFrmT02")->isChecked());
}

void TestMenu::goOpensTheChosenFormAndWaits_data()
{
    QTest::addColumn<QString>("formOption");
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<int>("key"); // pressed on Go when it has the focus; 0 for a click

    QTest::newRow("T01") << "Opt_FMFrmT01" << FormKind::T01 << 0;
    QTest::newRow("T02") << "Opt_TvFrmT02" << FormKind::T02 << 0;
    QTest::newRow("T01, Enter") << "Opt_FMFrmT01" << FormKind::T01 << int(Qt::Key_Return);
    QTest::newRow("T02, Enter of the keypad") << "Opt_TvFrmT02" << FormKind::T02 << int(Qt::Key_Enter);
    QTest::newRow("T01, Space") << "Opt_FMFrmT01" << FormKind::T01 << int(Qt::Key_Space);
}

void TestMenu::goOpensTheChosenFormAndWaits()
{
    QFETCH(QString, formOption);
    QFETCH(FormKind, kind);
    QFETCH(int, key);

    choose(formOption.toLatin1().constData());
    platform::ScopedRecordingAlerts alerts;
    if (key) {
        QVERIFY(QTest::qWaitForWindowActive(m_menu.get()));
        QVERIFY(m_drive->focus("ButtonGo"));
    }

    // The opener stands for the modal window: it runs an event loop of its
    // own, and Go must not go on (nor remind) before it returns.
    bool goReturned = false;
    int alertsWhileOpen = -1;
    m_menu->setFormOpener([&](FormKind opened, Language) {
        m_opened.append(opened);
        QTest::qWait(20);
        alertsWhileOpen = int(alerts.entries.size());
        QVERIFY(!goReturned);
    });
    if (key)
        m_drive->key("ButtonGo", key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    else
        pressGo();
    goReturned = true;

    QCOMPARE(m_opened, QList<FormKind>{kind});
    QCOMPARE(alertsWhileOpen, 0);
    QVERIFY(alerts.entries.isEmpty());
    // The form option stays chosen after the window closes.
    QVERIFY(control<QRadioButton>(formOption.toLatin1().constData())->isChecked());
}

void TestMenu::goTwiceOpensTwoSeparateRuns()
{
    choose("Opt_FMFrmT01");
    pressGo();
    pressGo();
    QCOMPARE(m_opened, (QList<FormKind>{FormKind::T01, FormKind::T01}));
}

void TestMenu::onlyTheLanguageOptionsChangeTheLanguage()
{
    choose("Opt_french");
    QCOMPARE(m_menu->language(), Language::French);

    // Choosing a form, opening it and reminding leave the language alone; the
    // window opened is handed the language chosen.
    platform::ScopedRecordingAlerts alerts;
    pressGo();
    choose("Opt_TvFrmT02");
    pressGo();
    QCOMPARE(m_menu->language(), Language::French);
    QCOMPARE(m_openedLanguages, QList<Language>{Language::French});

    choose("Opt_spanish");
    QCOMPARE(m_menu->language(), Language::Spanish);
    pressGo();
    QCOMPARE(m_openedLanguages, (QList<Language>{Language::French, Language::Spanish}));
}

void TestMenu::exitClosesTheMenu()
{
    QVERIFY(m_menu->isVisible());
    m_drive->click("ButtonExit");
    QVERIFY(!m_menu->isVisible());
}

void TestMenu::controlsSitWhereTheLayoutPutsThem_data()
{
    // Twips at 15 per pixel, rounded to the nearest pixel.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("FrmSelectNtc") << "FrmSelectNtc" << QRect(40, 88, 469, 145);
    QTest::newRow("Opt_FMFrmT01") << "Opt_FMFrmT01" << QRect(16, 32, 377, 22);
    QTest::newRow("Opt_TvFrmT02") << "Opt_TvFrmT02" << QRect(16, 72, 401, 22);
    QTest::newRow("ButtonGo") << "ButtonGo" << QRect(104, 264, 85, 25);
    QTest::newRow("ButtonExit") << "ButtonExit" << QRect(312, 264, 85, 25);
    // Added right of Exit, the window widened for it from 568.
    QTest::newRow("ButtonImport") << "ButtonImport" << QRect(416, 264, 192, 25);
    QTest::newRow("LblProgrVer") << "LblProgrVer" << QRect(16, 304, 473, 17);
    QTest::newRow("Frm_language") << "Frm_language" << QRect(224, 8, 249, 41);
    QTest::newRow("Opt_english") << "Opt_english" << QRect(16, 16, 65, 17);
    // The last two widened from 65 so that "Français" and "Espagnol" show whole.
    QTest::newRow("Opt_french") << "Opt_french" << QRect(96, 16, 72, 17);
    QTest::newRow("Opt_spanish") << "Opt_spanish" << QRect(176, 16, 72, 17);
}

void TestMenu::controlsSitWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    QCOMPARE(m_menu->size(), QSize(624, 352));
    QCOMPARE(m_menu->minimumSize(), m_menu->maximumSize());

    auto *widget = control<QWidget>(name.toLatin1().constData());
    QCOMPARE(widget->geometry(), geometry);
    const bool inSelectFrame = name.startsWith("Opt_FM") || name.startsWith("Opt_Tv");
    const bool inLanguageFrame = QList<QString>{"Opt_english", "Opt_french", "Opt_spanish"}.contains(name);
    const QString parentName = inSelectFrame ? "FrmSelectNtc" : inLanguageFrame ? "Frm_language" : "MenuFrm";
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
}

void TestMenu::tabOrderFollowsTheTabIndexes()
{
    const QStringList order{"Opt_FMFrmT01", "Opt_TvFrmT02", "ButtonGo",   "ButtonExit",
                            "ButtonImport", "Opt_english",  "Opt_french", "Opt_spanish"};
    QStringList chain;
    QWidget *widget = control<QWidget>("Opt_FMFrmT01");
    do {
        if (order.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != control<QWidget>("Opt_FMFrmT01"));
    QCOMPARE(chain, order);

    // Frames and the label are skipped by Tab.
    for (const char *name : {"FrmSelectNtc", "Frm_language", "LblProgrVer"})
        QVERIFY2(!(control<QWidget>(name)->focusPolicy() & Qt::TabFocus), name);
}

void TestMenu::captionsCarryTheirColoursAndFonts()
{
    const QColor green(0, 128, 0);
    const QColor darkBlue(0, 0, 192);
    QCOMPARE(control<QGroupBox>("FrmSelectNtc")->palette().color(QPalette::WindowText), green);
    QCOMPARE(control<QLabel>("LblProgrVer")->palette().color(QPalette::WindowText), green);
    QCOMPARE(control<QGroupBox>("Frm_language")->palette().color(QPalette::WindowText), darkBlue);
    QCOMPARE(control<QLabel>("LblProgrVer")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    // The colour of a frame's caption stays off the options inside it.
    const QColor ordinary = QApplication::palette().color(QPalette::WindowText);
    for (const char *name : {"Opt_FMFrmT01", "Opt_TvFrmT02", "Opt_english", "Opt_french", "Opt_spanish"})
        QCOMPARE(control<QRadioButton>(name)->palette().color(QPalette::WindowText), ordinary);

    for (const char *name : {"Opt_FMFrmT01", "Opt_TvFrmT02"}) {
        const QFont font = control<QRadioButton>(name)->font();
        QCOMPARE(font.pointSizeF(), 9.75);
        QCOMPARE(font.styleHint(), QFont::SansSerif);
    }
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
