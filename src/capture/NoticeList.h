#pragma once

#include <QAbstractTableModel>
#include <QCache>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTableView>

#include <functional>

// The notices of a capture window's file as a table: one row per notice,
// its items (number, notice type, action, fragment, frequency, site name) as
// notice-check --list prints them. A row is read from the file only when it
// is shown, and the rows read last are kept, so a file of any number of
// notices is listed in the same memory.
class NoticeListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Number, Type, Action, Fragment, Frequency, SiteName, ColumnCount };

    // count gives the number of notices of the file; summary the line of
    // notice number (tab-separated items).
    NoticeListModel(std::function<int()> count, std::function<QString(int)> summary, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The notices from fromNumber on have changed; rows before it are left
    // as they are.
    void noticesChanged(int fromNumber);

private:
    const QStringList &itemsOf(int number) const;

    std::function<int()> m_count;
    std::function<QString(int)> m_summary;
    int m_rows = 0;
    mutable QCache<int, QStringList> m_rowsRead{2000};
};

// The notices whose frequency or site name holds a text, as typed in the
// list's filter box (letters in either case).
class NoticeFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setText(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_text;
};

// The list beside the form, outside its own area. Double-click or Enter on a
// row chooses that notice for correction.
//
// The rows follow the file while the list is shown; a hidden list (a window
// that imports or plays a script) only notes where its rows went stale and
// catches up when it is shown, so a long unattended run does not pay for a
// list nobody sees.
class NoticeList : public QTableView
{
    Q_OBJECT

public:
    NoticeList(std::function<int()> count, std::function<QString(int)> summary, QWidget *parent);

    void noticesChanged(int fromNumber);
    // Brings the rows up to date now, as showing the list does: for a
    // picture of a window that is drawn without being shown.
    void updateStaleRows();

    NoticeListModel &rows() { return m_model; }
    const NoticeListModel &rows() const { return m_model; }
    // Makes notice number the current row.
    void setCurrentNotice(int number);
    // Shows only the notices whose frequency or site name holds text; all
    // of them for an empty text. Unfiltered, the list reads no row it does
    // not show.
    void setFilterText(const QString &text);

Q_SIGNALS:
    void noticeChosen(int number);

protected:
    void showEvent(QShowEvent *event) override;

private:
    NoticeListModel m_model;
    NoticeFilter m_filter;
    int m_staleFrom = 0; // the first row not yet updated; 0 when none
};
