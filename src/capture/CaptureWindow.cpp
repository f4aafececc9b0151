#include "capture/CaptureWindow.h"

#include "capture/CapitalLettersFilter.h"
#include "capture/DraftKeeper.h"
#include "capture/EnterPressesButton.h"
#include "capture/FinishedNoticeFile.h"
#include "capture/LeaveBoxGate.h"
#include "capture/ModalDialogs.h"
#include "capture/NoticeFileSession.h"
#include "capture/NoticeList.h"
#include "capture/OperatorTexts.h"
#include "capture/PatternView.h"
#include "capture/SheetFiles.h"
#include "capture/StatusLine.h"
#include "capture/VisibilityRules.h"
#include "capture/WindowTexts.h"
#include "form/LanguageInstaller.h"
#include "notice/ProgramVersion.h"
#include "platform/Alerts.h"
#include "platform/Settings.h"
#include "report/NoticeReport.h"

#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The column right of the form: the notice list, and the Export button under it.
constexpr int ColumnMargin = 8;
constexpr int NoticeListWidth = 340;
constexpr QSize ExportButtonSize(110, 25);

// Under the form: the polar diagram of each antenna table, under the frame
// of its boxes and as wide.
constexpr int PatternViewHeight = 250;

// Where and how large each form's window was when it last closed.
const platform::Setting<QRect> T01Geometry{"capture/FmFrmT01M/geometry"};
const platform::Setting<QRect> T02Geometry{"capture/TvFrmT02M/geometry"};

const platform::Setting<QRect> &geometrySetting(FormKind kind)
{
    return kind == FormKind::T02 ? T02Geometry : T01Geometry;
}

} // namespace

CaptureWindow::CaptureWindow(FormKind kind, Language language, QWidget *parent)
    : QDialog(parent)
    , m_language(language)
{
    // The texts the program added speak the window's language (tr()).
    installLanguage(language);
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
    // The counter is written by the program: Tab passes it by.
    m_controls->control(Control::Txt_Ntc_Number)->setFocusPolicy(Qt::ClickFocus);
    addShortcuts();
    addNoticeList();
    addExportButton();
    addPatternViews();
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
    // The box that takes the focus comes into view, by the keyboard or the
    // program. A click leaves the view where it is: what was clicked is in
    // view, and moving it under the pointer would lose a double-click (on the
    // notice list, taller than a small screen). A window that is not painted
    // (a scripted run) has no view to bring it into.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && updatesEnabled() && m_formArea->isAncestorOf(now) && QGuiApplication::mouseButtons() == Qt::NoButton)
            m_scrollArea->ensureWidgetVisible(now);
    });
}

