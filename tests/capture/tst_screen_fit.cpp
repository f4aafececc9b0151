// The capture windows on the screen: at full size the form as designed, on a
// small screen a window that fits and scrolls to the box in use.

#include "ScreenActs.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

class TstScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { verifyNoWindowLeftOpen(); }

    void fullSizeShowsTheFormWithoutScrolling_data() { addBothForms(); }
    void fullSizeShowsTheFormWithoutScrolling();
    void smallScreenFitsAndScrollsToTheFocus_data();
    void smallScreenFitsAndScrollsToTheFocus();
};

void TstScreenFit::fullSizeShowsTheFormWithoutScrolling()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);
    window->resize(window->maximumSize());
    QTRY_COMPARE(window->size(), window->maximumSize());
    QWidget *area = window->scrollArea().widget();
    QTRY_COMPARE(window->scrollArea().viewport()->size(), area->size());
    QCOMPARE(area->mapTo(window.get(), QPoint(0, 0)), QPoint(0, 0));
    QVERIFY(!window->scrollArea().horizontalScrollBar()->isVisible());
    QVERIFY(!window->scrollArea().verticalScrollBar()->isVisible());
}

void TstScreenFit::smallScreenFitsAndScrollsToTheFocus_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("box");
    QTest::newRow("T01 internal remarks, bottom right") << FormKind::T01 << "Txt_Internal_Rmks";
    QTest::newRow("T02 last azimuth, bottom") << FormKind::T02 << "Txt_9NVAzm350";
}

// The offscreen screen (800 x 800) is narrower than the window.
void TstScreenFit::smallScreenFitsAndScrollsToTheFocus()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, box);
    auto window = openWindow(kind);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QSize screen = window->screen()->availableGeometry().size();
    QVERIFY(window->width() < screen.width() && window->height() < screen.height());
    QTRY_VERIFY(window->scrollArea().verticalScrollBar()->isVisible());

    WindowDriver drive(*window);
    QVERIFY(drive.focus(box));
    QWidget *viewport = window->scrollArea().viewport();
    QWidget *focused = window->control(box);
    // The start of the box, where the typing shows, is in view.
    const QRect start(focused->mapTo(viewport, QPoint(0, 0)), QSize(10, focused->height()));
    QVERIFY2(viewport->rect().contains(start), qPrintable(box));
}

QTEST_MAIN(TstScreenFit)
#include "tst_screen_fit.moc"
