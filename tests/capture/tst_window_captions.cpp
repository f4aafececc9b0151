// The capture windows in the three interface languages: the title, captions
// and tool tips that the window's set-up gives them, and the design-time texts
// that stay the same in every language. The language is chosen before the
// window is built, as the menu does.

#include "capture/CaptureWindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(FormKind)

namespace {

const char *formName(FormKind kind)
{
    return kind == FormKind::T01 ? "T01" : "T02";
}

const char *languageName(qint16 code)
{
    switch (code) {
    case 0:
        return "English";
    case 1:
        return "French";
    case 2:
        return "Spanish";
    default:
        return "unknown code";
    }
}

std::unique_ptr<CaptureWindow> windowIn(qint16 languageCode, FormKind kind)
{
    return std::make_unique<CaptureWindow>(kind, Language(languageCode));
}

// The caption of a label, button, option, check box or frame.
QString captionOf(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return QStringLiteral("<no caption>");
}

} // namespace

class TstWindowCaptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void textsInLanguage_data();
    void textsInLanguage();
    void titleBeginsWithTheFormsRow_data();
    void titleBeginsWithTheFormsRow();
    void toolTipsOfOneFormOnly_data();
    void toolTipsOfOneFormOnly();
    void designTimeTextsInEveryLanguage_data();
    void designTimeTextsInEveryLanguage();
};

void TstWindowCaptions::cleanup()
{
}

void TstWindowCaptions::textsInLanguage_data()
{
    QTest::addColumn<qint16>("language");
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("control");
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
        { 0, T02, "Button_Next", Caption, "Save/Next" },
        { 0, T01, "Button_Reset", Caption, "Reset" },
        { 0, T01, "Lbl_04C_Lat", Caption, "      Latitude            N/S" },
        { 0, T02, "Lbl_4C_Long", Caption, "Longitude        E/W" },
        { 0, T01, "FrameTrg", Caption,
          " Identification of the Assignment to be: Modified, Suppressed or Withdrawn " },
        { 0, T02, "ChkClearFields", Caption, "Do NOT Clear ALL values " },
        { 0, T01, "Txt_7D_TranSys", Tip, "Tranmission system" },
        { 0, T02, "Txt_8BH_Erp_H", Tip, "Maximum effective radiated power (dBW) – Horizontal component" },
        { 0, T02, "Combo_7A1_FreqStabl", Tip,
          "Frequency stability for analogue television (RELAXED, NORMAL or PRECISION)." },
        { 0, T01, "Frame_9NH_AttnH", Tip,
          "Attenuation (dB) of the horizontally polarized component at different azimuths" },

        { 1, T01, "Button_Next", Caption, "Sauvegarder" },
        { 1, T01, "Button_Reset", Caption, "Remise à zéro" },
        { 1, T01, "Lbl_AdmRefID", Caption, "Id unique attribué par l'administration" },
        { 1, T01, "Lbl_TrgAdmRefID", Caption, "Id unique attribué par l'administration" },
        { 1, T02, "Frame_A11_Only", Caption, " Article 11 (RR) uniquement" },
        { 1, T02, "Lbl_10B_OphhTo", Caption, "A (UTC)" },
        { 1, T02, "ChkClearFields", Tip,
          "Sélectionner cette option afin de copier les données saisies [Date of notification, "
          "Fragment] à la fiche suivante" },
        { 1, T01, "Button_Reset", Tip,
          "Vider le contenu de l'écran  sans sauvegarder les données dans le fichier" },
        { 1, T01, "Frame_9NV_AttnV", Tip,
          "Affaiblissement (dB) de la composante à polarisation verticale pour différents azimuts \"" },
        { 1, T02, "Txt_1E_Lf", Tip, "Décalage de fréquence, en 1/12 de la fréquence de ligne" },
        { 1, T01, "Txt_12A_OpAgcy", Tip,
          "Code (trois digits) de l'Administration ou la compagine exploitante" },

        { 2, T01, "Button_Reset", Caption, "Reset" },
        { 2, T02, "Button_Reset", Caption, "Reset" },
        { 2, T01, "Lbl_10B_OphhFr", Caption, "desde" },
        { 2, T02, "Lbl_10B_OphhTo", Caption, "hasta" },
        { 2, T01, "Frame_A11_Only", Caption, " RR Artículo 11 únicamente " },
        { 2, T02, "Lbl_11_CoordAdm", Caption,
          "11 - Coordinación efectuada con éxito con las administraciones siguientes" },
        { 2, T01, "Txt_B_Adm", Tip, "Administración notificante”" },
        { 2, T02, "Txt_8BH_Erp_H", Tip, "Potencia radiada aparente máxima (dBW) (dBW) - Componente horizontal" },
        { 2, T02, "Combo_7A1_FreqStabl", Tip, "Estabilidad de frecuencia" },
        { 2, T01, "ChkValidate", Caption, "Validación de datos (nivel 1)" },
    };
    for (const Row &row : rows) {
        QTest::addRow("%s %s %s %s", languageName(row.language), formName(row.kind), row.control,
                      row.isToolTip ? "tip" : "caption")
            << row.language << row.kind << QString(row.control) << row.isToolTip
            << QString::fromUtf8(row.expected);
    }
}

