#include "shell/MainMenu.h"

#include "capture/EnterPressesButton.h"
#include "form/LanguageInstaller.h"
#include "form/Twips.h"
#include "notice/ProgramVersion.h"
#include "platform/Alerts.h"
#include "platform/Settings.h"
#include "shell/SpreadsheetImport.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <array>

namespace {

const QColor CaptionGreen(0, 128, 0);
const QColor CaptionDarkBlue(0, 0, 192);

// The texts one language handler puts on the menu.
struct MenuTexts
{
    QString windowCaption;
    QString optEnglish;
    QString optFrench;
    QString optSpanish;
    QString optT01;
    QString optT02;
    QString buttonExit;
    QString buttonGo;
    QString frmLanguage;
    QString frmSelectNtc;
};

// Indexed by language code: 0 English, 1 French, 2 Spanish.
const std::array<MenuTexts, 3> &menuTexts()
{
    static const std::array<MenuTexts, 3> texts{{
        {QStringLiteral("Velkor Offline Data Capture System - Terrestrial Broadcasting Services"),
         QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("Spanish"),
         QStringLiteral("VHF Sound Broadcasting Station"), QStringLiteral(" VHF/UHF Television Broadcasting Station"),
         QStringLiteral("Exit"), QStringLiteral("Go"), QStringLiteral("Language options"),
         QStringLiteral(" Select one Notice Form type from the list below ")},
        {QStringLiteral("Velkor Système de Saisie de données - Services de Radiodiffusion de Terre"),
         QStringLiteral("Anglais"), QStringLiteral("Français"), QStringLiteral("Espagnol"),
         QStringLiteral(" Station de Radiodiffusion Sonore en VHF"),
         QStringLiteral(" Station de Radiodiffusion Television en VHF/UHF"), QStringLiteral("Sortie"),
         QStringLiteral("OK"), QStringLiteral("Langue"), QStringLiteral(" Choisissez le type de formulaire ")},
        {QStringLiteral("Velkor Sistema de Captura de Datos - Servicios de Radiodifusión Terrenal"),
         QStringLiteral("Inglés"), QStringLiteral("Francés"), QStringLiteral("Español"),
         QStringLiteral(" Estación de Radiodifusión Sonora en VHF"),
         QStringLiteral(" Estación de Radiodifusión Televisión en VHF/UHF"), QStringLiteral("Salida"),
         QStringLiteral("OK"), QStringLiteral("Idioma"), QStringLiteral(" Seleccione el tipo de formulario ")},
    }};
    return texts;
}

// The operator's last choices, taken up at the next start.
const platform::Setting<QString> ChosenLanguage{"menu/language"}; // "en", "fr", "es"
const platform::Setting<QString> ChosenForm{"menu/form"};         // "T01", "T02"
const platform::Setting<QString> OpenFolder{"menu/openFolder"};   // of the last file opened
const platform::Setting<QPoint> MenuPlace{"menu/place"};

struct LanguageName
{
    Language language;
    QLatin1String code;
};
const LanguageName LanguageNames[] = {{Language::English, QLatin1String("en")},
                                      {Language::French, QLatin1String("fr")},
                                      {Language::Spanish, QLatin1String("es")}};

const QString ReminderTitle = QStringLiteral("Dravel");
const QString ReminderEnglish = QStringLiteral("Please, choose a notice type");
const QString ReminderFrench = QStringLiteral("SVP, choisissez le type de formulaire");
const QString ReminderSpanish = QStringLiteral("Por favor, elija un tipo de formulario");

// Styles paint a frame's caption in its Text or its WindowText colour,
// depending on the style, so both are set.
void setTextColour(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    control->setPalette(palette);
}

// A frame's caption colour applies to its caption only: the controls inside
// hold on to the ordinary text colours, which a palette set later on the frame
// would otherwise pass down to them.
void keepOrdinaryTextColour(QWidget *control)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::WindowText));
    palette.setColor(QPalette::Text, palette.color(QPalette::Text));
    control->setPalette(palette);
}

// The menu's face is MS Sans Serif: 8.25 pt for most controls, 9.75 pt for the
// form options. Where it is not installed the nearest sans serif face stands in.
QFont sansSerifFont(qreal pointSize)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

