#include "ScreenshotTool.h"

#include "capture/CaptureWindow.h"
#include "capture/FinishedNoticeFile.h"
#include "capture/NoticeFileSession.h"
#include "capture/NoticeList.h"
#include "platform/Alerts.h"
#include "platform/System.h"
#include "report/NoticeReport.h"
#include "shell/MainMenu.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

struct PictureLanguage
{
    const char *suffix;
    const char *option;
};

const PictureLanguage PictureLanguages[] = {
    {"en", "Opt_english"},
    {"fr", "Opt_french"},
    {"es", "Opt_spanish"},
};

struct CaptureForm
{
    const char *prefix;
    FormKind kind;
};

const CaptureForm CaptureForms[] = {
    {"t01", FormKind::T01},
    {"t02", FormKind::T02},
};

// The example notice of the README: a VHF sound station at Montmartre, as
// typed before Save/Next. Boxes and lists by their text, then the options.
struct ShownValue
{
    const char *control;
    const char *text;
};

const ShownValue MontmartreNotice[] = {
    {"Txt_B_Adm", "F"},
    {"Txt_Ntc_DD", "7"},
    {"Txt_Ntc_MM", "12"},
    {"Txt_Ntc_YY", "2005"},
    {"Txt_4A_SiteName", "MONTMARTRE"},
    {"Txt_4B_GeoArea", "F"},
    {"Txt_4C_Deg_Long", "2"},
    {"Txt_4C_Min_Long", "20"},
    {"Txt_4C_Sec_Long", "30"},
    {"Txt_4C_EW", "E"},
    {"Txt_4C_Deg_Lat", "48"},
    {"Txt_4C_Min_Lat", "53"},
    {"Txt_4C_Sec_Lat", "10"},
    {"Txt_4C_NS", "N"},
    {"Txt_1A_FreqAssgn", "98.5"},
    {"Combo_9D_Polariz", "H"},
    {"Txt_8BH_Erp_H", "40"},
    {"Txt_7D_TranSys", "4"},
    {"Txt_70_BDWdth", "180"},
    {"Txt_9E_AntHgt", "150"},
    {"Txt_9EB_Eff_hgtmax", "320"},
    {"Txt_9EC_azm000", "300"},
    {"Txt_9EC_azm010", "310"},
};

const char *const MontmartreOptions[] = {"OptFrg_Ge84", "OptInt_Add"};

// The antenna of the example as the diagrams show it: effective heights all
// round, and a horizontal pattern with a typing slip at 240 degrees (4 typed
// as 40) that its diagram marks.
const double MontmartreHeights[]
    = {300, 310, 320, 330, 335, 330, 320, 305, 290, 280, 270, 262, 255, 250, 248, 250, 255, 262,
       270, 280, 290, 300, 305, 300, 290, 280, 270, 265, 262, 265, 270, 278, 285, 290, 295, 298};
const double MontmartreAttenuations[] = {0,  0,  1,  2,  3, 5, 7,  9, 11, 12, 13, 14, 15, 16, 16, 16, 15, 14,
                                         13, 12, 11, 10, 9, 8, 40, 6, 5,  4,  3,  2,  2,  1,  1,  0,  0,  0};

void fillMontmartreAntenna(CaptureWindow &window)
{
    window.list(QStringLiteral("Combo_9_AntDir"))
        ->setCurrentIndex(window.list(QStringLiteral("Combo_9_AntDir"))->findText(QStringLiteral("D")));
    for (int index = 0; index < Control::AzimuthCount; ++index) {
        window.textBox(Control::azimuthBox(Control::AzimuthTableId::EffectiveHeight, index))
            ->setText(QString::number(MontmartreHeights[index]));
        window.textBox(Control::azimuthBox(Control::AzimuthTableId::HorizontalPattern, index))
            ->setText(QString::number(MontmartreAttenuations[index]));
    }
}

// A page of the report of the file (the page of its second notice), drawn by
// the report's own code into a PDF and made a picture by pdftoppm
// (poppler-utils).
bool saveReportPicture(const QString &noticeFile, const QDir &folder, const QString &name)
{
    QTemporaryDir scratch;
    const QString pdfPath = scratch.filePath(QStringLiteral("report.pdf"));
    // The file as Finish will end it: it is still being written.
    QString error;
    std::optional<QByteArray> bytes = FinishedNoticeFile::read(noticeFile, &error);
    QBuffer input(bytes ? &*bytes : nullptr);
    QFile pdfFile(pdfPath);
    if (!bytes || !input.open(QIODevice::ReadOnly) || !pdfFile.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "Cannot draw the report of %s: %s\n", qPrintable(noticeFile), qPrintable(error));
        return false;
    }
    {
        QPdfWriter pdf(&pdfFile);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        const NoticeReportResult result
            = writeNoticeReport(input, pdf, {Language::English, QFileInfo(noticeFile).fileName()}, {});
        if (result.outcome != NoticeReportResult::Written)
            return false;
    }
    pdfFile.close();
    const QString picture = folder.filePath(name);
    const int status
        = QProcess::execute(QStringLiteral("pdftoppm"),
                            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-f"),
                             QStringLiteral("3"), QStringLiteral("-singlefile"), pdfPath, picture});
    if (status == 0)
        return true;
    std::fprintf(stderr, "Cannot draw %s.png: pdftoppm (Debian poppler-utils) is needed\n", qPrintable(picture));
    return false;
}

