#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// The faults that kept a spreadsheet from being imported: how many, then
// every one listed, one a line, in text the operator can select, and Copy
// puts them all on the clipboard.
class FaultListDialog : public QDialog
{
    Q_OBJECT

public:
    // faults: those listed; unlisted: how many more were found.
    FaultListDialog(const QString &dataFile, const QStringList &faults, int unlisted, QWidget *parent = nullptr);

    // The lines of the list, as Copy puts them on the clipboard.
    QString listText() const;

private:
    void copy();

    QPlainTextEdit *m_list = nullptr;
};