constexpr qreal MenuPointSize = 8.25;
constexpr qreal FormOptionPointSize = 9.75;

// An option button that shows no selection, even inside an exclusive group
// (an exclusive group refuses to uncheck its checked button).
void unselect(QRadioButton *option)
{
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

MainMenu::MainMenu(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MenuFrm"));
    buildControls();
    arrangeTabOrder();
    connectHandlers();
    startUp();
}

void MainMenu::setFormOpener(FormOpener opener)
{
    m_formOpener = std::move(opener);
}

void MainMenu::setFileOpener(FileOpener opener)
{
    m_fileOpener = std::move(opener);
}

void MainMenu::setFileChooser(FileChooser chooser)
{
    m_fileChooser = std::move(chooser);
}

void MainMenu::chooseAndOpenFile()
{
    const QString file = m_fileChooser
        ? m_fileChooser(this)
        : QFileDialog::getOpenFileName(this, m_buttonOpen->text().remove(QStringLiteral("...")), OpenFolder.value(),
                                       tr("Notice files (*.txt)") + QStringLiteral(";;") + tr("All files (*)"), nullptr,
                                       QFileDialog::DontUseNativeDialog);
    if (file.isEmpty())
        return;
    OpenFolder.setValue(QFileInfo(file).absolutePath());
    openFile(file);
}

void MainMenu::showSummary(const QString &text)
{
    m_lblSummary->setText(text);
    m_lblSummary->setToolTip(text);
    m_lblSummary->setAccessibleName(text);
}

std::optional<FormKind> MainMenu::chosenForm() const
{
    if (m_optT01->isChecked())
        return FormKind::T01;
    if (m_optT02->isChecked())
        return FormKind::T02;
    return std::nullopt;
}

void MainMenu::openFile(const QString &file)
{
    showSummary({});
    if (m_fileOpener)
        m_fileOpener(file, m_language, chosenForm());
    comeBackFromCapture();
}

// The menu takes the keyboard again once a capture window has closed, on the
// form chosen, so that Enter or Space... goes on from there.
void MainMenu::comeBackFromCapture()
{
    activateWindow();
    QRadioButton *form = m_optT02->isChecked() ? m_optT02 : m_optT01;
    form->setFocus(Qt::OtherFocusReason);
}

// Like Go, with the form chosen, else the reminder.
void MainMenu::importSpreadsheet()
{
    showSummary({});
    if (const std::optional<FormKind> kind = chosenForm())
        showSummary(SpreadsheetImport::run(this, *kind));
    else
        remindToChooseForm();
}

// The controls with their design-time captions; start-up replaces the
// captions by the English texts.
void MainMenu::buildControls()
{
    setWindowTitle(QStringLiteral("Velkor Offline Data Capture System - Terrestrial Broadcasting Services"));
    // 8520 wide in the design; wider for the Import button right of Exit.
    setFixedSize(twipsRect(0, 0, 9360, 5280).size());
    setFont(sansSerifFont(MenuPointSize));

    m_frmSelectNtc = new QGroupBox(QStringLiteral("Select one Notice Form type from the list below "), this);
    m_frmSelectNtc->setObjectName(QStringLiteral("FrmSelectNtc"));
    m_frmSelectNtc->setGeometry(twipsRect(600, 1320, 7035, 2175));

    m_optT01 = new QRadioButton(QStringLiteral("VHF SOUND BROADCASTING STATION"), m_frmSelectNtc);
    m_optT01->setObjectName(QStringLiteral("Opt_FMFrmT01"));
    m_optT01->setGeometry(twipsRect(240, 480, 5652, 330));

    m_optT02 = new QRadioButton(QStringLiteral("VHF/UHF TELEVISION BROADCASTING STATION"), m_frmSelectNtc);
    m_optT02->setObjectName(QStringLiteral("Opt_TvFrmT02"));
    m_optT02->setGeometry(twipsRect(240, 1080, 6015, 330));

    for (QRadioButton *option : {m_optT01, m_optT02}) {
        option->setFont(sansSerifFont(FormOptionPointSize));
        keepOrdinaryTextColour(option);
    }

    m_buttonGo = new QPushButton(QStringLiteral("Go"), this);
    m_buttonGo->setObjectName(QStringLiteral("ButtonGo"));
    m_buttonGo->setGeometry(twipsRect(1560, 3960, 1275, 375));

    m_buttonExit = new QPushButton(QStringLiteral("Exit"), this);
    m_buttonExit->setObjectName(QStringLiteral("ButtonExit"));
    m_buttonExit->setGeometry(twipsRect(4680, 3960, 1275, 375));

    // Added above the form frame, in space the design leaves free.
    m_buttonOpen = new QPushButton(QStringLiteral("Open a file..."), this);
    m_buttonOpen->setObjectName(QStringLiteral("ButtonOpen"));
    m_buttonOpen->setGeometry(twipsRect(600, 240, 2400, 375));

    // Added right of Exit, in the row of the buttons that start a run.
    m_buttonImport = new QPushButton(QStringLiteral("Import a spreadsheet..."), this);
    m_buttonImport->setObjectName(QStringLiteral("ButtonImport"));
    m_buttonImport->setGeometry(twipsRect(6240, 3960, 2880, 375));

    m_lblProgrVer = new QLabel(this);
    m_lblProgrVer->setObjectName(QStringLiteral("LblProgrVer"));
    m_lblProgrVer->setGeometry(twipsRect(240, 4560, 7092, 252));
    m_lblProgrVer->setAlignment(Qt::AlignCenter);
    setTextColour(m_lblProgrVer, CaptionGreen);

    m_frmLanguage = new QGroupBox(QStringLiteral("Language options"), this);
    m_frmLanguage->setObjectName(QStringLiteral("Frm_language"));
    m_frmLanguage->setGeometry(twipsRect(3360, 120, 3735, 615));

    m_optEnglish = new QRadioButton(QStringLiteral("English"), m_frmLanguage);
    m_optEnglish->setObjectName(QStringLiteral("Opt_english"));
    m_optEnglish->setGeometry(twipsRect(240, 240, 975, 255));

    // 1080 wide (975 in the design) for the whole "Français" and "Espagnol".
    m_optFrench = new QRadioButton(QStringLiteral("French"), m_frmLanguage);
    m_optFrench->setObjectName(QStringLiteral("Opt_french"));
    m_optFrench->setGeometry(twipsRect(1440, 240, 1080, 255));

    m_optSpanish = new QRadioButton(QStringLiteral("Spanish"), m_frmLanguage);
    m_optSpanish->setObjectName(QStringLiteral("Opt_spanish"));
    m_optSpanish->setGeometry(twipsRect(2640, 240, 1080, 255));

    for (QRadioButton *option : {m_optEnglish, m_optFrench, m_optSpanish})
        keepOrdinaryTextColour(option);

    // Added below the version label, in space the design leaves free: two
    // lines for a long file name, the whole text in the tool tip.
    m_lblSummary = new QLabel(this);
    m_lblSummary->setObjectName(QStringLiteral("LblSummary"));
    m_lblSummary->setGeometry(twipsRect(240, 4860, 8880, 390));
    m_lblSummary->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lblSummary->setWordWrap(true);
    m_lblSummary->setTextFormat(Qt::PlainText);

    // Set after the options took their own text colour, so only the captions change.
    setTextColour(m_frmSelectNtc, CaptionGreen);
    setTextColour(m_frmLanguage, CaptionDarkBlue);
}

void MainMenu::arrangeTabOrder()
{
    // Frames and the label take no focus; the rest follow their tab index.
    QWidget *const order[] = {m_optT01,     m_optT02,    m_buttonGo,   m_buttonExit, m_buttonImport,
                              m_optEnglish, m_optFrench, m_optSpanish, m_buttonOpen};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainMenu::connectHandlers()
{
    // Selecting a language runs its handler whether the operator clicked it or
    // the program selected it (start-up selects English).
    const std::pair<QRadioButton *, Language> languageOptions[]
        = {{m_optEnglish, Language::English}, {m_optFrench, Language::French}, {m_optSpanish, Language::Spanish}};
    for (const auto &[option, language] : languageOptions) {
        connect(option, &QRadioButton::toggled, this, [this, language = language](bool selected) {
            if (selected)
                applyLanguage(language);
        });
    }
    connect(m_buttonGo, &QPushButton::clicked, this, &MainMenu::go);
    connect(m_buttonExit, &QPushButton::clicked, this, &MainMenu::close);
    connect(m_buttonOpen, &QPushButton::clicked, this, &MainMenu::chooseAndOpenFile);
    connect(m_buttonImport, &QPushButton::clicked, this, &MainMenu::importSpreadsheet);
}

void MainMenu::startUp()
{
    unselect(m_optT01);
    unselect(m_optT02);
    // Read before English is applied, which remembers English.
    const QString language = ChosenLanguage.value();
    const QString form = ChosenForm.value();
    m_optEnglish->setChecked(true);
    m_language = Language::English;
    m_lblProgrVer->setText(ProgramVersionLabel);

    // The operator's last choices, when remembered.
    for (const LanguageName &name : LanguageNames) {
        if (language == name.code)
            languageOption(name.language)->setChecked(true);
    }
    if (form == QLatin1String("T01"))
        m_optT01->setChecked(true);
    else if (form == QLatin1String("T02"))
        m_optT02->setChecked(true);
    connect(m_optT01, &QRadioButton::toggled, this, [](bool on) {
        if (on)
            ChosenForm.setValue(QStringLiteral("T01"));
    });
    connect(m_optT02, &QRadioButton::toggled, this, [](bool on) {
        if (on)
            ChosenForm.setValue(QStringLiteral("T02"));
    });
    const QPoint place = MenuPlace.value(QPoint(-1, -1));
    if (place != QPoint(-1, -1)) {
        const QScreen *screen
            = QGuiApplication::screenAt(place) ? QGuiApplication::screenAt(place) : QGuiApplication::primaryScreen();
        move(platform::keptOnScreen(QRect(place, size()), screen ? screen->availableGeometry() : QRect()).topLeft());
    }
}

QRadioButton *MainMenu::languageOption(Language language) const
{
    switch (language) {
    case Language::French: return m_optFrench;
    case Language::Spanish: return m_optSpanish;
    case Language::English: break;
    }
    return m_optEnglish;
}

void MainMenu::closeEvent(QCloseEvent *event)
{
    MenuPlace.setValue(pos());
    QWidget::closeEvent(event);
}

void MainMenu::applyLanguage(Language language)
{
    installLanguage(language);
    m_buttonImport->setText(tr("Import a spreadsheet..."));
    m_buttonOpen->setText(tr("Open a file..."));
    const MenuTexts &texts = menuTexts().at(std::size_t(language));
    setWindowTitle(texts.windowCaption);
    m_optEnglish->setText(texts.optEnglish);
    m_optFrench->setText(texts.optFrench);
    m_optSpanish->setText(texts.optSpanish);
    m_optT01->setText(texts.optT01);
    m_optT02->setText(texts.optT02);
    m_buttonExit->setText(texts.buttonExit);
    m_buttonGo->setText(texts.buttonGo);
    m_language = language;
    for (const LanguageName &name : LanguageNames) {
        if (name.language == language)
            ChosenLanguage.setValue(name.code);
    }
    m_frmLanguage->setTitle(texts.frmLanguage);
    m_frmSelectNtc->setTitle(texts.frmSelectNtc);
}

void MainMenu::keyPressEvent(QKeyEvent *event)
{
    // Enter, like Space, presses the button that has the focus: Go, Exit,
    // Import a spreadsheet... or Open a file... The buttons of a plain window
    // leave Enter to it.
    if (!pressFocusedButtonOnEnter(this, event))
        QWidget::keyPressEvent(event);
}

// Opens the chosen capture form and waits until it is closed; reminds the
// operator to choose one when none is.
void MainMenu::go()
{
    showSummary({});
    const std::optional<FormKind> kind = chosenForm();
    if (!kind)
        remindToChooseForm();
    else if (m_formOpener) {
        m_formOpener(*kind, m_language);
        comeBackFromCapture();
    }
}

// The reminder speaks the language selected on the menu at this moment.
void MainMenu::remindToChooseForm()
{
    platform::alerts().beep();
    const QString &text = m_optSpanish->isChecked() ? ReminderSpanish
        : m_optFrench->isChecked()                  ? ReminderFrench
                                                    : ReminderEnglish;
    platform::alerts().exclamation(this, ReminderTitle, text);
}
