#include "capture/NoticeList.h"

#include <QHeaderView>

NoticeListModel::NoticeListModel(std::function<int()> count, std::function<QString(int)> summary, QObject *parent)
    : QAbstractTableModel(parent)
    , m_count(std::move(count))
    , m_summary(std::move(summary))
{ }

int NoticeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int NoticeListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const QStringList &NoticeListModel::itemsOf(int number) const
{
    if (const QStringList *items = m_rowsRead.object(number))
        return *items;
    auto *items = new QStringList(m_summary(number).split(QLatin1Char('\t')));
    m_rowsRead.insert(number, items);
    return *items;
}

QVariant NoticeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return itemsOf(index.row() + 1).value(index.column());
}

QVariant NoticeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (Column(section)) {
    case Number: return tr("No.");
    case Type: return tr("Type");
    case Action: return tr("Action");
    case Fragment: return tr("Fragment");
    case Frequency: return tr("Frequency");
    case SiteName: return tr("Site name");
    case ColumnCount: break;
    }
    return {};
}

void NoticeListModel::noticesChanged(int fromNumber)
{
    const int rows = m_count();
    const int first = std::max(fromNumber, 1);
    for (int number = first; number <= std::max(rows, m_rows); ++number)
        m_rowsRead.remove(number);
    if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    if (first <= m_rows)
        Q_EMIT dataChanged(index(first - 1, 0), index(m_rows - 1, ColumnCount - 1));
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
}

NoticeList::NoticeList(std::function<int()> count, std::function<QString(int)> summary, QWidget *parent)
    : QTableView(parent)
    , m_model(std::move(count), std::move(summary), this)
{
    setObjectName(QStringLiteral("noticeList"));
    setModel(&m_model);
    setToolTip(tr("The notices of the file. Double-click a notice, or press Enter on it, to correct it."));
    setAccessibleName(tr("Notices of the file"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    // Rows of one height: many rows stay cheap to lay out.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    // The short items at their width, the site name in what is left.
    horizontalHeader()->setMinimumSectionSize(24);
    const int widths[] = {30, 36, 50, 58, 64};
    for (int column = 0; column < NoticeListModel::SiteName; ++column)
        setColumnWidth(column, widths[column]);
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        Q_EMIT noticeChosen(index.siblingAtColumn(NoticeListModel::Number).data().toInt());
    });
}

void NoticeList::noticesChanged(int fromNumber)
{
    m_staleFrom = m_staleFrom == 0 ? fromNumber : std::min(m_staleFrom, fromNumber);
    if (isVisible())
        updateStaleRows();
}

void NoticeList::showEvent(QShowEvent *event)
{
    updateStaleRows();
    QTableView::showEvent(event);
}

void NoticeList::updateStaleRows()
{
    if (m_staleFrom == 0)
        return;
    const int before = m_model.rowCount();
    m_model.noticesChanged(m_staleFrom);
    m_staleFrom = 0;
    if (m_model.rowCount() > before)
        scrollToBottom();
}

void NoticeList::setCurrentNotice(int number)
{
    const QModelIndex row = m_model.index(number - 1, 0);
    setCurrentIndex(model() == &m_filter ? m_filter.mapFromSource(row) : row);
}

void NoticeList::setFilterText(const QString &text)
{
    updateStaleRows();
    m_filter.setText(text.trimmed());
    if (text.trimmed().isEmpty()) {
        setModel(&m_model);
        return;
    }
    if (!m_filter.sourceModel())
        m_filter.setSourceModel(&m_model);
    setModel(&m_filter);
}

void NoticeFilter::setText(const QString &text)
{
    m_text = text;
    invalidateFilter();
}

bool NoticeFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto holds = [&](int column) {
        return sourceModel()
            ->index(sourceRow, column, sourceParent)
            .data()
            .toString()
            .contains(m_text, Qt::CaseInsensitive);
    };
    return holds(NoticeListModel::Frequency) || holds(NoticeListModel::SiteName);
}
