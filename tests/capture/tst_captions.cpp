// The captions and tool tips of the capture windows in the three languages,
// checked on a stand-in form whose controls carry a design-time text and that
// only applyCaptions and applyToolTips touch (which shows what the language
// sets and what it leaves alone), and on the real window built in it.

#include "capture/CaptureWindow.h"
#include "capture/WindowTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(FormKind)

using namespace Qt::StringLiterals;

namespace {

// The text a control was built with, before the language is applied. It lets
// the tests tell a text that was set from one that was left alone.
const QString DesignText = QStringLiteral("design-time text");

// Controls whose caption the language sets, on both forms.
const char *const CaptionedControls[] = {
    "Lbl_DNtc", "Lbl_AdmRefID", "Lbl_TrgAdmRefID", "Lbl_04C_Lat", "Lbl_04C_Long",
    "Lbl_11_CoordAdm", "Lbl_4C_Lat", "Lbl_4C_Long", "Lbl_10B_OphhFr", "Lbl_10B_OphhTo",
    "Lbl_Filename", "Lbl_Ntc_Number", "Lbl_Notified_Rmks", "Lbl_Internal_Rmks",
    "Frame_A11_Only", "FrameTrg", "Button_Finish", "Button_Next", "Button_Reset",
    "ChkClearFields", "ChkValidate",
};

// Controls whose tool tip the language sets, on both forms.
const char *const ToolTipControls[] = {
    "Button_Finish", "Button_Next", "Button_Reset", "ChkClearFields", "ChkValidate",
    "Txt_01A_TrgFreq", "Txt_B_Adm", "Txt_1A_FreqAssgn", "Txt_3A1_CallSign",
    "Txt_3A2_StationID", "Txt_4A_SiteName", "Txt_4B_GeoArea", "Txt_9EA_SiteAlt",
    "Txt_8BH_Erp_H", "Txt_8BV_Erp_V", "Txt_9E_AntHgt", "Txt_9EB_Eff_hgtmax",
    "Combo_9_AntDir", "Combo_9D_Polariz", "Txt_12A_OpAgcy", "Txt_12B_AddrCde",
    "Txt_10B_Ophhfr", "Txt_10B_Ophhto", "Txt_2C_DD", "Txt_2C_MM", "Txt_2C_YY",
    "Txt_Internal_Rmks", "Txt_notified_Rmks", "Frame_9EC_EffAntHeight",
    "Frame_9NH_AttnH", "Frame_9NV_AttnV",
};

const char *const T01OnlyToolTipControls[] = { "Txt_70_BDWdth", "Txt_7D_TranSys" };
const char *const T02OnlyToolTipControls[] = {
    "Txt_1E_Lf", "Txt_1E_kHz", "Txt_8D_Pwr_Ratio", "Txt_7C1_TvSys",
    "Combo_7A1_FreqStabl", "Combo_7C2_Color_Sys",
};

// Controls that keep their design-time texts in every language.
const char *const UnlistedControls[] = {
    "Txt_Ntc_DD", "Txt_AdmRefID", "Txt_Filename", "OptFrg_St61", "OptFrg_A11", "OptInt_Add",
    "OptInt_Wdraw", "Lbl_B_Adm", "Lbl_1A_FreqAssgn", "Lbl_9EB_Eff_hgtmax", "Lbl_04C",
    "Lbl_FreqUnit", "Lbl_12A_OpAgcy",
};
const char *const T01UnlistedControls[] = { "OptFrg_Ge84", "Lbl_7A0_Bdwdth" };
const char *const T02UnlistedControls[] = { "OptFrg_Ge89", "Lbl_8D_PwrRatio" };

// A few controls sit inside frames, as on the real windows, so that the
// captions and tool tips must be found below the window's direct children.
const char *const NestedControls[][2] = {
    { "Lbl_TrgAdmRefID", "FrameTrg" }, { "Lbl_04C_Lat", "FrameTrg" },
    { "Txt_01A_TrgFreq", "FrameTrg" }, { "Lbl_FreqUnit", "FrameTrg" },
    { "Lbl_10B_OphhFr", "Frame_A11_Only" }, { "Txt_12A_OpAgcy", "Frame_A11_Only" },
    { "Txt_2C_YY", "Frame_A11_Only" }, { "Lbl_12A_OpAgcy", "Frame_A11_Only" },
};

// A control of the kind its name's prefix tells, showing DesignText.
QWidget *makeControl(const QString &name, QWidget *parent)
{
    if (name.startsWith(u"Lbl_")) return new QLabel(DesignText, parent);
    if (name.startsWith(u"Frame")) return new QGroupBox(DesignText, parent);
    if (name.startsWith(u"Button_")) return new QPushButton(DesignText, parent);
    if (name.startsWith(u"Chk")) return new QCheckBox(DesignText, parent);
    if (name.startsWith(u"Opt")) return new QRadioButton(DesignText, parent);
    if (name.startsWith(u"Combo_")) return new QComboBox(parent);
    return new QLineEdit(parent);
}

template<std::size_t N>
void appendNames(QStringList &names, const char *const (&list)[N])
{
    for (const char *name : list) {
        if (!names.contains(QLatin1StringView(name)))
            names << QString::fromLatin1(name);
    }
}

// A stand-in for a capture window: the window's name and the named controls
// of its form, every one carrying DesignText as caption and tool tip.
std::unique_ptr<QWidget> makeForm(FormKind kind)
{
    auto form = std::make_unique<QWidget>();
    form->setObjectName(kind == FormKind::T01 ? u"FmFrmT01M"_s : u"TvFrmT02M"_s);
    form->setWindowTitle(DesignText);

    QStringList names;
    appendNames(names, CaptionedControls);
    appendNames(names, ToolTipControls);
    appendNames(names, UnlistedControls);
    if (kind == FormKind::T01) {
        appendNames(names, T01OnlyToolTipControls);
        appendNames(names, T01UnlistedControls);
    } else {
        appendNames(names, T02OnlyToolTipControls);
        appendNames(names, T02UnlistedControls);
    }
    // Frames first, so that the nested controls find their parents.
    std::stable_partition(names.begin(), names.end(),
                          [](const QString &name) { return name.startsWith(u"Frame"); });

    for (const QString &name : std::as_const(names)) {
        QWidget *parent = form.get();
        for (const auto &nested : NestedControls) {
            if (name == QLatin1StringView(nested[0]))
                parent = form->findChild<QWidget *>(QString::fromLatin1(nested[1]));
        }
        Q_ASSERT(parent);
        QWidget *control = makeControl(name, parent);
        control->setObjectName(name);
        control->setToolTip(DesignText);
    }
    return form;
}

// The caption that the operator sees on a control or, for the window, its title.
QString captionOf(QWidget *form, QWidget *control)
{
    if (control == form) return form->windowTitle();
    if (auto *label = qobject_cast<QLabel *>(control)) return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control)) return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(control)) return frame->title();
    return QString();
}