void CaptureWindow::addNoticeList()
{
    // The form keeps its area at the top left; the list is added to its
    // right, leaving room below it for the Export button.
    const QSize form(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    m_noticeList
        = new NoticeList([this] { return m_saving->captureFile().store.noticeCount(); },
                         [this](int number) { return m_saving->captureFile().store.summary(number); }, m_formArea);
    m_noticeList->setGeometry(form.width(), ColumnMargin, NoticeListWidth,
                              form.height() - 3 * ColumnMargin - ExportButtonSize.height());
    m_formArea->resize(form.width() + NoticeListWidth + ColumnMargin, form.height());
    connect(m_saving, &NoticeFileSession::noticesChanged, m_noticeList, &NoticeList::noticesChanged);
    connect(m_noticeList, &NoticeList::noticeChosen, this, [this](int number) {
        if (!m_saving->correctNotice(number))
            return;
        m_statusLine->say(OperatorTexts::correctingLine(number, m_saving->captureFile().noticeNumber - 1));
        // The correction is typed on the form, from its top.
        m_controls->focusAndSelect(m_controls->firstFocusableBox());
    });
}

void CaptureWindow::addExportButton()
{
    // Under the notice list, at its right.
    const QRect list = m_noticeList->geometry();
    m_exportButton = new QPushButton(tr("Export..."), m_formArea);
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    m_exportButton->setToolTip(tr("Writes the notices of the file to a spreadsheet: CSV, Excel, OpenDocument or JSON"));
    m_exportButton->setGeometry(
        QRect(QPoint(list.right() + 1 - ExportButtonSize.width(), list.bottom() + 1 + ColumnMargin), ExportButtonSize));
    // Tab reaches it, a click does not take the focus: the focused box keeps
    // it, and its rule does not run, whatever the export does.
    m_exportButton->setFocusPolicy(Qt::TabFocus);
    // Not the window's default button: Enter in a box must not export.
    m_exportButton->setAutoDefault(false);
    connect(m_exportButton, &QPushButton::clicked, this, &CaptureWindow::exportNotices);
    connect(m_saving, &NoticeFileSession::noticesChanged, this, &CaptureWindow::enableExport);
    connect(m_controls->button(Control::Button_Next), &QPushButton::clicked, this, &CaptureWindow::enableExport);
    enableExport();
}

void CaptureWindow::enableExport()
{
    m_exportButton->setEnabled(m_saving->captureFile().fileOpen);
    if (m_printButton)
        m_printButton->setEnabled(m_exportButton->isEnabled());
}

void CaptureWindow::addPatternViews()
{
    // Only the tables the form has get a diagram. Each box tells its diagram
    // of every change of its text, whatever made it.
    const int top = twipsToPixels(ClientHeightTwips) + ColumnMargin;
    for (const Control::AzimuthTableId table : Control::AzimuthTables) {
        QWidget *frame = m_controls->frame(Control::azimuthFrame(table));
        if (!frame)
            continue;
        auto *view = new PatternView(table, frame, m_formArea);
        view->setGeometry(frame->x(), top, frame->width(), PatternViewHeight);
        for (int index = 0; index < Control::AzimuthCount; ++index) {
            if (QLineEdit *box = m_controls->textBox(Control::azimuthBox(table, index))) {
                connect(box, &QLineEdit::textChanged, view,
                        [view, index](const QString &text) { view->setEntry(index, text); });
                view->setEntry(index, box->text());
            }
        }
        m_patternViews << view;
    }
    if (!m_patternViews.isEmpty())
        m_formArea->resize(m_formArea->width(), top + PatternViewHeight + ColumnMargin);

    // The Print button left of Export, like it.
    m_printButton = new QPushButton(tr("Print..."), m_formArea);
    m_printButton->setObjectName(QStringLiteral("printButton"));
    m_printButton->setToolTip(tr("Prints the report of the file: its notices, their items and antenna patterns "
                                 "(or writes it as a PDF file)"));
    m_printButton->setGeometry(m_exportButton->geometry().translated(-ExportButtonSize.width() - ColumnMargin, 0));
    m_printButton->setFocusPolicy(Qt::TabFocus);
    m_printButton->setAutoDefault(false);
    connect(m_printButton, &QPushButton::clicked, this, &CaptureWindow::printReport);
    // Tab reaches Print, then Export, as they stand from left to right.
    // The list's filter box, left of the buttons under the list.
    auto *filter = new QLineEdit(m_formArea);
    filter->setObjectName(QStringLiteral("noticeFilter"));
    filter->setPlaceholderText(tr("Filter"));
    filter->setToolTip(tr("Shows only the notices whose frequency or site name holds this text."));
    filter->setAccessibleName(tr("Filter the notices"));
    filter->setClearButtonEnabled(true);
    const QRect list = m_noticeList->geometry();
    filter->setGeometry(QRect(QPoint(list.left(), m_printButton->y()),
                              QPoint(m_printButton->x() - ColumnMargin - 1, m_printButton->geometry().bottom())));
    connect(filter, &QLineEdit::textChanged, m_noticeList, &NoticeList::setFilterText);
    setTabOrder(m_noticeList, filter);
    setTabOrder(filter, m_printButton);
    setTabOrder(m_printButton, m_exportButton);
    enableExport();
}

void CaptureWindow::setPatternViewsShown(bool shown)
{
    for (PatternView *view : std::as_const(m_patternViews))
        view->setWanted(shown);
}

void CaptureWindow::printReport()
{
    // The file as Finish would end it, checked before any dialog shows.
    const QString noticeFile = QFileInfo(m_saving->captureFile().store.fileName()).absoluteFilePath();
    QString error;
    std::optional<QByteArray> bytes = FinishedNoticeFile::read(noticeFile, &error);
    const auto refused = [this](const QString &why) {
        platform::alerts().exclamation(this, tr("Print"), tr("The report was not printed: %1").arg(why));
    };
    if (!bytes) {
        refused(error);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(noticeFile).fileName());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the report"));
    if (modalDialogs().exec(dialog) != QDialog::Accepted)
        return;
    QBuffer input(&*bytes);
    input.open(QIODevice::ReadOnly);
    const NoticeReportResult result
        = writeNoticeReport(input, printer, {m_language, QFileInfo(noticeFile).fileName()}, {});
    if (result.outcome != NoticeReportResult::Written) {
        refused(result.error);
        return;
    }
    const QString pages = QString::number(result.pages);
    m_statusLine->say(tr("Report of %n notice(s) printed: %1 pages", nullptr, result.notices).arg(pages));
}

void CaptureWindow::exportNotices()
{
    const QFileInfo noticeFile(m_saving->captureFile().store.fileName());
    const ModalDialogs::SaveChoice chosen = modalDialogs().saveFileName(
        this, tr("Export the notices"),
        noticeFile.absoluteDir().filePath(noticeFile.completeBaseName() + QStringLiteral(".csv")),
        SheetFiles::filters());
    if (chosen.path.isEmpty())
        return;
    QString error;
    const std::optional<int> count = SheetFiles::exportNoticeFile(
        noticeFile.absoluteFilePath(), SheetFiles::formatChosen(chosen.path, chosen.filter), chosen.path, &error);
    if (!count) {
        platform::alerts().exclamation(this, tr("Export"), tr("The notices were not exported: %1").arg(error));
        return;
    }
    const QString path = QFileInfo(chosen.path).absoluteFilePath();
    m_statusLine->say(tr("%n notice(s) exported to %1", nullptr, *count).arg(path));
}

void CaptureWindow::addStatusLine()
{
    m_statusLine = new StatusLine(this);
    connect(m_saving, &NoticeFileSession::noticeSaved, this, &CaptureWindow::showSaved);
    connect(m_saving, &NoticeFileSession::leftoversRemoved, this, &CaptureWindow::noteLeftoversRemoved);
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
    if (!visible && isVisible())
        geometrySetting(formKind()).setValue(geometry());
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
    // Where the operator left it last time, whole on this screen.
    const QRect remembered = geometrySetting(formKind()).value();
    if (remembered.isValid()) {
        const QRect kept = platform::keptOnScreen(remembered, screen->availableGeometry());
        setGeometry(QRect(kept.topLeft(), kept.size().boundedTo(maximumSize()).expandedTo(minimumSize())));
        return;
    }
    const QSize available = screen->availableGeometry().size();
    if (size().width() + FrameAllowance.width() > available.width()
        || size().height() + FrameAllowance.height() > available.height())
        resize(size().boundedTo(available - FrameAllowance).expandedTo(minimumSize()));
}

void CaptureWindow::showSaved(int number, bool replaced)
{
    // The notice told by its site name and frequency, as the list shows them.
    const QStringList items = m_saving->captureFile().store.summary(number).split(QLatin1Char('\t'));
    QStringList description;
    for (const int column : {5, 4}) {
        if (!items.value(column).isEmpty())
            description << items.value(column);
    }
    const CaptureFile &file = m_saving->captureFile();
    QString line = OperatorTexts::savedLine(number, replaced, description.join(QStringLiteral(", ")),
                                            file.noticeNumber - 1, QFileInfo(file.store.fileName()).absoluteFilePath());
    if (!m_leftoversNote.isEmpty())
        line += QStringLiteral(" - ") + m_leftoversNote;
    m_statusLine->say(line);
}

void CaptureWindow::noteLeftoversRemoved(const QStringList &files)
{
    m_leftoversNote
        = tr("%n hidden file(s) left beside the file by a run stopped midway removed", nullptr, int(files.size()));
    m_statusLine->say(m_leftoversNote);
    // A save that starts the file says it again with its own line, in this
    // same event; an opened file has only this line.
    QTimer::singleShot(0, this, [this] { m_leftoversNote.clear(); });
}

QString CaptureWindow::finishedSummary() const
{
    const CaptureFile &file = m_saving->captureFile();
    const QString name = file.store.fileName();
    if (!file.finished || name.isEmpty() || !QFileInfo::exists(name))
        return {};
    return OperatorTexts::finishedLine(file.noticeNumber - 1, QFileInfo(name).absoluteFilePath());
}

void CaptureWindow::resetChosen()
{
    // Reset sits just under Finish: a notice on the screen that no save has
    // written is cleared only when the operator says so. A screen without one
    // resets at once.
    if (m_saving->screenHoldsUnsavedWork()) {
        const OperatorTexts::Question question = OperatorTexts::resetQuestion();
        if (platform::alerts().question(this, question.title, question.text, question.answers, OperatorTexts::ResetNo,
                                        OperatorTexts::ResetNo)
            != OperatorTexts::ResetYes)
            return;
    }
    m_visibility->reset();
    if (m_saving->noticeBeingCorrected())
        m_statusLine->say({});
    m_saving->endCorrection();
    // The next notice starts at the top of the form.
    m_controls->focusAndSelect(m_controls->firstFocusableBox());
    if (m_drafts)
        m_drafts->discard();
}

void CaptureWindow::keepDrafts()
{
    if (m_drafts)
        return;
    m_drafts = new DraftKeeper(*m_controls, *m_visibility, *m_saving);
    connect(m_drafts, &DraftKeeper::said, m_statusLine, &StatusLine::say);
}

void CaptureWindow::offerNewFileDrafts()
{
    if (m_drafts)
        m_drafts->offerNewFileDrafts();
}

void CaptureWindow::done(int result)
{
    if (m_drafts)
        m_drafts->stop();
    QDialog::done(result);
}

void CaptureWindow::keyPressEvent(QKeyEvent *event)
{
    // A dialog closes on Escape; this window closes only through Finish or its
    // close box, where the output file is completed.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    if (pressFocusedButtonOnEnter(this, event))
        return;
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