void fillMontmartreNotice(CaptureWindow &window)
{
    for (const char *name : MontmartreOptions)
        window.option(QLatin1String(name))->click();
    for (const ShownValue &value : MontmartreNotice) {
        const QString name = QLatin1String(value.control);
        const QString text = QLatin1String(value.text);
        if (QLineEdit *box = window.textBox(name))
            box->setText(text);
        else if (QComboBox *list = window.list(name))
            list->setCurrentIndex(list->findText(text));
    }
}

// A capture window at its full size, whatever the size of the screen: drawn
// without showing it, which would fit it to the screen.
void showWhole(CaptureWindow &window)
{
    window.resize(window.maximumSize());
    window.layout()->activate();
}

bool savePicture(QWidget *window, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (window->grab().save(path))
        return true;
    std::fprintf(stderr, "Cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return false;
}

} // namespace

bool saveScreenshots(const QString &folderName)
{
    QDir folder(folderName);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Cannot create the folder %s\n", qPrintable(folderName));
        return false;
    }

    // Nothing here may wait for a click: a message box or beep is only noted.
    platform::ScopedRecordingAlerts alerts;
    // The proposed file name in the pictures does not depend on the machine,
    // its clock or its user.
    platform::SystemOverrides readings;
    readings.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
    readings.setLoginName(QStringLiteral("operator"));
    readings.setProgramFolder(QStringLiteral("/home/operator/notice-capture"));

    MainMenu menu;
    menu.show();
    bool allSaved = true;
    for (const PictureLanguage &language : PictureLanguages) {
        // The operator's way: a click on the language option sets the
        // menu's texts and the language it hands to the capture windows.
        menu.findChild<QRadioButton *>(QLatin1String(language.option))->click();
        const QString suffix = QLatin1Char('-') + QLatin1String(language.suffix);
        allSaved &= savePicture(&menu, folder, QStringLiteral("menu") + suffix);

        for (const CaptureForm &form : CaptureForms) {
            // Destroyed without closing: closing a capture window saves.
            auto window = std::make_unique<CaptureWindow>(form.kind, menu.language(), &menu);
            showWhole(*window);
            allSaved &= savePicture(window.get(), folder, QLatin1String(form.prefix) + suffix);
        }
    }

    // The pictures that follow are in English: the operator's click on
    // English, which the last language of the loop replaced.
    menu.findChild<QRadioButton *>(QLatin1String(PictureLanguages[0].option))->click();

    // The T01 window in English with the example notice typed in.
    {
        auto window = std::make_unique<CaptureWindow>(FormKind::T01, Language::English, &menu);
        fillMontmartreNotice(*window);
        showWhole(*window);
        allSaved &= savePicture(window.get(), folder, QStringLiteral("t01-filled-en"));
    }

    // The same notice saved: the status line under the form, the notice in
    // the list. It is saved for real, in a folder of the temporary area that
    // is removed afterwards.
    {
        QDir saving(QDir::temp().filePath(QStringLiteral("notice-capture-pictures")));
        saving.removeRecursively();
        if (!saving.mkpath(QStringLiteral("."))) {
            std::fprintf(stderr, "Cannot create the folder %s\n", qPrintable(saving.path()));
            return false;
        }
        readings.setProgramFolder(saving.path());
        auto window = std::make_unique<CaptureWindow>(FormKind::T01, Language::English, &menu);
        fillMontmartreNotice(*window);
        window->button(QStringLiteral("Button_Next"))->click();
        // The list fills itself when shown; this window is drawn unshown.
        window->noticeList().updateStaleRows();
        showWhole(*window);
        allSaved &= savePicture(window.get(), folder, QStringLiteral("t01-saved-en"));

        // The notice again with its antenna: the diagrams under the grids,
        // then the report of the file with both notices.
        fillMontmartreNotice(*window);
        fillMontmartreAntenna(*window);
        allSaved &= savePicture(window.get(), folder, QStringLiteral("t01-patterns-en"));
        window->button(QStringLiteral("Button_Next"))->click();
        allSaved &= saveReportPicture(window->saving().captureFile().store.fileName(), folder,
                                      QStringLiteral("report-page-en"));
        window.reset();
        saving.removeRecursively();
    }

    for (const auto &entry : alerts.messages())
        std::fprintf(stderr, "Message while rendering: %s: %s\n", qPrintable(entry.title), qPrintable(entry.text));
    return allSaved;
}