QWidget *controlOf(QWidget *form, const QString &name)
{
    return name == form->objectName() ? form : form->findChild<QWidget *>(name);
}

void applyLanguage(QWidget *form, FormKind kind, qint16 languageCode)
{
    applyToolTips(form, kind, Language(languageCode));
    applyCaptions(form, kind, Language(languageCode));
}

const char *languageName(qint16 code)
{
    return code == 0 ? "English" : code == 1 ? "French" : "Spanish";
}

// A "language" and a "kind" column: every language on each form.
void addLanguagesAndForms()
{
    QTest::addColumn<qint16>("language");
    QTest::addColumn<FormKind>("kind");
    for (const qint16 code : {0, 1, 2}) {
        for (const FormKind kind : {FormKind::T01, FormKind::T02})
            QTest::addRow("%s %s", languageName(code), kind == FormKind::T01 ? "T01" : "T02") << code << kind;
    }
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsInLanguage_data();
    void textsInLanguage();
    void everyListedControlGetsItsTexts_data() { addLanguagesAndForms(); }
    void everyListedControlGetsItsTexts();
    void otherFormsToolTipsAreLeftAlone_data();
    void otherFormsToolTipsAreLeftAlone();
    void designTimeTextsStayInEveryLanguage_data() { addLanguagesAndForms(); }
    void designTimeTextsStayInEveryLanguage();
    void reloadingInAnotherLanguageReplacesTexts();
};

