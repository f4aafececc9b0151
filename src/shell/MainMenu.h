#pragma once

#include "form/Language.h"
#include "notice/FormKind.h"

#include <QWidget>

#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The main menu: the choice of interface language and of notice form, Go and
// Exit, and the version label. It holds the language chosen and hands it to
// each capture window it opens.
//
// The menu does not know the capture windows: Go hands the chosen form kind to
// the form opener, which shows the window modally and returns once it is
// closed, so Go waits inside the call. "Open a file..." lets the operator
// choose a saved notice file and hands it to the file opener the same way,
// with the form chosen on the menu, if any, for a file whose notices do not
// tell their form. "Import a spreadsheet..." saves the notices of a
// spreadsheet into a notice file of the chosen form (SpreadsheetImport).
//
// The language and the form chosen, the folder of the last file opened and
// the menu's place are remembered (platform::Setting) for the next start.
//
// The menu's language is the program's: choosing it installs its
// translations (installLanguage), and the texts added to the menu since its
// design follow them.
class MainMenu : public QWidget
{
    Q_OBJECT

public:
    using FormOpener = std::function<void(FormKind, Language)>;
    using FileOpener = std::function<void(const QString &file, Language, std::optional<FormKind> chosenForm)>;
    // Asks the operator for a file to open; empty when none was chosen.
    using FileChooser = std::function<QString(QWidget *parent)>;

    explicit MainMenu(QWidget *parent = nullptr);

    void setFormOpener(FormOpener opener);
    void setFileOpener(FileOpener opener);
    // Replaces Qt's file dialog (tests choose without a modal dialog).
    void setFileChooser(FileChooser chooser);

    // Opens the file as "Open a file..." does once the file is chosen.
    void openFile(const QString &file);

    // The interface language chosen on the menu.
    Language language() const { return m_language; }

    // A line below the menu's controls, kept until the next Go or opening:
    // what the capture window just closed has written. Empty hides it.
    void showSummary(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void arrangeTabOrder();
    void connectHandlers();
    void startUp();
    void applyLanguage(Language language);
    void go();
    void remindToChooseForm();
    void chooseAndOpenFile();
    void importSpreadsheet();
    std::optional<FormKind> chosenForm() const;
    QRadioButton *languageOption(Language language) const;
    void comeBackFromCapture();

    QGroupBox *m_frmSelectNtc = nullptr;
    QRadioButton *m_optT01 = nullptr;
    QRadioButton *m_optT02 = nullptr;
    QPushButton *m_buttonGo = nullptr;
    QPushButton *m_buttonExit = nullptr;
    QPushButton *m_buttonOpen = nullptr;
    QPushButton *m_buttonImport = nullptr;
    QLabel *m_lblProgrVer = nullptr;
    QLabel *m_lblSummary = nullptr;
    QGroupBox *m_frmLanguage = nullptr;
    QRadioButton *m_optEnglish = nullptr;
    QRadioButton *m_optFrench = nullptr;
    QRadioButton *m_optSpanish = nullptr;

    FormOpener m_formOpener;
    FileOpener m_fileOpener;
    FileChooser m_fileChooser;
    Language m_language = Language::English;
};
