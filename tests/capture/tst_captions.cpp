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

QString windowName(FormKind kind)
{
    return kind == FormKind::T01 ? u"FmFrmT01M"_s : u"TvFrmT02M"_s;
}

// A control of the kind its name's prefix tells, showing DesignText.
QWidget *makeControl(const QString &name, QWidget *parent)
{
    if (name.startsWith(u"Lbl_"))
        return new QLabel(DesignText, parent);
    if (name.startsWith(u"Frame"))
        return new QGroupBox(DesignText, parent);
    if (name.startsWith(u"Button_"))
        return new QPushButton(DesignText, parent);
    if (name.startsWith(u"Chk"))
        return new QCheckBox(DesignText, parent);
    if (name.startsWith(u"Opt"))
        return new QRadioButton(DesignText, parent);
    if (name.startsWith(u"Combo_"))
        return new QComboBox(parent);
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
    form->setObjectName(windowName(kind));
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
    if (control == form)
        return form->windowTitle();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
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

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void captions_data();
    void captions();
    void toolTips_data();
    void toolTips();
    void everyListedControlGetsItsTexts_data();
    void everyListedControlGetsItsTexts();
    void otherFormsToolTipsAreLeftAlone_data();
    void otherFormsToolTipsAreLeftAlone();
    void unlistedControlsKeepDesignTexts_data();
    void unlistedControlsKeepDesignTexts();
    void reloadingInAnotherLanguageReplacesTexts();
};

void TestCaptions::cleanup()
{
}

void TestCaptions::captions_data()
{
    QTest::addColumn<qint16>("languageCode");
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");

    const auto row = [](const char *tag, qint16 code, FormKind kind, const char *control,
                        const QString &caption) {
        QTest::newRow(tag) << code << kind << QString::fromLatin1(control) << caption;
    };

    // English.
    row("en T01 title", 0, FormKind::T01, "FmFrmT01M",
        u"T01-m      VHF Sound Broadcasting Station - Data Capture - "_s);
    row("en T02 title", 0, FormKind::T02, "TvFrmT02M",
        u"T02-m      VHF/UHF Television Broadcasting Station - Data Capture - "_s);
    row("en T02 Button_Next", 0, FormKind::T02, "Button_Next", u"Save/Next"_s);
    row("en T01 Lbl_04C_Lat", 0, FormKind::T01, "Lbl_04C_Lat",
        u"      Latitude            N/S"_s);
    row("en T02 Lbl_4C_Long", 0, FormKind::T02, "Lbl_4C_Long", u"Longitude        E/W"_s);
    row("en T01 Frame_A11_Only", 0, FormKind::T01, "Frame_A11_Only",
        u" RR Article 11 Only "_s);
    row("en T02 FrameTrg", 0, FormKind::T02, "FrameTrg",
        u" Identification of the Assignment to be: Modified, Suppressed or Withdrawn "_s);
    row("en T01 ChkClearFields", 0, FormKind::T01, "ChkClearFields",
        u"Do NOT Clear ALL values "_s);
    row("en T01 Lbl_AdmRefID", 0, FormKind::T01, "Lbl_AdmRefID",
        u"Administration's unique ID of the notice"_s);

    // French.
    row("fr T01 title", 1, FormKind::T01, "FmFrmT01M",
        u"T01-M      Station de Radiodiffusion Sonore en VHF - Saisie des données- "_s);
    row("fr T02 title", 1, FormKind::T02, "TvFrmT02M",
        u"T02-M      Station de Radiodiffusion Télévision VHF/UHF - Saisie des données- "_s);
    row("fr T01 Button_Next", 1, FormKind::T01, "Button_Next", u"Sauvegarder"_s);
    row("fr T01 Button_Reset", 1, FormKind::T01, "Button_Reset", u"Remise à zéro"_s);
    row("fr T01 Lbl_AdmRefID", 1, FormKind::T01, "Lbl_AdmRefID",
        u"Id unique attribué par l'administration"_s);
    row("fr T01 Lbl_TrgAdmRefID", 1, FormKind::T01, "Lbl_TrgAdmRefID",
        u"Id unique attribué par l'administration"_s);
    row("fr T02 Frame_A11_Only", 1, FormKind::T02, "Frame_A11_Only",
        u" Article 11 (RR) uniquement"_s);
    row("fr T02 ChkClearFields", 1, FormKind::T02, "ChkClearFields",
        u"Ne pas effacer tous les valeurs affichés "_s);
    row("fr T01 Lbl_10B_OphhTo", 1, FormKind::T01, "Lbl_10B_OphhTo", u"A (UTC)"_s);

    // Spanish.
    row("es T01 title", 2, FormKind::T01, "FmFrmT01M",
        u"T01-m      Estación de Radiodifusión Sonora en VHF - Captura de datos - "_s);
    row("es T02 title", 2, FormKind::T02, "TvFrmT02M",
        u"T02-m      VHF/UHF Estación de Radiodifusión de Televisión - Captura de datos - "_s);
    row("es T01 Button_Reset", 2, FormKind::T01, "Button_Reset", u"Reset"_s);
    row("es T02 Button_Reset", 2, FormKind::T02, "Button_Reset", u"Reset"_s);
    row("es T01 Lbl_10B_OphhFr", 2, FormKind::T01, "Lbl_10B_OphhFr", u"desde"_s);
    row("es T01 Lbl_10B_OphhTo", 2, FormKind::T01, "Lbl_10B_OphhTo", u"hasta"_s);
    row("es T02 Lbl_04C_Long", 2, FormKind::T02, "Lbl_04C_Long", u"   Longitud       E/W"_s);
    row("es T02 Lbl_11_CoordAdm", 2, FormKind::T02, "Lbl_11_CoordAdm",
        u"11 - Coordinación efectuada con éxito con las administraciones siguientes"_s);
    row("es T01 Lbl_Ntc_Number", 2, FormKind::T01, "Lbl_Ntc_Number",
        u"No. de Notificación"_s);

}