void TestCaptions::textsInLanguage_data()
{
    QTest::addColumn<qint16>("language");
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("control"); // the window's own name: its title
    QTest::addColumn<bool>("isToolTip");
    QTest::addColumn<QString>("expected");

    struct Row
    {
        qint16 language;
        FormKind kind;
        const char *control;
        bool isToolTip;
        const char *expected;
    };
    const FormKind T01 = FormKind::T01, T02 = FormKind::T02;
    const bool Caption = false, Tip = true;
    const Row rows[] = {
        {0, T01, "Button_Reset", Caption, "Reset"},
        {0, T01, "ChkClearFields", Caption, "Do NOT Clear ALL values "},
        {0, T01, "FmFrmT01M", Caption, "T01-m      VHF Sound Broadcasting Station - Data Capture - "},
        {0, T01, "FrameTrg", Caption, " Identification of the Assignment to be: Modified, Suppressed or Withdrawn "},
        {0, T01, "Frame_A11_Only", Caption, " RR Article 11 Only "},
        {0, T01, "Lbl_04C_Lat", Caption, "      Latitude            N/S"},
        {0, T01, "Lbl_AdmRefID", Caption, "Administration's unique ID of the notice"},
        {0, T02, "Button_Next", Caption, "Save/Next"},
        {0, T02, "ChkClearFields", Caption, "Do NOT Clear ALL values "},
        {0, T02, "FrameTrg", Caption, " Identification of the Assignment to be: Modified, Suppressed or Withdrawn "},
        {0, T02, "Lbl_4C_Long", Caption, "Longitude        E/W"},
        {0, T02, "TvFrmT02M", Caption, "T02-m      VHF/UHF Television Broadcasting Station - Data Capture - "},
        {0, T01, "Button_Reset", Tip, "Clears the contents of the screen WITHOUT saving the data to the file"},
        {0, T01, "Frame_9NH_AttnH", Tip,
         "Attenuation (dB) of the horizontally polarized component at different azimuths"},
        {0, T01, "Frame_9NV_AttnV", Tip,
         "Attenuation (dB) of the vertically polarized component at different azimuths"},
        {0, T01, "Txt_70_BDWdth", Tip, "Necessary Bandwidth"},
        {0, T01, "Txt_7D_TranSys", Tip, "Tranmission system"},
        {0, T01, "Txt_8BH_Erp_H", Tip, "Maximum effective radiated power (dBW) – Horizontal component"},
        {0, T02, "Combo_7A1_FreqStabl", Tip,
         "Frequency stability for analogue television (RELAXED, NORMAL or PRECISION)."},
        {0, T02, "Combo_7C2_Color_Sys", Tip, "Colour system"},
        {0, T02, "Txt_12A_OpAgcy", Tip, "Code (three digits) of Operating administration or agency"},
        {0, T02, "Txt_1E_Lf", Tip, "Frequency offset, in terms of the line frequency"},
        {0, T02, "Txt_1E_kHz", Tip, "Frequency offset, in kHz"},
        {0, T02, "Txt_7C1_TvSys", Tip, "Television system"},
        {0, T02, "Txt_8BH_Erp_H", Tip, "Maximum effective radiated power (dBW) – Horizontal component"},
        {0, T02, "Txt_8BV_Erp_V", Tip, "Maximum effective radiated power (dBW) – Vertical component"},
        {0, T02, "Txt_8D_Pwr_Ratio", Tip, "Vision/sound power ratio"},

        {1, T01, "Button_Next", Caption, "Sauvegarder"},
        {1, T01, "Button_Reset", Caption, "Remise à zéro"},
        {1, T01, "FmFrmT01M", Caption, "T01-M      Station de Radiodiffusion Sonore en VHF - Saisie des données- "},
        {1, T01, "Lbl_10B_OphhTo", Caption, "A (UTC)"},
        {1, T01, "Lbl_AdmRefID", Caption, "Id unique attribué par l'administration"},
        {1, T01, "Lbl_TrgAdmRefID", Caption, "Id unique attribué par l'administration"},
        {1, T02, "ChkClearFields", Caption, "Ne pas effacer tous les valeurs affichés "},
        {1, T02, "Frame_A11_Only", Caption, " Article 11 (RR) uniquement"},
        {1, T02, "Lbl_10B_OphhTo", Caption, "A (UTC)"},
        {1, T02, "TvFrmT02M", Caption,
         "T02-M      Station de Radiodiffusion Télévision VHF/UHF - Saisie des données- "},
        {1, T01, "Button_Reset", Tip, "Vider le contenu de l'écran  sans sauvegarder les données dans le fichier"},
        {1, T01, "ChkClearFields", Tip,
         "Sélectionner cette option afin de copier les données saisies [Date of notification, Fragment] à la "
         "fiche suivante"},
        {1, T01, "Frame_9NV_AttnV", Tip,
         "Affaiblissement (dB) de la composante à polarisation verticale pour différents azimuts \""},
        {1, T01, "Txt_12A_OpAgcy", Tip, "Code (trois digits) de l'Administration ou la compagine exploitante"},
        {1, T01, "Txt_70_BDWdth", Tip, "Largeur de bande nécessaire"},
        {1, T01, "Txt_7D_TranSys", Tip, "Système de transmission"},
        {1, T01, "Txt_8BH_Erp_H", Tip, "Puissance apparente rayonnée maximale (dBW) – Composante horizontale"},
        {1, T02, "ChkClearFields", Tip,
         "Sélectionner cette option afin de copier les données saisies [Date of notification, Fragment] à la "
         "fiche suivante"},
        {1, T02, "Frame_9NV_AttnV", Tip,
         "Affaiblissement (dB) de la composante à polarisation verticale pour différents azimuts \""},
        {1, T02, "Txt_1E_Lf", Tip, "Décalage de fréquence, en 1/12 de la fréquence de ligne"},
        {1, T02, "Txt_9E_AntHgt", Tip, "Hauteur d'antenne au-dessus du sol[m]"},

        {2, T01, "Button_Reset", Caption, "Reset"},
        {2, T01, "ChkValidate", Caption, "Validación de datos (nivel 1)"},
        {2, T01, "FmFrmT01M", Caption, "T01-m      Estación de Radiodifusión Sonora en VHF - Captura de datos - "},
        {2, T01, "Frame_A11_Only", Caption, " RR Artículo 11 únicamente "},
        {2, T01, "Lbl_10B_OphhFr", Caption, "desde"},
        {2, T01, "Lbl_10B_OphhTo", Caption, "hasta"},
        {2, T01, "Lbl_Ntc_Number", Caption, "No. de Notificación"},
        {2, T02, "Button_Reset", Caption, "Reset"},
        {2, T02, "Lbl_04C_Long", Caption, "   Longitud       E/W"},
        {2, T02, "Lbl_10B_OphhTo", Caption, "hasta"},
        {2, T02, "Lbl_11_CoordAdm", Caption,
         "11 - Coordinación efectuada con éxito con las administraciones siguientes"},
        {2, T02, "TvFrmT02M", Caption,
         "T02-m      VHF/UHF Estación de Radiodifusión de Televisión - Captura de datos - "},
        {2, T01, "Frame_9EC_EffAntHeight", Tip, " Altura efectiva de la antena en distintos acimutes "},
        {2, T01, "Txt_70_BDWdth", Tip, "Anchura de banda necesaria"},
        {2, T01, "Txt_8BH_Erp_H", Tip, "Potencia radiada aparente máxima (dBW) (dBW) - Componente horizontal"},
        {2, T01, "Txt_B_Adm", Tip, "Administración notificante”"},
        {2, T02, "Combo_7A1_FreqStabl", Tip, "Estabilidad de frecuencia"},
        {2, T02, "Combo_7C2_Color_Sys", Tip, "Sistema de color"},
        {2, T02, "Txt_12A_OpAgcy", Tip, "Símbolo (tres números) de la administración o entidad explotadora."},
        {2, T02, "Txt_1E_Lf", Tip, "Desplazamiento de frecuencia, en términos de la frecuencia de línea"},
        {2, T02, "Txt_1E_kHz", Tip, "Desplazamiento de frecuencia (kHz)"},
        {2, T02, "Txt_7C1_TvSys", Tip, "Sistema de televisión"},
        {2, T02, "Txt_8BH_Erp_H", Tip, "Potencia radiada aparente máxima (dBW) (dBW) - Componente horizontal"},
        {2, T02, "Txt_8BV_Erp_V", Tip, "Potencia radiada aparente máxima (dBW) – Componente vertical"},
        {2, T02, "Txt_8D_Pwr_Ratio", Tip, "Relación de potencias imagen/sonido"},
        {2, T02, "Txt_B_Adm", Tip, "Administración notificante”"},
    };
    for (const Row &row : rows) {
        QTest::addRow("%s %s %s %s", languageName(row.language), row.kind == T01 ? "T01" : "T02", row.control,
                      row.isToolTip ? "tip" : "caption")
            << row.language << row.kind << QString(row.control) << row.isToolTip << QString::fromUtf8(row.expected);
    }
}

