#include "shell/SpreadsheetImport.h"

#include "capture/ModalDialogs.h"
#include "capture/NoticeFileSession.h"
#include "capture/SheetFiles.h"
#include "platform/Alerts.h"
#include "replay/NoticeImport.h"
#include "shell/FaultListDialog.h"

#include <QFileInfo>

QString SpreadsheetImport::run(QWidget *parent, FormKind kind)
{
    const QString title = tr("Import a spreadsheet");
    NoticeImport::Request request;
    request.kind = kind;
    request.dataPath = modalDialogs().openFileName(parent, title, SheetFiles::filtersWithAll());
    if (request.dataPath.isEmpty())
        return {};
    request.output = modalDialogs()
                         .saveFileName(parent, tr("Save the imported notices as"),
                                       NoticeFileSession::defaultFileName(kind), {tr("Notice files (*.txt)")})
                         .path;
    if (request.output.isEmpty())
        return {};
    // The save dialog has asked before an existing file is replaced.
    request.replace = QFileInfo::exists(request.output);

    const QString dataName = QFileInfo(request.dataPath).fileName();
    NoticeImport::Outcome outcome;
    {
        const std::unique_ptr<ModalDialogs::Progress> progress
            = modalDialogs().startProgress(parent, title, tr("Importing the notices of %1...").arg(dataName));
        outcome = NoticeImport::importNotices(
            request, [&progress](double fractionRead) { return progress->advance(fractionRead); });
    }

    using Status = NoticeImport::Outcome::Status;
    switch (outcome.status) {
    case Status::Imported:
        return outcome.notices == 1
            ? tr("Imported: 1 notice written to %1").arg(outcome.outputFile)
            : tr("Imported: %1 notices written to %2").arg(QString::number(outcome.notices), outcome.outputFile);
    case Status::NothingToImport:
        platform::alerts().exclamation(parent, title,
                                       tr("%1 holds no notice to import. No file was written.").arg(request.dataPath));
        return {};
    case Status::Faults: {
        FaultListDialog faults(request.dataPath, outcome.faults, outcome.unlistedFaults, parent);
        modalDialogs().exec(faults);
        return {};
    }
    case Status::Cancelled: return tr("Import cancelled: no file written.");
    case Status::Refused:
    case Status::Failed:
        platform::alerts().exclamation(parent, title, tr("The import failed: %1").arg(outcome.failure));
        return {};
    }
    return {};
}
