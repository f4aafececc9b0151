#include "shell/FaultListDialog.h"

#include "replay/NoticeImport.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FaultListDialog::FaultListDialog(const QString &dataFile, const QStringList &faults, int unlisted, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("faultListDialog"));
    const int count = int(faults.size()) + unlisted;
    setWindowTitle(count == 1 ? tr("1 fault: nothing imported") : tr("%1 faults: nothing imported").arg(count));

    auto *heading = new QLabel(
        count == 1
            ? tr("%1 has a fault. No notice was imported and no file written.").arg(dataFile)
            : tr("%1 has %2 faults. No notice was imported and no file written.").arg(dataFile, QString::number(count)),
        this);
    heading->setObjectName(QStringLiteral("faultCount"));
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);

    m_list = new QPlainTextEdit(this);
    m_list->setObjectName(QStringLiteral("faultList"));
    m_list->setReadOnly(true);
    m_list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines = faults;
    if (const QString more = NoticeImport::unlistedFaultsLine(unlisted); !more.isEmpty())
        lines << more;
    m_list->setPlainText(lines.join(QLatin1Char('\n')));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copyButton = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    connect(copyButton, &QPushButton::clicked, this, &FaultListDialog::copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(640, 360);
}

QString FaultListDialog::listText() const
{
    return m_list->toPlainText();
}

void FaultListDialog::copy()
{
    QGuiApplication::clipboard()->setText(listText());
}