void TestCaptions::textsInLanguage()
{
    QFETCH(qint16, language);
    QFETCH(FormKind, kind);
    QFETCH(QString, control);
    QFETCH(bool, isToolTip);
    QFETCH(QString, expected);

    auto form = makeForm(kind);
    applyLanguage(form.get(), kind, language);
    QWidget *standIn = controlOf(form.get(), control);
    QVERIFY(standIn);
    QCOMPARE(isToolTip ? standIn->toolTip() : captionOf(form.get(), standIn), expected);

    CaptureWindow window(kind, Language(language));
    QWidget *real = controlOf(&window, control);
    QVERIFY2(real, qPrintable(control));
    // Save/Next and Finish add their key on a line below the tool tip.
    const QString shown = isToolTip ? real->toolTip().section(u'\n', 0, 0) : captionOf(&window, real);
    if (real == &window) // the set-up completes the title with the version label
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
    else
        QCOMPARE(shown, expected);
}

// Every control that should speak the language does, on each form: a row
// missing from a table, or naming a control wrongly, leaves a design-time text.
void TestCaptions::everyListedControlGetsItsTexts()
{
    QFETCH(qint16, language);
    QFETCH(FormKind, kind);

    auto form = makeForm(kind);
    applyLanguage(form.get(), kind, language);

    QVERIFY(form->windowTitle() != DesignText);
    for (const char *name : CaptionedControls) {
        QWidget *control = form->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(control, name);
        QVERIFY2(captionOf(form.get(), control) != DesignText, name);
        QVERIFY2(!captionOf(form.get(), control).isEmpty(), name);
    }

    QStringList toolTipNames;
    appendNames(toolTipNames, ToolTipControls);
    if (kind == FormKind::T01)
        appendNames(toolTipNames, T01OnlyToolTipControls);
    else
        appendNames(toolTipNames, T02OnlyToolTipControls);
    for (const QString &name : std::as_const(toolTipNames)) {
        QWidget *control = form->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY2(control->toolTip() != DesignText, qPrintable(name));
        QVERIFY2(!control->toolTip().isEmpty(), qPrintable(name));
    }
}

