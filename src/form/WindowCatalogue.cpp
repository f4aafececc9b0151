// The controls of the capture windows outside the notice frame: the
// coordination row, the three azimuth tables and the right-hand column, and
// the windows themselves. Positions are in twips relative to the frame that
// holds the control (the window for an empty parent).
//
// The texts are stored exactly as the windows show them (see
// NoticeFrameCatalogue.cpp).

#include "form/FieldCatalogue.h"
#include "form/FieldRules.h"
#include "platform/InputLimits.h"

namespace catalogue {
namespace {

using namespace Control;

// Item 11: twelve boxes in a row, 751 twips apart; the last one was placed
// by hand one twip further.
// The rows read as a table, one control per line: kept as laid out by hand.
// clang-format off
QList<Row> coordinationRows()
{
    QList<Row> rows;
    for (int n = 1; n <= CoordinationCount; ++n) {
        const int left = n == CoordinationCount ? 8412 : 150 + 751 * (n - 1);
        Row box = textBox(QLatin1String(), FrameCoord, left, 345, 555, 3)
                      .tab(52 + n - 1, 56 + n - 1)
                      .rule(Rule::CoordinationAdministration)
                      .capitals()
                      .clears(ClearGroup::NoticeItems)
                      .namedBy({Lbl_11_CoordAdm});
        box.spec.name = coordinationBox(n);
        box.spec.binding.kind = BindingKind::Coordination;
        box.spec.binding.index = n;
        rows.append(box);
    }
    return rows;
}
// clang-format on

struct AzimuthGrid
{
    AzimuthTableId table;
    QLatin1String frame;
    int columnLefts[4];
    int rowTops[9];
    int width;
    int maxLength;
    int firstTab; // on T01; T02 has four more controls before it
    ClearGroup clear;
    AzimuthTable NoticeRecord::*field;
    Condition condition;
    const FieldRule &rule;
};

// One row per table, laid out by hand.
// clang-format off
const AzimuthGrid azimuthGrids[] = {
    {AzimuthTableId::EffectiveHeight, Frame_9EC_EffAntHeight, {165, 1205, 2245, 3285},
     {480, 965, 1450, 1935, 2420, 2905, 3390, 3875, 4350}, 780, 5, 64, ClearGroup::EffectiveHeights,
     &NoticeRecord::eff_hgt, Condition::IfGiven, Rule::EffectiveHeight},
    {AzimuthTableId::HorizontalPattern, Frame_9NH_AttnH, {165, 1050, 1920, 2805},
     {435, 930, 1440, 1905, 2400, 2880, 3375, 3870, 4395}, 630, 4, 100, ClearGroup::HorizontalPattern,
     &NoticeRecord::attn_h, Condition::PatternHorizontal, Rule::HorizontalAttenuation},
    {AzimuthTableId::VerticalPattern, Frame_9NV_AttnV, {150, 1035, 1890, 2790},
     {435, 930, 1440, 1905, 2400, 2880, 3375, 3870, 4395}, 630, 4, 136, ClearGroup::VerticalPattern,
     &NoticeRecord::attn_v, Condition::PatternVertical, Rule::VerticalAttenuation},
};
// clang-format on

// 36 boxes per table, one per 10 degrees: the four columns hold 0-80, 90-170,
// 180-260 and 270-350 degrees, each rising from top to bottom, and the tab
// order runs down each column in turn.
QList<Row> azimuthRows(const AzimuthGrid &grid)
{
    QList<Row> rows;
    for (int index = 0; index < AzimuthCount; ++index) {
        const int azimuth = index * kAzimuthStep;
        const int column = azimuth / 90;
        const int row = (azimuth % 90) / 10;
        const bool titledApart = grid.table == AzimuthTableId::EffectiveHeight && azimuth == 260;
        Row box = textBox(QLatin1String(), grid.frame, grid.columnLefts[column], grid.rowTops[row], grid.width,
                          grid.maxLength)
                      .tab(grid.firstTab + index, grid.firstTab + 4 + index)
                      .rule(titledApart ? Rule::EffectiveHeightAt260 : grid.rule)
                      .clears(grid.clear)
                      .namedBy({grid.frame});
        box.spec.name = azimuthBox(grid.table, index);
        box.spec.toolTip = QString::number(azimuth) + QChar(0x00B0);
        box.spec.binding.kind = BindingKind::Azimuth;
        box.spec.binding.table = grid.field;
        box.spec.binding.condition = grid.condition;
        box.spec.binding.index = index;
        rows.append(box);
    }
    return rows;
}

const Look Caption = Look::CaptionLabel;
const Look DarkRedBold = Look::DarkRedBoldLabel;

} // namespace

// The rows read as a table, one control per line: kept as laid out by hand.
// clang-format off
QList<Row> windowRows()
{
    QList<Row> rows = {
        frame(FrameCoord, {}, 0, 4170, 11970, 810).hiddenWithStation(),
        // The item number stands in the top edge of the frame on T01 only.
        frame(Frame_9EC_EffAntHeight, {}, 75, 4995, 4440, 4815, "9EC", Look::AzimuthFrame).textOnT02({})
            .hiddenWithStation()
            .tip(u"Effective antenna height at different azimuths",
                 u"Hauteur d'antenne équivalente à différents azimuts [m]",
                 u" Altura efectiva de la antena en distintos acimutes "),
        frame(Frame_9NH_AttnH, {}, 4605, 4995, 3615, 4815, "9NH", Look::AzimuthFrame)
            .tip(u"Attenuation (dB) of the horizontally polarized component at different azimuths",
                 u"Affaiblissement (dB) de la composante à polarisation horizontale pour différents azimuts",
                 u"Atenuación (dB) de la componente con polarización horizontal en diferentes acimutes"),
        frame(Frame_9NV_AttnV, {}, 8340, 4980, 3615, 4815, "9NV", Look::AzimuthFrame)
            .tip(u"Attenuation (dB) of the vertically polarized component at different azimuths",
                 u"Affaiblissement (dB) de la composante à polarisation verticale pour différents azimuts \"",
                 u"Atenuación (dB) de la componente con polarización vertical en diferentes acimutes"),

        // The right-hand column, outside every frame. The remarks and file
        // name boxes have no maximum; the two remarks boxes are one-line boxes
        // drawn tall.
        textBox(Txt_notified_Rmks, {}, 12105, 5400, 2835, 0, 2025).tab(172, 176).clears(ClearGroup::NoticeItems)
            .namedBy({Lbl_Notified_Rmks})
            .binds(text(&NoticeRecord::remarks, Reading::Always))
            .tip(u"Remarks indicated in this textbox will be loaded to the database",
                 u"Les remarques indiquées dans ce champ seront insérées dans la base de données",
                 u"Los comentarios aquí indicados serán transferidos a la base de datos"),
        textBox(Txt_Internal_Rmks, {}, 12105, 7695, 2835, 0, 2025).tab(173, 177).clears(ClearGroup::NoticeItems)
            .namedBy({Lbl_Internal_Rmks})
            .binds(text(&NoticeRecord::int_remarks, Reading::Always))
            .tip(u"Remarks indicated here are intended for internal use by the data processing operators only",
                 u"Les remarques indiquées ici sont destinées à l'usage interne des opérateurs de saisie des "
                 u"données",
                 u"Los comentarios indicados aquí son destinados a los operadores únicamente"),
        windowControl(Button_Next, ControlKind::CommandButton, 12435, 1800, 1320, 390, "Save/Next").tab(174, 178)
            .caption(u"Save/Next", u"Sauvegarder", u"Guardar")
            .tip(u"Save Notice and clear screen to continue with next notice",
                 u"Sauvegarder la fiche et vider le contenu de l'écran pour poursuivre avec la notice suivante",
                 u"Almacenar notificación y borrar pantalla para continuar con la siguiente notificación"),
        windowControl(Button_Finish, ControlKind::CommandButton, 12435, 2400, 1320, 390, "Finish").tab(175, 179)
            .caption(u"Finish", u"Fin", u"Terminar")
            .tip(u"Save Notice and Close the File", u"Sauvegarder la fiche et fermer le fichier",
                 u"Almacenar datos y cerrar el fichero"),
        windowControl(Button_Reset, ControlKind::CommandButton, 12435, 3360, 1320, 390, "Reset").tab(176, 180)
            .caption(u"Reset", u"Remise à zéro", u"Reset")
            .tip(u"Clears the contents of the screen WITHOUT saving the data to the file",
                 u"Vider le contenu de l'écran  sans sauvegarder les données dans le fichier",
                 u"Borrar pantalla SIN almacenar datos en el fichero"),
        // The file name box takes the longest path the system takes, no more:
        // a longer name could never be saved.
        textBox(Txt_Filename, {}, 12000, 375, 3165, platform::LongestPathBytes, 525)
            .tab(195, 199)
            .namedBy({Lbl_Filename}),
        // T02 has more labels than T01, and labels hold tab indices too.
        textBox(Txt_Ntc_Number, {}, 12930, 1215, 1185, 0, 300).tab(225, 235).namedBy({Lbl_Ntc_Number}),
        windowControl(ChkValidate, ControlKind::CheckBox, 12120, 4680, 2895, 285, "Data validation (level 1)")
            .tab(230, 240)
            .caption(u"Data validation (level 1)", u"Validation de données (niveau 1)",
                     u"Validación de datos (nivel 1)")
            .tip(u"Check this option to perform a limited validation before storing data to output file",
                 u"Sélectionner cette option afin d'effectuer une validation limitée des données avant de les "
                 u"sauver dans le fichier de sortie",
                 u"Validar (en forma limitada) antes de guardar los datos en fichero de salida"),
        windowControl(ChkClearFields, ControlKind::CheckBox, 12120, 4200, 2925, 405, "Do NOT Clear ALL values ")
            .tab(231, 241)
            .caption(u"Do NOT Clear ALL values ", u"Ne pas effacer tous les valeurs affichés ",
                     u"No borrar todos los datos de pantalla ")
            .tip(u"Check this option to carry captured data [Date of notification, Fragment] to next notice",
                 u"Sélectionner cette option afin de copier les données saisies [Date of notification, Fragment] "
                 u"à la fiche suivante",
                 u"Mantener ciertos datos [Fecha de notificación, Fragmento] para la siguiente notificación"),
    };
    rows += coordinationRows();
    for (const AzimuthGrid &grid : azimuthGrids)
        rows += azimuthRows(grid);

    rows += {
        labelAt(Lbl_11_CoordAdm, "11 - Coordination successfully completed with the following administrations",
                FrameCoord, Look::BlueCaptionLabel, 132, 120, 7800, 168)
            .caption(u"11 - Coordination successfully completed with the following administrations",
                     u"11 - Coordination effectuée avec succès avec les administrations suivantes",
                     u"11 - Coordinación efectuada con éxito con las administraciones siguientes"),
        labelAt(Lbl_9EC_Azm0_350, "0° - 80°       90° - 170°      180° - 260°      270° - 350°",
                Frame_9EC_EffAntHeight, Caption, 165, 240, 4200, 210),
        labelAt(Lbl_9NH_Azm0_350, "0° - 80°    90° - 170°  180° - 260°  270° - 350°", Frame_9NH_AttnH, Caption,
                90, 210, 3480, 210),
        labelAt(Lbl_9NV_Azm0_350, "0° - 80°    90° - 170°  180° - 260°  270° - 350°", Frame_9NV_AttnV, Caption,
                75, 210, 3480, 210),
        // 1725 wide (1515 in the design) for the whole Spanish caption.
        labelAt(Lbl_Filename, "File name", {}, DarkRedBold, 12825, 120, 1725, 240)
            .caption(u"File name", u"Nom du fichier", u"Nombre del fichero"),
        labelAt(Lbl_Ntc_Number, "Notice Number", {}, DarkRedBold, 12300, 1005, 2445, 210)
            .caption(u"Notice Number", u"No. de fiche", u"No. de Notificación"),
        labelAt(Lbl_Notified_Rmks, "Notified remarks", {}, Caption, 12105, 5190, 2835, 210)
            .caption(u"Notified remarks", u"Remarques externes", u"Comentarios adicionales"),
        labelAt(Lbl_Internal_Rmks, "Internal remarks", {}, Caption, 12105, 7515, 2835, 180)
            .caption(u"Internal remarks", u"Remarques internes", u"Comentarios internos"),
    };
    return rows;
}
// clang-format on

const WindowRow &windowRow(FormKind kind)
{
    static const WindowRow t01{FmFrmT01M,
                               "T01-m      VHF Sound Broadcasting Station - Data Capture - ",
                               {{u"T01-m      VHF Sound Broadcasting Station - Data Capture - ",
                                 u"T01-M      Station de Radiodiffusion Sonore en VHF - Saisie des données- ",
                                 u"T01-m      Estación de Radiodifusión Sonora en VHF - Captura de datos - "}}};
    static const WindowRow t02{TvFrmT02M,
                               "T02-m      VHF/UHF Television Broadcasting Station - Data Capture - ",
                               {{u"T02-m      VHF/UHF Television Broadcasting Station - Data Capture - ",
                                 u"T02-M      Station de Radiodiffusion Télévision VHF/UHF - Saisie des données- ",
                                 u"T02-m      VHF/UHF Estación de Radiodifusión de Televisión - Captura de datos - "}}};
    return kind == FormKind::T02 ? t02 : t01;
}

} // namespace catalogue

QLatin1String Control::azimuthFrame(AzimuthTableId table)
{
    for (const catalogue::AzimuthGrid &grid : catalogue::azimuthGrids) {
        if (grid.table == table)
            return grid.frame;
    }
    Q_UNREACHABLE();
}
