#include "NoticeTestSupport.h"

#include "form/ScreenBinding.h"

#include <QtTest>

// Finding, in a collected record, the first character that the notice file
// cannot carry, and the box it was typed in.
class TestUnencodable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheBox_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Fields>("texts");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("character");

        const QStringList add{"OptInt_Add"};
        const auto withAdm = [](const Fields &more) { return merged({{"Txt_B_Adm", "F"}}, more); };
        QTest::newRow("everything encodable")
            << int(FormKind::T01)
            << withAdm({{"Txt_4A_SiteName", QString::fromUtf8("Évry Œuvre € “quoted”")},
                    {"Txt_notified_Rmks", QString::fromUtf8("Ünïcödé ß ÿ")}})
            << add << QString() << QString();
        QTest::newRow("site name")
            << int(FormKind::T01) << withAdm({{"Txt_4A_SiteName", QString::fromUtf8("Москва")}}) << add
            << "Txt_4A_SiteName" << QString::fromUtf8("М");
        QTest::newRow("administration")
            << int(FormKind::T02) << Fields{{"Txt_B_Adm", QString::fromUtf8("Ω")}} << add << "Txt_B_Adm"
            << QString::fromUtf8("Ω");
        QTest::newRow("a character outside the basic plane")
            << int(FormKind::T01) << withAdm({{"Txt_Internal_Rmks", QString::fromUtf8("ok \U0001F4E1")}}) << add
            << "Txt_Internal_Rmks" << QString::fromUtf8("\U0001F4E1");
        QTest::newRow("remarks come before the site")
            << int(FormKind::T01)
            << withAdm({{"Txt_4A_SiteName", QString::fromUtf8("Győr")}, {"Txt_notified_Rmks", QString::fromUtf8("Kő")}})
            << add << "Txt_notified_Rmks" << QString::fromUtf8("ő");
        QTest::newRow("suppression: the target box, not the copy")
            << int(FormKind::T02) << withAdm({{"Txt_TrgAdmRefID", QString::fromUtf8("ЖX")}}) << QStringList{"OptInt_Sup"}
            << "Txt_TrgAdmRefID" << QString::fromUtf8("Ж");
        QTest::newRow("T01 transmission system")
            << int(FormKind::T01) << withAdm({{"Txt_7D_TranSys", QString::fromUtf8("Ж")}}) << add
            << "Txt_7D_TranSys" << QString::fromUtf8("Ж");
        QTest::newRow("T02 television system")
            << int(FormKind::T02) << withAdm({{"Txt_7C1_TvSys", QString::fromUtf8("Ж")}}) << add
            << "Txt_7C1_TvSys" << QString::fromUtf8("Ж");
        QTest::newRow("day of the notification date")
            << int(FormKind::T01)
            << withAdm({{"Txt_Ntc_YY", "2005"}, {"Txt_Ntc_MM", "12"}, {"Txt_Ntc_DD", QString::fromUtf8("٧")}}) << add
            << "Txt_Ntc_DD" << QString::fromUtf8("٧");
        QTest::newRow("month of the notification date")
            << int(FormKind::T01)
            << withAdm({{"Txt_Ntc_YY", "2005"}, {"Txt_Ntc_MM", QString::fromUtf8("١٢")}, {"Txt_Ntc_DD", "7"}}) << add
            << "Txt_Ntc_MM" << QString::fromUtf8("١");
        QTest::newRow("year of bringing into use")
            << int(FormKind::T02)
            << withAdm({{"Txt_2C_YY", QString::fromUtf8("२००५")}, {"Txt_2C_MM", "1"}, {"Txt_2C_DD", "1"}}) << add
            << "Txt_2C_YY" << QString::fromUtf8("२");
        QTest::newRow("end of the operating hours")
            << int(FormKind::T01) << withAdm({{"Txt_10B_Ophhto", QString::fromUtf8("２２")}}) << add
            << "Txt_10B_Ophhto" << QString::fromUtf8("２");
        QTest::newRow("coordination box 7")
            << int(FormKind::T01) << withAdm({{"Txt_11_Adm7", QString::fromUtf8("Ч")}}) << add << "Txt_11_Adm7"
            << QString::fromUtf8("Ч");
        QTest::newRow("vertical pattern at 350 degrees")
            << int(FormKind::T02)
            << withAdm({{"Combo_9_AntDir", "D"}, {"Combo_9D_Polariz", "V"}, {"Txt_9NVAzm350", QString::fromUtf8("−3")}})
            << add << "Txt_9NVAzm350" << QString::fromUtf8("−");
        QTest::newRow("a box that is not collected is not looked at")
            << int(FormKind::T01)
            << withAdm({{"Combo_9_AntDir", "ND"}, {"Combo_9D_Polariz", "H"}, {"Txt_9NHAzm000", QString::fromUtf8("−3")}})
            << add << QString() << QString();
    }

    void findsTheBox()
    {
        QFETCH(int, kind);
        QFETCH(Fields, texts);
        QFETCH(QStringList, selected);
        QFETCH(QString, control);
        QFETCH(QString, character);
        const MapScreen screen(FormKind(kind), texts, selected);
        NoticeRecord record;
        collectScreen(record, screen, FormKind(kind));
        QCOMPARE(screen.unknownNames(), QStringList());

        const std::optional<UnencodableField> found = findUnencodableField(record);
        QCOMPARE(found.has_value(), !control.isEmpty());
        if (!found)
            return;
        QCOMPARE(found->controlName, control);
        QCOMPARE(found->character, character);
        QVERIFY2(found->description.startsWith("\"" + character + "\" (U+"), qPrintable(found->description));
    }
};

QTEST_GUILESS_MAIN(TestUnencodable)
#include "tst_unencodable.moc"