void TestCaptions::otherFormsToolTipsAreLeftAlone_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QStringList>("otherFormsControls");
    QStringList t01Only, t02Only;
    appendNames(t01Only, T01OnlyToolTipControls);
    appendNames(t02Only, T02OnlyToolTipControls);
    QTest::newRow("T01") << FormKind::T01 << t02Only;
    QTest::newRow("T02") << FormKind::T02 << t01Only;
}

// The tool tips of one form's own items are not given to the other form, even
// when it happens to hold a control of the same name; the real window of the
// other form has no such control.
void TestCaptions::otherFormsToolTipsAreLeftAlone()
{
    QFETCH(FormKind, kind);
    QFETCH(QStringList, otherFormsControls);

    auto form = makeForm(kind);
    for (const QString &name : otherFormsControls) {
        auto *stranger = new QLineEdit(form.get());
        stranger->setObjectName(name);
        stranger->setToolTip(DesignText);
    }

    for (qint16 code : { 0, 1, 2 }) {
        applyLanguage(form.get(), kind, code);
        CaptureWindow window(kind, Language(code));
        for (const QString &name : otherFormsControls) {
            QWidget *control = form->findChild<QWidget *>(name);
            QVERIFY(control);
            QCOMPARE(control->toolTip(), DesignText);
            QVERIFY2(!window.control(name) && !window.findChild<QWidget *>(name), qPrintable(name));
        }
    }
}