void TstWindowCaptions::textsInLanguage()
{
    QFETCH(qint16, language);
    QFETCH(FormKind, kind);
    QFETCH(QString, control);
    QFETCH(bool, isToolTip);
    QFETCH(QString, expected);

    auto window = windowIn(language, kind);
    QWidget *widget = window->control(control);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(isToolTip ? widget->toolTip() : captionOf(widget), expected);
}

void TstWindowCaptions::titleBeginsWithTheFormsRow_data()
{
    QTest::addColumn<qint16>("language");
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("title");

    QTest::newRow("English T01") << qint16(0) << FormKind::T01
                                 << "T01-m      VHF Sound Broadcasting Station - Data Capture - ";
    QTest::newRow("English T02") << qint16(0) << FormKind::T02
                                 << "T02-m      VHF/UHF Television Broadcasting Station - Data Capture - ";
    QTest::newRow("French T01")
        << qint16(1) << FormKind::T01
        << "T01-M      Station de Radiodiffusion Sonore en VHF - Saisie des données- ";
    QTest::newRow("French T02")
        << qint16(1) << FormKind::T02
        << "T02-M      Station de Radiodiffusion Télévision VHF/UHF - Saisie des données- ";
    QTest::newRow("Spanish T01")
        << qint16(2) << FormKind::T01
        << "T01-m      Estación de Radiodifusión Sonora en VHF - Captura de datos - ";
    QTest::newRow("Spanish T02")
        << qint16(2) << FormKind::T02
        << "T02-m      VHF/UHF Estación de Radiodifusión de Televisión - Captura de datos - ";
}

void TstWindowCaptions::titleBeginsWithTheFormsRow()
{
    QFETCH(qint16, language);
    QFETCH(FormKind, kind);
    QFETCH(QString, title);

    auto window = windowIn(language, kind);
    // The set-up completes the title later with the version label.
    QVERIFY2(window->windowTitle().startsWith(title), qPrintable(window->windowTitle()));
}

void TstWindowCaptions::toolTipsOfOneFormOnly_data()
{
    QTest::addColumn<qint16>("language");
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QStringList>("ownControls");
    QTest::addColumn<QStringList>("ownTips");
    QTest::addColumn<QStringList>("otherFormsControls");

    const QStringList t01Only = { "Txt_70_BDWdth", "Txt_7D_TranSys" };
    const QStringList t02Only = { "Txt_1E_Lf", "Txt_1E_kHz", "Txt_8D_Pwr_Ratio", "Txt_7C1_TvSys",
                                  "Combo_7A1_FreqStabl", "Combo_7C2_Color_Sys" };
    QTest::newRow("English T01") << qint16(0) << FormKind::T01 << t01Only
                                 << QStringList{ "Necessary Bandwidth", "Tranmission system" } << t02Only;
    QTest::newRow("French T01") << qint16(1) << FormKind::T01 << t01Only
                                << QStringList{ "Largeur de bande nécessaire", "Système de transmission" }
                                << t02Only;
    QTest::newRow("English T02")
        << qint16(0) << FormKind::T02 << t02Only
        << QStringList{ "Frequency offset, in terms of the line frequency", "Frequency offset, in kHz",
                        "Vision/sound power ratio", "Television system",
                        "Frequency stability for analogue television (RELAXED, NORMAL or PRECISION).",
                        "Colour system" }
        << t01Only;
    QTest::newRow("Spanish T02")
        << qint16(2) << FormKind::T02 << t02Only
        << QStringList{ "Desplazamiento de frecuencia, en términos de la frecuencia de línea",
                        "Desplazamiento de frecuencia (kHz)", "Relación de potencias imagen/sonido",
                        "Sistema de televisión", "Estabilidad de frecuencia", "Sistema de color" }
        << t01Only;
}

