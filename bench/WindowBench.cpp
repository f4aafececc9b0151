// The start-up and window set-up figures of notice-bench, with their
// yardsticks measured in turn with them, so that each pair of runs gives one
// ratio and a busy moment weighs on both sides of it.

#include "WindowBench.h"

#include "capture/CaptureWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <memory>
#include <vector>

namespace {

// A program run as a child process and timed from outside, from its start to
// its end, in milliseconds.
double timedChild(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(childEnvironment());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qFatal("%s %s failed", qPrintable(program), qPrintable(arguments.join(QLatin1Char(' '))));
    return milliseconds(timer.nsecsElapsed());
}

// Shows a window and waits until it is exposed and painted; the time taken
// from start, in milliseconds.
double shownAfter(QWidget &window, const QElapsedTimer &start)
{
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the first paint
    return milliseconds(start.nsecsElapsed());
}

// The yardsticks of the window set-up: a window of one widget for each widget
// of the capture window, with the same parents, places and visibility, built,
// shown and painted: what Qt itself needs for so many widgets. Of plain
// widgets (QWidget), or of the same kinds as the capture window's (a line
// edit for a box, a label for a label, ...) bare: no text, font, colour,
// tool tip, rule or filter of the program's own.
class PlainWidgetsWindow
{
public:
    enum Kinds { Plain, SameKinds };

    PlainWidgetsWindow(const QWidget &model, Kinds kinds)
        : m_kinds(kinds)
    {
        add(model, nullptr);
    }
    int count() const { return int(m_layout.size()) - 1; }

    double timedSetUp() const
    {
        QElapsedTimer timer;
        timer.start();
        std::vector<QWidget *> built;
        built.reserve(m_layout.size());
        for (const Place &place : m_layout) {
            QWidget *widget = make(place.kind, place.parent < 0 ? nullptr : built[std::size_t(place.parent)]);
            widget->setGeometry(place.geometry);
            widget->setVisible(place.visible);
            built.push_back(widget);
        }
        const std::unique_ptr<QWidget> window(built.front());
        return shownAfter(*window, timer);
    }

private:
    enum class Kind { Widget, LineEdit, ComboBox, Label, GroupBox, RadioButton, CheckBox, PushButton };

    struct Place
    {
        int parent; // index in m_layout, -1 for the window
        Kind kind;
        QRect geometry;
        bool visible;
    };

    Kind kindOf(const QWidget &widget) const
    {
        if (m_kinds == Plain)
            return Kind::Widget;
        if (qobject_cast<const QLineEdit *>(&widget))
            return Kind::LineEdit;
        if (qobject_cast<const QComboBox *>(&widget))
            return Kind::ComboBox;
        if (qobject_cast<const QLabel *>(&widget))
            return Kind::Label;
        if (qobject_cast<const QGroupBox *>(&widget))
            return Kind::GroupBox;
        if (qobject_cast<const QRadioButton *>(&widget))
            return Kind::RadioButton;
        if (qobject_cast<const QCheckBox *>(&widget))
            return Kind::CheckBox;
        if (qobject_cast<const QPushButton *>(&widget))
            return Kind::PushButton;
        return Kind::Widget;
    }

    static QWidget *make(Kind kind, QWidget *parent)
    {
        switch (kind) {
        case Kind::Widget: break;
        case Kind::LineEdit: return new QLineEdit(parent);
        case Kind::ComboBox: return new QComboBox(parent);
        case Kind::Label: return new QLabel(parent);
        case Kind::GroupBox: return new QGroupBox(parent);
        case Kind::RadioButton: return new QRadioButton(parent);
        case Kind::CheckBox: return new QCheckBox(parent);
        case Kind::PushButton: return new QPushButton(parent);
        }
        return new QWidget(parent);
    }