void TestCaptions::captions()
{
    QFETCH(qint16, languageCode);
    QFETCH(FormKind, kind);
    QFETCH(QString, control);
    QFETCH(QString, caption);

    auto form = makeForm(kind);
    applyLanguage(form.get(), kind, languageCode);

    QWidget *widget = controlOf(form.get(), control);
    QVERIFY(widget);
    QCOMPARE(captionOf(form.get(), widget), caption);
}

void TestCaptions::toolTips_data()
{
    QTest::addColumn<qint16>("languageCode");
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("toolTip");

    const auto row = [](const char *tag, qint16 code, FormKind kind, const char *control,
                        const QString &toolTip) {
        QTest::newRow(tag) << code << kind << QString::fromLatin1(control) << toolTip;
    };

    // English.
    row("en T01 Button_Reset", 0, FormKind::T01, "Button_Reset",
        u"Clears the contents of the screen WITHOUT saving the data to the file"_s);
    row("en T01 Txt_8BH_Erp_H", 0, FormKind::T01, "Txt_8BH_Erp_H",
        u"Maximum effective radiated power (dBW) – Horizontal component"_s);
    row("en T02 Txt_8BV_Erp_V", 0, FormKind::T02, "Txt_8BV_Erp_V",
        u"Maximum effective radiated power (dBW) – Vertical component"_s);
    row("en T01 Txt_7D_TranSys", 0, FormKind::T01, "Txt_7D_TranSys", u"Tranmission system"_s);
    row("en T01 Txt_70_BDWdth", 0, FormKind::T01, "Txt_70_BDWdth", u"Necessary Bandwidth"_s);
    row("en T02 Combo_7A1_FreqStabl", 0, FormKind::T02, "Combo_7A1_FreqStabl",
        u"Frequency stability for analogue television (RELAXED, NORMAL or PRECISION)."_s);
    row("en T02 Txt_1E_Lf", 0, FormKind::T02, "Txt_1E_Lf",
        u"Frequency offset, in terms of the line frequency"_s);
    row("en T01 Frame_9NV_AttnV", 0, FormKind::T01, "Frame_9NV_AttnV",
        u"Attenuation (dB) of the vertically polarized component at different azimuths"_s);
    row("en T02 Txt_12A_OpAgcy", 0, FormKind::T02, "Txt_12A_OpAgcy",
        u"Code (three digits) of Operating administration or agency"_s);

    // French.
    row("fr T01 Button_Reset", 1, FormKind::T01, "Button_Reset",
        u"Vider le contenu de l'écran  sans sauvegarder les données dans le fichier"_s);
    row("fr T01 ChkClearFields", 1, FormKind::T01, "ChkClearFields",
        u"Sélectionner cette option afin de copier les données saisies [Date of notification, Fragment] à la fiche suivante"_s);
    row("fr T02 Frame_9NV_AttnV", 1, FormKind::T02, "Frame_9NV_AttnV",
        u"Affaiblissement (dB) de la composante à polarisation verticale pour différents azimuts \""_s);
    row("fr T01 Txt_8BH_Erp_H", 1, FormKind::T01, "Txt_8BH_Erp_H",
        u"Puissance apparente rayonnée maximale (dBW) – Composante horizontale"_s);
    row("fr T02 Txt_9E_AntHgt", 1, FormKind::T02, "Txt_9E_AntHgt",
        u"Hauteur d'antenne au-dessus du sol[m]"_s);
    row("fr T01 Txt_12A_OpAgcy", 1, FormKind::T01, "Txt_12A_OpAgcy",
        u"Code (trois digits) de l'Administration ou la compagine exploitante"_s);
    row("fr T02 Txt_1E_Lf", 1, FormKind::T02, "Txt_1E_Lf",
        u"Décalage de fréquence, en 1/12 de la fréquence de ligne"_s);
    row("fr T01 Txt_7D_TranSys", 1, FormKind::T01, "Txt_7D_TranSys",
        u"Système de transmission"_s);

    // Spanish.
    row("es T01 Txt_B_Adm", 2, FormKind::T01, "Txt_B_Adm", u"Administración notificante”"_s);
    row("es T02 Txt_B_Adm", 2, FormKind::T02, "Txt_B_Adm", u"Administración notificante”"_s);
    row("es T01 Txt_8BH_Erp_H", 2, FormKind::T01, "Txt_8BH_Erp_H",
        u"Potencia radiada aparente máxima (dBW) (dBW) - Componente horizontal"_s);
    row("es T02 Txt_8BV_Erp_V", 2, FormKind::T02, "Txt_8BV_Erp_V",
        u"Potencia radiada aparente máxima (dBW) – Componente vertical"_s);
    row("es T01 Frame_9EC_EffAntHeight", 2, FormKind::T01, "Frame_9EC_EffAntHeight",
        u" Altura efectiva de la antena en distintos acimutes "_s);
    row("es T02 Txt_12A_OpAgcy", 2, FormKind::T02, "Txt_12A_OpAgcy",
        u"Símbolo (tres números) de la administración o entidad explotadora."_s);
    row("es T02 Combo_7C2_Color_Sys", 2, FormKind::T02, "Combo_7C2_Color_Sys",
        u"Sistema de color"_s);
    row("es T01 Txt_70_BDWdth", 2, FormKind::T01, "Txt_70_BDWdth",
        u"Anchura de banda necesaria"_s);

}

