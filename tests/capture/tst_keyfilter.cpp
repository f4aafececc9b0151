// The capital-letter filter of the capture windows: which boxes turn typed
// small letters into capitals, and what it leaves alone (other boxes, editing
// keys, pasted text and the program's own texts).

#include "WindowDriver.h"

#include "capture/CaptureWindow.h"
#include "capture/CapitalLettersFilter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>

Q_DECLARE_METATYPE(FormKind)

class TestKeyFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filteredBoxes_data();
    void filteredBoxes();
    void typing_data();
    void typing();
    void composedLetters_data();
    void composedLetters();
    void editingKeysStillEdit();
    void pastedAndProgramTextUnchanged();
};

void TestKeyFilter::filteredBoxes_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QStringList>("boxes");

    QStringList both = { "Txt_B_Adm", "Txt_3A1_CallSign", "Txt_3A2_StationID", "Txt_4A_SiteName",
                         "Txt_4B_GeoArea", "Txt_4C_NS", "Txt_4C_EW", "Txt_04C_NS", "Txt_04C_EW",
                         "Txt_12B_AddrCde", "Txt_11_Adm1", "Txt_11_Adm2", "Txt_11_Adm3", "Txt_11_Adm4",
                         "Txt_11_Adm5", "Txt_11_Adm6", "Txt_11_Adm7", "Txt_11_Adm8", "Txt_11_Adm9",
                         "Txt_11_Adm10", "Txt_11_Adm11", "Txt_11_Adm12" };
    QTest::newRow("T01: 22 boxes") << FormKind::T01 << both;
    QTest::newRow("T02: 23 boxes") << FormKind::T02 << (both << "Txt_7C1_TvSys");
}

// Every box of the form: the listed ones turn "a" into "A", all others keep "a".
void TestKeyFilter::filteredBoxes()
{
    QFETCH(FormKind, kind);
    QFETCH(QStringList, boxes);

    QCOMPARE(capitalLetterBoxes(kind).size(), boxes.size());
    CaptureWindow window(kind);
    for (const QString &name : boxes)
        QVERIFY2(window.textBox(name), qPrintable(name));

    WindowDriver drive(window);
    for (QLineEdit *box : window.findChildren<QLineEdit *>()) {
        if (box->isReadOnly())
            continue;
        box->clear();
        drive.type(box->objectName(), "a");
        const QString expected = boxes.contains(box->objectName()) ? "A" : "a";
        QVERIFY2(box->text() == expected, qPrintable(box->objectName() + ": " + box->text()));
    }
}

void TestKeyFilter::typing_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("n in the site hemisphere") << FormKind::T01 << "Txt_4C_NS" << "n" << "N";
    QTest::newRow("e in the target hemisphere") << FormKind::T01 << "Txt_04C_EW" << "e" << "E";
    QTest::newRow("d in coordination 1") << FormKind::T02 << "Txt_11_Adm1" << "d" << "D";
    QTest::newRow("digit let through") << FormKind::T01 << "Txt_B_Adm" << "f1" << "F1";
    QTest::newRow("length limit still applies") << FormKind::T01 << "Txt_B_Adm" << "fran" << "FRA";
    QTest::newRow("punctuation and blanks") << FormKind::T01 << "Txt_3A2_StationID" << "ab-1 c/d" << "AB-1 C/D";
    QTest::newRow("accented letter") << FormKind::T01 << "Txt_4A_SiteName"
                                     << QString::fromUtf8("génève") << QString::fromUtf8("GÉNÈVE");
    QTest::newRow("sharp s keeps the first capital") << FormKind::T02 << "Txt_4A_SiteName"
                                                     << QString::fromUtf8("straße") << "STRASE";
    QTest::newRow("capital the file cannot hold") << FormKind::T01 << "Txt_4A_SiteName"
                                                  << QString::fromUtf8("µa") << QString::fromUtf8("µA");
    QTest::newRow("capitals unchanged") << FormKind::T01 << "Txt_4B_GeoArea" << "FRA" << "FRA";
    QTest::newRow("television system on T02") << FormKind::T02 << "Txt_7C1_TvSys" << "bg" << "BG";
    QTest::newRow("frequency keeps small letters") << FormKind::T01 << "Txt_1A_FreqAssgn" << "12a" << "12a";
    QTest::newRow("azimuth box keeps small letters") << FormKind::T02 << "Txt_9EC_azm010" << "1e2" << "1e2";
    QTest::newRow("target reference keeps small letters") << FormKind::T01 << "Txt_TrgAdmRefID" << "ref" << "ref";
}

void TestKeyFilter::typing()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    CaptureWindow window(kind);
    QVERIFY(WindowDriver(window).type(control, typed));
    QCOMPARE(window.text(control), shown);
}

// A letter composed with a dead key reaches the box as committed text.
void TestKeyFilter::composedLetters_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("accent in a filtered box") << "Txt_4A_SiteName" << QString::fromUtf8("é")
                                              << QString::fromUtf8("É");
    QTest::newRow("unfiltered box unchanged") << "Txt_1A_FreqAssgn" << QString::fromUtf8("é")
                                              << QString::fromUtf8("é");
}

void TestKeyFilter::composedLetters()
{
    QFETCH(QString, control);
    QFETCH(QString, committed);
    QFETCH(QString, shown);

    CaptureWindow window(FormKind::T01);
    QLineEdit *box = window.textBox(control);
    QVERIFY(box);
    QInputMethodEvent event;
    event.setCommitString(committed);
    QCoreApplication::sendEvent(box, &event);
    QCOMPARE(box->text(), shown);
}

void TestKeyFilter::editingKeysStillEdit()
{
    CaptureWindow window(FormKind::T01);
    WindowDriver drive(window);
    const QString site = Control::Txt_4A_SiteName;

    drive.type(site, "abc");
    QCOMPARE(drive.text(site), QString("ABC"));
    drive.key(site, Qt::Key_Left);
    drive.key(site, Qt::Key_Backspace);
    QCOMPARE(drive.text(site), QString("AC"));
    drive.key(site, Qt::Key_Delete);
    QCOMPARE(drive.text(site), QString("A"));
    drive.key(site, Qt::Key_Home);
    drive.type(site, "z");
    QCOMPARE(drive.text(site), QString("ZA"));
    drive.key(site, Qt::Key_A, Qt::ControlModifier); // select all, not a capital A
    drive.key(site, Qt::Key_Backspace);
    QCOMPARE(drive.text(site), QString());
}

void TestKeyFilter::pastedAndProgramTextUnchanged()
{
    CaptureWindow window(FormKind::T01);
    QLineEdit *box = window.textBox("Txt_4A_SiteName");
    QVERIFY(box);

    box->setText("set by program");
    QCOMPARE(box->text(), QString("set by program"));

    box->clear();
    QGuiApplication::clipboard()->setText("pasted");
    WindowDriver(window).key(Control::Txt_4A_SiteName, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QString("pasted"));
}

QTEST_MAIN(TestKeyFilter)
#include "tst_keyfilter.moc"
