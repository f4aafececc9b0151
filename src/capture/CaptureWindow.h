#pragma once

#include "capture/ControlTable.h"
#include "form/Language.h"
#include "notice/FormKind.h"
#include "notice/ScreenReader.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QStringList>

class VisibilityRules;
class NoticeFileSession;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// One capture window, FmFrmT01M or TvFrmT02M, built from the control table of
// its form. The window only holds the controls; captions, lists, clears,
// saving, checks and key filters are attached to it by their own classes.
class CaptureWindow : public QDialog, public ScreenReader
{
    Q_OBJECT

public:
    // The window speaks the language given: its captions and tool tips.
    explicit CaptureWindow(FormKind kind, Language language = Language::English, QWidget *parent = nullptr);

    FormKind formKind() const { return m_kind; }

    // The rows this window was built from, in table order.
    const QList<ControlSpec> &controls() const { return m_specs; }

    // The control of that exact name, or nullptr when this form has none.
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    QLineEdit *textBox(const QString &name) const;
    QComboBox *list(const QString &name) const;
    QRadioButton *option(const QString &name) const;
    QCheckBox *checkBox(const QString &name) const;
    QPushButton *button(const QString &name) const;
    QWidget *frame(const QString &name) const;

    // ScreenReader: a text box's text or a list's selected entry; empty for
    // anything else.
    QString text(const QString &name) const override;
    bool isSelected(const QString &name) const override;

    // Returns the named option buttons to "not selected"; a group whose
    // selected option is among them is left with none selected.
    void unselectOptions(const QStringList &names);

    // The show/hide/fill/clear rules of this window (set up with the window).
    VisibilityRules &visibility() const { return *m_visibility; }

    // The output file of this opening: Save/Next, Finish (set up with the window).
    NoticeFileSession &saving() const { return *m_saving; }

public Q_SLOTS:
    // Every way of closing the window without Finish (the close box, Escape,
    // a close from code) ends here: Finish runs first, and the window stays
    // open when it refuses.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QWidget *createControl(const ControlSpec &spec, QWidget *parent);
    void setTabOrderFromIndices();

    FormKind m_kind;
    QList<ControlSpec> m_specs;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, QButtonGroup *> m_optionGroups; // by frame name
    VisibilityRules *m_visibility = nullptr; // child object of the window
    NoticeFileSession *m_saving = nullptr;    // child object of the window
};