// Option buttons, item-number labels, azimuth boxes and the captions of the
// azimuth frames show what the window was built with in every language: the
// language leaves them alone on the stand-in form, and the real window shows
// the design's texts.
void TestCaptions::designTimeTextsStayInEveryLanguage()
{
    QFETCH(qint16, language);
    QFETCH(FormKind, kind);
    {
        auto form = makeForm(kind);

        auto *option = form->findChild<QRadioButton *>(u"OptInt_Add"_s);
        QVERIFY(option);
        option->setText(u"Add"_s);
        auto *itemLabel = form->findChild<QLabel *>(u"Lbl_9EB_Eff_hgtmax"_s);
        QVERIFY(itemLabel);
        itemLabel->setText(u"9EB"_s);
        auto *azimuthFrame = form->findChild<QGroupBox *>(u"Frame_9NH_AttnH"_s);
        QVERIFY(azimuthFrame);
        azimuthFrame->setTitle(u"9NH"_s);
        auto *azimuthBox = new QLineEdit(azimuthFrame);
        azimuthBox->setObjectName(u"Txt_9NHAzm350"_s);
        azimuthBox->setToolTip(u"350°"_s);

        applyLanguage(form.get(), kind, language);

        QCOMPARE(option->text(), u"Add"_s);
        QCOMPARE(itemLabel->text(), u"9EB"_s);
        QCOMPARE(azimuthFrame->title(), u"9NH"_s);
        QVERIFY(azimuthFrame->toolTip() != DesignText);
        QCOMPARE(azimuthBox->toolTip(), u"350°"_s);

        QStringList untouched;
        appendNames(untouched, UnlistedControls);
        if (kind == FormKind::T01)
            appendNames(untouched, T01UnlistedControls);
        else
            appendNames(untouched, T02UnlistedControls);
        untouched.removeOne(u"OptInt_Add"_s);
        untouched.removeOne(u"Lbl_9EB_Eff_hgtmax"_s);
        for (const QString &name : std::as_const(untouched)) {
            QWidget *control = form->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            QCOMPARE(control->toolTip(), DesignText);
            if (!qobject_cast<QLineEdit *>(control))
                QCOMPARE(captionOf(form.get(), control), DesignText);
        }

        // Labels that take a caption but no tool tip keep their design-time tip.
        auto *dateLabel = form->findChild<QLabel *>(u"Lbl_DNtc"_s);
        QVERIFY(dateLabel);
        QCOMPARE(dateLabel->toolTip(), DesignText);
    }

    CaptureWindow window(kind, Language(language));
    const QList<QPair<QString, QString>> captions = {
        {kind == FormKind::T01 ? "OptFrg_Ge84" : "OptFrg_Ge89", kind == FormKind::T01 ? "GE84" : "GE89"},
        {"OptFrg_St61", "ST61"}, {"OptFrg_A11", "Art. 11"}, {"OptInt_Add", "Add"}, {"OptInt_Mod", "Mod"},
        {"OptInt_Sup", "Sup"}, {"OptInt_Wdraw", "Withdraw"}, {"Lbl_B_Adm", "B"}, {"Lbl_1A_FreqAssgn", "1A"},
        {"Lbl_9EB_Eff_hgtmax", "9EB"}, {"Lbl_04C", "0-4C"}, {"Lbl_FreqUnit", "[MHz]"}, {"Lbl_2C", "2C"},
    };
    for (const auto &[name, caption] : captions) {
        QWidget *control = window.control(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(captionOf(&window, control), caption);
        QVERIFY2(control->toolTip().isEmpty(), qPrintable(name + ": " + control->toolTip()));
    }
    // The azimuth frames get a tool tip in the language, but keep their item number.
    QCOMPARE(captionOf(&window, window.control("Frame_9NH_AttnH")), QStringLiteral("9NH"));
    QCOMPARE(captionOf(&window, window.control("Frame_9NV_AttnV")), QStringLiteral("9NV"));
    const QList<QPair<QString, QString>> azimuthTips = {
        {"Txt_9EC_azm000", "0°"}, {"Txt_9EC_azm080", "80°"}, {"Txt_9NHAzm090", "90°"}, {"Txt_9NVAzm350", "350°"}};
    for (const auto &[name, tip] : azimuthTips) {
        QWidget *box = window.control(name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->toolTip(), tip);
    }
}

// The language is read each time a window is set up: nothing of an earlier
// set-up lingers.
void TestCaptions::reloadingInAnotherLanguageReplacesTexts()
{
    auto form = makeForm(FormKind::T01);
    applyLanguage(form.get(), FormKind::T01, 2);
    applyLanguage(form.get(), FormKind::T01, 1);

    auto *next = form->findChild<QPushButton *>(u"Button_Next"_s);
    QVERIFY(next);
    QCOMPARE(next->text(), u"Sauvegarder"_s);
    QCOMPARE(next->toolTip(),
             u"Sauvegarder la fiche et vider le contenu de l'écran pour poursuivre avec la notice suivante"_s);

    applyLanguage(form.get(), FormKind::T01, 0);
    QCOMPARE(form->windowTitle(), u"T01-m      VHF Sound Broadcasting Station - Data Capture - "_s);
    QCOMPARE(next->text(), u"Save/Next"_s);
    QCOMPARE(next->toolTip(), u"Save Notice and clear screen to continue with next notice"_s);
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
