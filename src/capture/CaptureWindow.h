#pragma once

#include "capture/FormControls.h"
#include "form/Language.h"
#include "notice/FormKind.h"

#include <QDialog>

class DraftKeeper;
class NoticeFileSession;
class NoticeList;
class PatternView;
class QPushButton;
class QScrollArea;
class StatusLine;
class VisibilityRules;

// One capture window, FmFrmT01M or TvFrmT02M. Its controls are built from the
// field catalogue of its form (FormControls); the captions, the show/hide and
// clear rules, the saving and the key filter are attached to them by their own
// classes, which reach the controls, never the window. The window itself asks
// before Reset clears a notice that is not saved.
class CaptureWindow : public QDialog
{
    Q_OBJECT

public:
    // The window speaks the language given: its captions and tool tips.
    explicit CaptureWindow(FormKind kind, Language language = Language::English, QWidget *parent = nullptr);

    FormKind formKind() const { return m_controls->formKind(); }

    // The controls of the window by name, and the screen they make.
    FormControls &controls() const { return *m_controls; }
    QWidget *control(const QString &name) const { return m_controls->control(name); }
    QLineEdit *textBox(const QString &name) const { return m_controls->textBox(name); }
    QComboBox *list(const QString &name) const { return m_controls->list(name); }
    QRadioButton *option(const QString &name) const { return m_controls->option(name); }
    QCheckBox *checkBox(const QString &name) const { return m_controls->checkBox(name); }
    QPushButton *button(const QString &name) const { return m_controls->button(name); }
    QWidget *frame(const QString &name) const { return m_controls->frame(name); }
    QString text(const QString &name) const { return m_controls->text(name); }
    bool isSelected(const QString &name) const { return m_controls->isSelected(name); }
    void unselectOptions(const QStringList &names) { m_controls->unselectOptions(names); }

    // The show/hide/fill/clear rules of this window.
    VisibilityRules &visibility() const { return *m_visibility; }

    // The output file of this opening: Save/Next, Finish.
    NoticeFileSession &saving() const { return *m_saving; }

    // The area that scrolls: the form at its top left, the list to its right.
    QScrollArea &scrollArea() const { return *m_scrollArea; }

    // The notices of the output file, beside the form.
    NoticeList &noticeList() const { return *m_noticeList; }

    // What the last save did, on a line under the form.
    StatusLine &statusLine() const { return *m_statusLine; }

    // Under the notice list: writes the notices of the file, as far as it
    // goes, to a spreadsheet file; enabled once the window has a file.
    QPushButton &exportButton() const { return *m_exportButton; }
    // Beside it: prints the report of the file (or writes it as a PDF file)
    // through the print dialog; enabled with Export.
    QPushButton &printButton() const { return *m_printButton; }

    // Under the form, one under each antenna table: its polar diagram.
    const QList<PatternView *> &patternViews() const { return m_patternViews; }
    // Shows or hides the diagrams (they show unless told otherwise).
    void setPatternViewsShown(bool shown);

    // Once the run is finished: how many notices its file holds, and where;
    // empty when no file was written.
    QString finishedSummary() const;

    // An operator's window keeps what is typed in a draft until it is saved
    // (see DraftKeeper); a draft left for a file opened later is offered
    // then. Windows of scripted runs, imports and screenshots keep none.
    void keepDrafts();
    // The keeper of the drafts, or nullptr when the window keeps none.
    DraftKeeper *drafts() const { return m_drafts; }
    // For a window on a new file: offers the drafts of new files never saved.
    void offerNewFileDrafts();

public Q_SLOTS:
    // Every way of closing the window without Finish (the close box, Escape,
    // a close from code) ends here: Finish runs first, and the window stays
    // open when it refuses.
    void reject() override;
    // The window closes once Finish has run: its draft is no longer needed.
    void done(int result) override;
    // The first showing fits the window to the screen.
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void addScrollArea();
    void arrange();
    void fitToScreen();
    void addShortcuts();
    void resetChosen();
    void addNoticeList();
    void addExportButton();
    void addPatternViews();
    void addStatusLine();
    void showSaved(int number, bool replaced);
    void noteLeftoversRemoved(const QStringList &files);
    void enableExport();
    void exportNotices();
    void printReport();

    Language m_language;
    bool m_fitted = false;                   // fitted to the screen at its first showing
    QScrollArea *m_scrollArea = nullptr;     // child widget of the window
    QWidget *m_formArea = nullptr;           // in the scroll area: the form and the list
    FormControls *m_controls = nullptr;      // child object of the window
    VisibilityRules *m_visibility = nullptr; // child object of the window
    NoticeFileSession *m_saving = nullptr;   // child object of the window
    NoticeList *m_noticeList = nullptr;      // child widget of the window
    QPushButton *m_exportButton = nullptr;   // child widget of the window
    QPushButton *m_printButton = nullptr;    // child widget of the window
    QList<PatternView *> m_patternViews;     // child widgets of the window
    StatusLine *m_statusLine = nullptr;      // child widget of the window
    DraftKeeper *m_drafts = nullptr;         // child object of the saving, when kept
    QString m_leftoversNote;                 // said with the save that started the file
};
