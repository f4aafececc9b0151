#pragma once

#include "notice/FormKind.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// "Import a spreadsheet..." on the menu: the operator chooses the file to
// import (CSV, .xlsx, .ods or JSON) and the notice file to write, proposed
// under the name a capture run would give it; the notices are imported with
// their progress shown (Cancel stops the import and leaves no file). A file
// with faults lists them all and writes nothing; a file with no notice and
// an import that fails are told in a message. The dialogs go through
// modalDialogs(), the messages through platform::alerts().
class SpreadsheetImport
{
    Q_DECLARE_TR_FUNCTIONS(SpreadsheetImport)

public:
    // The line the menu shows afterwards: what was written, or that the
    // import was cancelled; empty when the operator chose no file or was
    // told in a dialog.
    static QString run(QWidget *parent, FormKind kind);
};
