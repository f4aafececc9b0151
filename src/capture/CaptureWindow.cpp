#include "capture/CaptureWindow.h"

#include "capture/CapitalLettersFilter.h"
#include "capture/LeaveBoxGate.h"
#include "capture/NoticeFileSession.h"
#include "capture/NoticeList.h"
#include "capture/OperatorTexts.h"
#include "capture/StatusLine.h"
#include "capture/VisibilityRules.h"
#include "capture/WindowTexts.h"
#include "notice/ProgramVersion.h"
#include "platform/Alerts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

CaptureWindow::CaptureWindow(FormKind kind, Language language, QWidget *parent)
    : QDialog(parent)
    , m_language(language)
{
    setObjectName(windowObjectName(kind));
    setWindowTitle(designTimeTitle(kind));
    addScrollArea();
    m_controls = new FormControls(*this, kind, m_formArea);

    // Texts in the interface language, then the lists, check boxes and a full clear.
    applyToolTips(this, kind, language);
    applyCaptions(this, kind, language);
    applyAccessibleNames(this, kind, language);
    m_visibility = new VisibilityRules(*m_controls);
    m_visibility->initControls();
    m_visibility->reset();
    // Counter, default file name, a run not finished; the version label ends the title.
    m_saving = new NoticeFileSession(*m_controls, *m_visibility);
    m_saving->setUp();
    setWindowTitle(windowTitle() + ProgramVersionLabel);
    connect(m_saving, &NoticeFileSession::finished, this, &QDialog::accept);
    connect(m_controls->button(Control::Button_Reset), &QPushButton::clicked, this, &CaptureWindow::resetChosen);
    installKeyFilters(*m_controls);
    addShortcuts();
    addNoticeList(language);
    addStatusLine();
    arrange();
    // The file name box shows the end of a long name; its tool tip the whole path.
    QLineEdit *fileName = m_controls->textBox(Control::Txt_Filename);
    const auto showPath = [fileName] {
        fileName->setToolTip(fileName->text().isEmpty() ? QString() : QFileInfo(fileName->text()).absoluteFilePath());
    };
    connect(fileName, &QLineEdit::textChanged, this, showPath);
    showPath();
}

void CaptureWindow::addShortcuts()
{
    // Ctrl+S presses Save/Next and Ctrl+Enter Finish, from anywhere in the
    // window. Like a click on the button, the key first leaves the focused
    // box: a box whose text fails its rule keeps the focus and shows why.
    // The button's tool tip names its key on a line of its own.
    const auto bind = [this](QLatin1String name, const QList<QKeySequence> &keys) {
        QPushButton *button = m_controls->button(name);
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, button, [this, button] {
            if (button->isVisible() && button->isEnabled() && LeaveBoxGate::mayLeaveFocusedBox(this))
                button->click();
        });
        button->setToolTip(button->toolTip() + QLatin1Char('\n') + keys.first().toString(QKeySequence::NativeText));
    };
    bind(Control::Button_Next, {QKeySequence(Qt::CTRL | Qt::Key_S)});
    bind(Control::Button_Finish, {QKeySequence(Qt::CTRL | Qt::Key_Enter), QKeySequence(Qt::CTRL | Qt::Key_Return)});
}

void CaptureWindow::addScrollArea()
{
    // The form's controls and the notice list keep their pixel positions in an
    // area at the window's top left. The area scrolls when the window is
    // smaller than it (a small screen, a large scale factor); at full size
    // no scroll bar shows and the form looks as designed. The area itself
    // never takes the focus: a click on a label does not leave a box.
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_formArea = new QWidget;
    m_scrollArea->setWidget(m_formArea);
    // The box that takes the focus comes into view, however it got it. A
    // window that is not painted (a scripted run) has no view to bring it into.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && updatesEnabled() && m_formArea->isAncestorOf(now))
            m_scrollArea->ensureWidgetVisible(now);
    });
}

