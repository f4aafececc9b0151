#pragma once

#include "form/FieldCatalogue.h"
#include "form/Screen.h"
#include "notice/FormKind.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The controls of one capture window, built from the field catalogue of its
// form and reached by name. It is what the rules attached to a window (the
// show/hide/clear rules, the saving, the leave-box gate, the key filter) know
// of it; none of them needs the window class itself.
//
// It also reads and writes the screen by control name for the binding between
// the screen and the notice record.
class FormControls : public QObject, public ScreenReader, public ScreenWriter
{
    Q_OBJECT

public:
    // Builds the form's controls in the area given (the window itself when
    // none is), at their positions from its top left. The window owns this
    // object.
    FormControls(QWidget &window, FormKind kind, QWidget *area = nullptr);

    // The form controls of a capture window; nullptr for any other window.
    static FormControls *of(const QWidget *window);

    FormKind formKind() const { return m_kind; }
    QWidget &window() const { return m_window; }

    // The catalogue rows this window was built from, in build order.
    const QList<ControlSpec> &specs() const { return controlTable(m_kind); }

    // The control of that exact name, or nullptr when this form has none.
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    QLineEdit *textBox(const QString &name) const;
    QComboBox *list(const QString &name) const;
    QRadioButton *option(const QString &name) const;
    QCheckBox *checkBox(const QString &name) const;
    QPushButton *button(const QString &name) const;
    QWidget *frame(const QString &name) const;
    // How messages name a control: as a screen reader says it ("4A Name of
    // the location of the transmitting station"), in the window's language;
    // an option or check box by its caption; by its name when it has none or
    // the form has no such control.
    QString labelOf(const QString &name) const;

    // ScreenReader: a text box's text or a list's selected entry; empty for
    // anything else.
    QString text(const QString &name) const override;
    bool isSelected(const QString &name) const override;

    // ScreenWriter: the text set as the program sets it (no key filter, no
    // rule), within the box's maximum length; a list's entry chosen by its text.
    bool setText(const QString &name, const QString &text) override;
    void setSelected(const QString &name, bool selected) override;

    // Gives the focus to the named control, as the program does after a
    // message about it or a save, and selects a box's text so that typing
    // replaces it. False, and the focus left alone, when the control is
    // hidden, disabled or read-only.
    bool focusAndSelect(const QString &name);
    // The first text box in tab order that is empty and can be typed in;
    // empty when there is none.
    QString firstEmptyBox() const;
    // The first text box in tab order that can be typed in: where a new
    // notice starts.
    QString firstFocusableBox() const;

    // Returns the named option buttons to "not selected"; a group whose
    // selected option is among them is left with none selected.
    void unselectOptions(const QStringList &names);

private:
    void buildControls();
    QWidget *createControl(const ControlSpec &spec, QWidget *parent);
    void setTabOrderFromIndices();

    QWidget &m_window;
    QWidget &m_area;
    FormKind m_kind;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, QButtonGroup *> m_optionGroups; // by frame name
};
