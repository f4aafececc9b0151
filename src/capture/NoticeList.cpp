#include "capture/NoticeList.h"

#include <QHeaderView>

namespace {

struct ListTexts
{
    QStringList headers;
    QString toolTip;
    QString accessibleName;
};

// The column headers and help of the list, by interface language.
const ListTexts &textsFor(Language language)
{
    static const ListTexts english{
        {QStringLiteral("No."), QStringLiteral("Type"), QStringLiteral("Action"), QStringLiteral("Fragment"),
         QStringLiteral("Frequency"), QStringLiteral("Site name")},
        QStringLiteral("The notices of the file. Double-click a notice, or press Enter on it, to correct it."),
        QStringLiteral("Notices of the file")};
    static const ListTexts french{
        {QStringLiteral("N°"), QStringLiteral("Type"), QStringLiteral("Action"), QStringLiteral("Fragment"),
         QStringLiteral("Fréquence"), QStringLiteral("Nom du site")},
        QStringLiteral("Les notifications du fichier. Double-cliquez sur une notification, ou appuyez sur "
                       "Entrée, pour la corriger."),
        QStringLiteral("Notifications du fichier")};
    static const ListTexts spanish{
        {QStringLiteral("N°"), QStringLiteral("Tipo"), QStringLiteral("Acción"), QStringLiteral("Fragmento"),
         QStringLiteral("Frecuencia"), QStringLiteral("Nombre del sitio")},
        QStringLiteral("Las notificaciones del archivo. Haga doble clic en una notificación, o pulse Intro, "
                       "para corregirla."),
        QStringLiteral("Notificaciones del archivo")};
    switch (language) {
    case Language::French: return french;
    case Language::Spanish: return spanish;
    case Language::English: break;
    }
    return english;
}

} // namespace

NoticeList::NoticeList(Language language, std::function<const QStringList &()> summaries, QWidget *parent)
    : QTreeWidget(parent)
    , m_summaries(std::move(summaries))
{
    setObjectName(QStringLiteral("noticeList"));
    const ListTexts &texts = textsFor(language);
    setHeaderLabels(texts.headers);
    setToolTip(texts.toolTip);
    setAccessibleName(texts.accessibleName);
    setRootIsDecorated(false);
    setUniformRowHeights(true); // many rows stay cheap to lay out
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(true);
    for (int column = 0; column < 5; ++column)
        resizeColumnToContents(column);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { Q_EMIT noticeChosen(indexOfTopLevelItem(item) + 1); });
}

void NoticeList::noticesChanged(int fromNumber)
{
    m_staleFrom = m_staleFrom == 0 ? fromNumber : std::min(m_staleFrom, fromNumber);
    if (isVisible())
        updateRows(m_staleFrom);
}

void NoticeList::showEvent(QShowEvent *event)
{
    updateStaleRows();
    QTreeWidget::showEvent(event);
}

void NoticeList::updateStaleRows()
{
    if (m_staleFrom > 0)
        updateRows(m_staleFrom);
}

void NoticeList::updateRows(int fromNumber)
{
    m_staleFrom = 0;
    const QStringList &summaries = m_summaries();
    for (qsizetype index = std::max(fromNumber, 1) - 1; index < summaries.size(); ++index) {
        const QStringList items = summaries.at(index).split(QLatin1Char('\t'));
        QTreeWidgetItem *row = topLevelItem(int(index));
        if (!row)
            row = new QTreeWidgetItem(this);
        for (int column = 0; column < columnCount(); ++column)
            row->setText(column, items.value(column));
        if (index == summaries.size() - 1)
            scrollToItem(row);
    }
    while (topLevelItemCount() > summaries.size())
        delete takeTopLevelItem(topLevelItemCount() - 1);
}