void CaptureWindow::addNoticeList(Language language)
{
    // The form keeps its area at the top left; the list is added to its right.
    constexpr int Margin = 8;
    constexpr int ListWidth = 340;
    const QSize form(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    m_noticeList = new NoticeList(
        language, [this]() -> const QStringList & { return m_saving->noticeSummaries(); }, m_formArea);
    m_noticeList->setGeometry(form.width(), Margin, ListWidth, form.height() - 2 * Margin);
    m_formArea->resize(form.width() + ListWidth + Margin, form.height());
    connect(m_saving, &NoticeFileSession::noticesChanged, m_noticeList, &NoticeList::noticesChanged);
    connect(m_noticeList, &NoticeList::noticeChosen, m_saving, &NoticeFileSession::correctNotice);
}

void CaptureWindow::addStatusLine()
{
    m_statusLine = new StatusLine(this);
    connect(m_saving, &NoticeFileSession::noticeSaved, this, &CaptureWindow::showSaved);
}

void CaptureWindow::arrange()
{
    // The scrolling area over the status line: the window grows by the line's
    // height. Its full size is the largest it takes.
    constexpr int Margin = 8;
    constexpr int LineHeight = 22;
    constexpr QSize Smallest(320, 240);
    m_statusLine->setContentsMargins(Margin, 0, Margin, 0);
    m_statusLine->setFixedHeight(LineHeight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scrollArea, 1);
    layout->addWidget(m_statusLine);
    const QSize full = m_formArea->size() + QSize(0, LineHeight);
    setMinimumSize(Smallest);
    setMaximumSize(full);
    resize(full);
}

void CaptureWindow::setVisible(bool visible)
{
    if (visible && !m_fitted) {
        m_fitted = true;
        fitToScreen();
    }
    QDialog::setVisible(visible);
}

void CaptureWindow::fitToScreen()
{
    // A window larger than the screen's free area (1366 x 768 at 125 %, say)
    // would lose its bottom and right-hand side: it opens at the size that
    // fits, leaving room for the frame the window manager adds.
    constexpr QSize FrameAllowance(16, 40);
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QSize available = screen->availableGeometry().size();
    if (size().width() + FrameAllowance.width() > available.width()
        || size().height() + FrameAllowance.height() > available.height())
        resize(size().boundedTo(available - FrameAllowance).expandedTo(minimumSize()));
}

void CaptureWindow::showSaved(int number, bool replaced)
{
    // The notice told by its site name and frequency, as the list shows them.
    const QStringList items = m_saving->noticeSummaries().value(number - 1).split(QLatin1Char('\t'));
    QStringList description;
    for (const int column : {5, 4}) {
        if (!items.value(column).isEmpty())
            description << items.value(column);
    }
    const CaptureFile &file = m_saving->captureFile();
    m_statusLine->say(OperatorTexts::savedLine(m_language, number, replaced, description.join(QStringLiteral(", ")),
                                               file.noticeNumber - 1,
                                               QFileInfo(file.store.fileName()).absoluteFilePath()));
}

QString CaptureWindow::finishedSummary() const
{
    const CaptureFile &file = m_saving->captureFile();
    const QString name = file.store.fileName();
    if (!file.finished || name.isEmpty() || !QFileInfo::exists(name))
        return {};
    return OperatorTexts::finishedLine(m_language, file.noticeNumber - 1, QFileInfo(name).absoluteFilePath());
}

void CaptureWindow::resetChosen()
{
    // Reset sits just under Finish: a notice on the screen that no save has
    // written is cleared only when the operator says so. A screen without one
    // resets at once.
    if (m_saving->screenHoldsUnsavedWork()) {
        using namespace OperatorTexts;
        const Question question = resetQuestion(m_language);
        if (platform::alerts().question(this, question.title, question.text, question.answers, ResetNo, ResetNo)
            != ResetYes)
            return;
    }
    m_visibility->reset();
    m_saving->endCorrection();
}

void CaptureWindow::keyPressEvent(QKeyEvent *event)
{
    // A dialog closes on Escape; this window closes only through Finish or its
    // close box, where the output file is completed.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CaptureWindow::closeEvent(QCloseEvent *event)
{
    // The close box is one more way of leaving the focused box: its rule runs
    // first, and a failing box keeps the window open. A close made by the
    // program itself is not the operator's and is not checked.
    if (event->spontaneous() && !LeaveBoxGate::mayLeaveFocusedBox(this)) {
        event->ignore();
        return;
    }
    // QDialog turns the close into reject(), where Finish runs.
    QDialog::closeEvent(event);
}

void CaptureWindow::reject()
{
    if (m_saving && !m_saving->finish())
        return;
    QDialog::reject();
}