void TestCaptions::toolTips()
{
    QFETCH(qint16, languageCode);
    QFETCH(FormKind, kind);
    QFETCH(QString, control);
    QFETCH(QString, toolTip);

    auto form = makeForm(kind);
    applyLanguage(form.get(), kind, languageCode);

    QWidget *widget = form->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), toolTip);
}

void TestCaptions::everyListedControlGetsItsTexts_data()
{
    QTest::addColumn<qint16>("languageCode");
    QTest::addColumn<FormKind>("kind");

    for (qint16 code : { 0, 1, 2 }) {
        for (FormKind kind : { FormKind::T01, FormKind::T02 }) {
            const QByteArray tag = QByteArray::number(code) + ' '
                    + (kind == FormKind::T01 ? "T01" : "T02");
            QTest::newRow(tag.constData()) << code << kind;
        }
    }
}

// Every control that should speak the language does, on each form: a row
// missing from a table, or naming a control wrongly, leaves a design-time text.
void TestCaptions::everyListedControlGetsItsTexts()
{
    QFETCH(qint16, languageCode);
    QFETCH(FormKind, kind);

    auto form = makeForm(kind);
    applyLanguage(form.get(), kind, languageCode);

    QVERIFY(form->windowTitle() != DesignText);
    for (const char *name : CaptionedControls) {
        QWidget *control = form->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(control, name);
        QVERIFY2(captionOf(form.get(), control) != DesignText, name);
        QVERIFY2(!captionOf(form.get(), control).isEmpty(), name);
    }

    QStringList toolTipNames;
    for (const char *name : ToolTipControls)
        toolTipNames << QString::fromLatin1(name);
    if (kind == FormKind::T01) {
        for (const char *name : T01OnlyToolTipControls)
            toolTipNames << QString::fromLatin1(name);
    } else {
        for (const char *name : T02OnlyToolTipControls)
            toolTipNames << QString::fromLatin1(name);
    }
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

    QTest::newRow("T01") << FormKind::T01
                         << QStringList{ u"Txt_1E_Lf"_s, u"Txt_1E_kHz"_s,
                                         u"Txt_8D_Pwr_Ratio"_s, u"Txt_7C1_TvSys"_s,
                                         u"Combo_7A1_FreqStabl"_s, u"Combo_7C2_Color_Sys"_s };
    QTest::newRow("T02") << FormKind::T02
                         << QStringList{ u"Txt_70_BDWdth"_s, u"Txt_7D_TranSys"_s };
}

// The tool tips of one form's own items are not given to the other form, even
// when it happens to hold a control of the same name.
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
        for (const QString &name : otherFormsControls) {
            QWidget *control = form->findChild<QWidget *>(name);
            QVERIFY(control);
            QCOMPARE(control->toolTip(), DesignText);
        }
    }
}

void TestCaptions::unlistedControlsKeepDesignTexts_data()
{
    QTest::addColumn<qint16>("languageCode");
    for (qint16 code : { 0, 1, 2 })
        QTest::newRow(QByteArray::number(code).constData()) << code;
}

// Option buttons, item-number labels, azimuth boxes and the captions of the
// azimuth frames show what the window was built with in every language.
void TestCaptions::unlistedControlsKeepDesignTexts()
{
    QFETCH(qint16, languageCode);

    for (FormKind kind : { FormKind::T01, FormKind::T02 }) {
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

        applyLanguage(form.get(), kind, languageCode);

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
    QCOMPARE(form->windowTitle(),
             u"T01-m      VHF Sound Broadcasting Station - Data Capture - "_s);
    QCOMPARE(next->text(), u"Save/Next"_s);
    QCOMPARE(next->toolTip(),
             u"Save Notice and clear screen to continue with next notice"_s);
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