void TstWindowCaptions::toolTipsOfOneFormOnly()
{
    QFETCH(qint16, language);
    QFETCH(FormKind, kind);
    QFETCH(QStringList, ownControls);
    QFETCH(QStringList, ownTips);
    QFETCH(QStringList, otherFormsControls);

    auto window = windowIn(language, kind);
    for (int i = 0; i < ownControls.size(); ++i) {
        QWidget *control = window->control(ownControls[i]);
        QVERIFY2(control, qPrintable(ownControls[i]));
        QCOMPARE(control->toolTip(), ownTips[i]);
    }
    for (const QString &name : otherFormsControls) {
        QVERIFY2(!window->control(name), qPrintable(name));
        QVERIFY2(!window->findChild<QWidget *>(name), qPrintable(name));
    }
}

void TstWindowCaptions::designTimeTextsInEveryLanguage_data()
{
    QTest::addColumn<qint16>("language");
    QTest::addColumn<FormKind>("kind");
    for (qint16 code : { qint16(0), qint16(1), qint16(2) }) {
        QTest::addRow("%s T01", languageName(code)) << code << FormKind::T01;
        QTest::addRow("%s T02", languageName(code)) << code << FormKind::T02;
    }
}

void TstWindowCaptions::designTimeTextsInEveryLanguage()
{
    QFETCH(qint16, language);
    QFETCH(FormKind, kind);

    auto window = windowIn(language, kind);
    const QList<QPair<QString, QString>> captions = {
        { kind == FormKind::T01 ? "OptFrg_Ge84" : "OptFrg_Ge89", kind == FormKind::T01 ? "GE84" : "GE89" },
        { "OptFrg_St61", "ST61" },
        { "OptFrg_A11", "Art. 11" },
        { "OptInt_Add", "Add" },
        { "OptInt_Mod", "Mod" },
        { "OptInt_Sup", "Sup" },
        { "OptInt_Wdraw", "Withdraw" },
        { "Lbl_B_Adm", "B" },
        { "Lbl_1A_FreqAssgn", "1A" },
        { "Lbl_9EB_Eff_hgtmax", "9EB" },
        { "Lbl_04C", "0-4C" },
        { "Lbl_FreqUnit", "[MHz]" },
        { "Lbl_2C", "2C" },
    };
    for (const auto &[name, caption] : captions) {
        QWidget *control = window->control(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(captionOf(control), caption);
        QVERIFY2(control->toolTip().isEmpty(), qPrintable(name + ": " + control->toolTip()));
    }
    // The azimuth frames get a tool tip in the language, but keep their item number.
    QCOMPARE(captionOf(window->control("Frame_9NH_AttnH")), QStringLiteral("9NH"));
    QCOMPARE(captionOf(window->control("Frame_9NV_AttnV")), QStringLiteral("9NV"));

    const QList<QPair<QString, QString>> azimuthTips = {
        { "Txt_9EC_azm000", "0°" },
        { "Txt_9EC_azm080", "80°" },
        { "Txt_9NHAzm090", "90°" },
        { "Txt_9NVAzm350", "350°" },
    };
    for (const auto &[name, tip] : azimuthTips) {
        QWidget *box = window->control(name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->toolTip(), tip);
    }
}

QTEST_MAIN(TstWindowCaptions)
#include "tst_window_captions.moc"