    void add(const QWidget &widget, const QWidget *window)
    {
        const int index = int(m_layout.size());
        m_layout.push_back({window ? m_index.value(widget.parentWidget(), 0) : -1,
                            window ? kindOf(widget) : Kind::Widget, widget.geometry(), !window || !widget.isHidden()});
        m_index.insert(&widget, index);
        for (const QObject *child : widget.children()) {
            if (child->isWidgetType() && !static_cast<const QWidget *>(child)->isWindow())
                add(*static_cast<const QWidget *>(child), window ? window : &widget);
        }
    }

    Kinds m_kinds;
    std::vector<Place> m_layout;
    QHash<const QWidget *, int> m_index;
};

} // namespace

// From the start of the program to its end once the menu is shown: the
// process start, the libraries, the application object, the menu, its first
// paint and the exit. Beside it, run in turn with it, the yardstick: a bare
// Qt Widgets program that shows one empty window and ends the same way; each
// pair of runs gives one ratio, so a busy moment weighs on both.
void measureStartUp(const Settings &settings, Table &table)
{
    progress(QStringLiteral("start-up..."));
    std::vector<double> samples, bare, ratios;
    for (int run = 0; run <= settings.runs; ++run) {
        const double program = timedChild(settings.program, {QStringLiteral("--quit-after-show")});
        const double yardstick = timedChild(QStringLiteral(BARE_WINDOW_PROGRAM), {});
        if (run == 0) // the first run fills the system's file cache
            continue;
        samples.push_back(program);
        bare.push_back(yardstick);
        ratios.push_back(program / yardstick);
    }
    table.add(QStringLiteral("Start-up to menu shown"), QStringLiteral("ms"), samples, Target::Under, 250);
    table.add(QStringLiteral("  bare Qt program, one empty window shown"), QStringLiteral("ms"), bare);
    table.add(QStringLiteral("Start-up / bare Qt program"), QStringLiteral("ratio"), ratios, Target::Under, 2);
}

// Builds the window (captions, lists, clear, counter, file name) and shows it
// until it is exposed and painted. Beside it, run in turn with it, the
// yardsticks: windows of as many plain widgets and of as many bare widgets of
// the same kinds; each turn gives one ratio.
void measureWindowSetUp(const Settings &settings, FormKind kind, Table &table)
{
    const QString name = kind == FormKind::T01 ? QStringLiteral("T01") : QStringLiteral("T02");
    progress(QStringLiteral("window set-up %1...").arg(name));
    // The model is shown first, so that its layout has placed the scroll
    // area and the form inside it where they are when the window is used.
    CaptureWindow model(kind);
    QElapsedTimer untimed;
    untimed.start();
    shownAfter(model, untimed);
    const PlainWidgetsWindow plain(model, PlainWidgetsWindow::Plain);
    const PlainWidgetsWindow sameKinds(model, PlainWidgetsWindow::SameKinds);
    std::vector<double> samples, plainTimes, sameKindsTimes, plainRatios, sameKindsRatios;
    for (int run = 0; run < settings.runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto window = std::make_unique<CaptureWindow>(kind);
        const double setUp = shownAfter(*window, timer);
        window.reset();
        plainTimes.push_back(plain.timedSetUp());
        sameKindsTimes.push_back(sameKinds.timedSetUp());
        samples.push_back(setUp);
        plainRatios.push_back(setUp / plainTimes.back());
        sameKindsRatios.push_back(setUp / sameKindsTimes.back());
    }
    table.add(QStringLiteral("Window set-up %1 until shown").arg(name), QStringLiteral("ms"), samples, Target::Under,
              60);
    table.add(QStringLiteral("  %1 plain widgets until shown").arg(plain.count()), QStringLiteral("ms"), plainTimes);
    table.add(QStringLiteral("  set-up / plain widgets"), QStringLiteral("ratio"), plainRatios);
    table.add(QStringLiteral("  %1 bare widgets of its kinds until shown").arg(sameKinds.count()), QStringLiteral("ms"),
              sameKindsTimes);
    table.add(QStringLiteral("Window set-up %1 / bare widgets").arg(name), QStringLiteral("ratio"), sameKindsRatios,
              Target::Under, 2);
}
