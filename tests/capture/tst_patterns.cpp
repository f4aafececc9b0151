// The polar diagrams under the antenna grids follow the boxes, whatever puts
// a text there, and mark a value that jumps from both neighbours; Print...
// writes the report of the file through the print dialog's seam.

#include "SavingFixture.h"

#include "capture/CaptureApplication.h"
#include "capture/ModalDialogs.h"
#include "capture/PatternView.h"
#include "capture/StatusLine.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

using namespace Control;

class TstPatterns : public QObject, private SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    // Both forms have the three tables, so both show the three diagrams,
    // under the form: no control moves.
    void everyTableHasItsDiagram_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::newRow("T01") << FormKind::T01;
        QTest::newRow("T02") << FormKind::T02;
    }

    void everyTableHasItsDiagram()
    {
        QFETCH(FormKind, kind);
        CaptureWindow &window = open(kind);
        QCOMPARE(window.patternViews().size(), 3);
        for (PatternView *view : window.patternViews()) {
            QVERIFY(view->isVisible());
            QVERIFY(!view->accessibleName().isEmpty());
            QVERIFY(view->y() >= twipsToPixels(ClientHeightTwips));
        }
    }

    // A spike of 25 dB among values of 2 dB, typed key by key or put there
    // by the program (a correction, an import): marked, and said in the
    // description; a value that does not read as a number is not drawn.
    void spikeIsMarked_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("typed") << true;
        QTest::newRow("put by the program") << false;
    }

    void spikeIsMarked()
    {
        QFETCH(bool, typed);
        CaptureWindow &window = open(FormKind::T01);
        PatternView *view = window.findChild<PatternView *>("patternView9NH");
        QVERIFY(view);
        const auto enter = [&](int index, const QString &text) {
            const QString box = azimuthBox(AzimuthTableId::HorizontalPattern, index);
            // Typing replaces the box's text, as over a selected text.
            return typed ? window.controls().setText(box, QString()) && m_drive->type(box, text)
                         : window.controls().setText(box, text);
        };
        for (int index = 0; index < 6; ++index)
            QVERIFY(enter(index, index == 3 ? "25" : "2"));
        QCOMPARE(view->pattern().points.size(), 6);
        QCOMPARE(view->pattern().marked, QList<int>{3});
        QVERIFY2(view->description().endsWith("marked: 30°"), qPrintable(view->description()));
        QCOMPARE(view->accessibleDescription(), view->description());

        QVERIFY(enter(3, "3"));
        QVERIFY(view->pattern().marked.isEmpty());
        QVERIFY(enter(4, "X"));
        QCOMPARE(view->pattern().points.size(), 5);
        QCOMPARE(view->pattern().runs.size(), 2);
    }

    // Print... on a file being written: the print dialog (answered here by
    // printing to a PDF file) and the report of its notices so far.
    void printWritesTheReport()
    {
        CaptureWindow &window = open(FormKind::T01);
        QVERIFY(!window.printButton().isEnabled());
        QVERIFY(m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5")));
        QVERIFY(m_drive->saveNext());
        QVERIFY(window.printButton().isEnabled());

        AnsweringDialogs dialogs;
        const QString pdf = path("report.pdf");
        dialogs.onDialog = [&pdf](QDialog &dialog) {
            auto *print = qobject_cast<QPrintDialog *>(&dialog);
            if (!print)
                return int(QDialog::Rejected);
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        };
        QVERIFY(m_drive->click("printButton"));
        QVERIFY2(m_alerts->entries.isEmpty(), qPrintable(m_alerts->messages().value(0).text));
        QCOMPARE(window.statusLine().wholeText(), QString("Report of 1 notice printed: 2 pages"));
        QVERIFY(contents(pdf).startsWith("%PDF"));
    }
};

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TstPatterns test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_patterns.moc"
