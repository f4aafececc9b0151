#include "NoticeTestSupport.h"

#include "notice/NoticeWriter.h"

#include <QtTest>

class TestNoticeRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshRecordIsEmpty()
    {
        const NoticeRecord record;
        QCOMPARE(nonEmptyFields(record), Fields());
        QCOMPARE(record.eff_hgt.size(), std::size_t(36));
        QCOMPARE(record.attn_h.size(), std::size_t(36));
        QCOMPARE(record.attn_v.size(), std::size_t(36));
        QCOMPARE(record.coord.coord_adm.size(), std::size_t(12));
    }

    void writerFindsNothingInAFreshRecord()
    {
        // Only the notice number, which the caller gives, and the line that
        // stands for the absent antenna sections.
        QCOMPARE(makeNoticeSection(NoticeRecord(), 1),
                 QString("<NOTICE>\r\nNotice No = 1\r\n\r\n</NOTICE>"));
    }

    void coordinationBoxesAreAddressedOneToTwelve_data()
    {
        QTest::addColumn<int>("box");
        QTest::newRow("first") << 1;
        QTest::newRow("fifth") << 5;
        QTest::newRow("last") << 12;
    }

    void coordinationBoxesAreAddressedOneToTwelve()
    {
        QFETCH(int, box);
        NoticeRecord record;
        record.coord.adm(box) = "D";
        QCOMPARE(record.coord.coord_adm.at(std::size_t(box - 1)), QString("D"));
        QCOMPARE(nonEmptyFields(record), Fields({{QString("coord.coord_adm(%1)").arg(box), "D"}}));
    }
};

QTEST_GUILESS_MAIN(TestNoticeRecord)
#include "tst_noticerecord.moc"
