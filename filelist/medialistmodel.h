#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QAbstractTableModel>

#include "core/mediaitem.h"

// The rows of the file list in display order. Each row owns its media item and
// keeps the status text written by a batch; the File and Duration texts are
// derived from the item. A header click reorders the rows themselves, so the
// row order of the model is always the order the user sees.
class MediaListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FileColumn = 0, DurationColumn = 1, StatusColumn = 2, ColumnCount = 3 };
    enum class SortType { Text, Duration };
    // The raw value behind a cell: the duration in seconds for column 1.
    static constexpr int RawValueRole = Qt::UserRole + 1;

    explicit MediaListModel(QObject *parent = nullptr);
    ~MediaListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Appends a row for the item and returns its index.
    int appendItem(std::unique_ptr<MediaItem> item);
    // Appends a row for each item in one insert; returns the last new row, -1 for none.
    int appendItems(std::vector<std::unique_ptr<MediaItem>> items);
    MediaItem *itemAt(int row) const;
    // Writes the status and clears its detail.
    void setStatus(int row, const std::string &text);
    std::string statusAt(int row) const;
    // Words added to the status in the Status cell's tooltip.
    void setStatusDetail(int row, const std::string &detail);

    // Removes one row and hands its item back to the caller.
    std::unique_ptr<MediaItem> takeRow(int row);
    // Removes every row and hands all items back, in display order.
    std::vector<std::unique_ptr<MediaItem>> takeAll();

    // A row as it was when removed, to be put back by restoreRow.
    struct TakenRow {
        int row = 0;
        std::unique_ptr<MediaItem> item;
        std::string status;
        std::string detail;
    };
    // Removes one row, or every row, and hands them back whole, status and
    // detail included, top to bottom.
    TakenRow takeWholeRow(int row);
    std::vector<TakenRow> takeAllWhole();
    // Puts taken rows back, top to bottom, each at its index (at the end when
    // the list has grown shorter).
    void restoreRows(std::vector<TakenRow> taken);

    // Column sort types; columns of 100 or above are ignored.
    void setColumnSortType(int column, SortType type);
    // Sorts the rows by the cell texts of column; items, statuses and
    // persistent indexes (the selection) move with their rows.
    void sortRows(int column, bool ascending);
    // A header click: the first click on a column sorts ascending, further
    // clicks on the same column alternate.
    void sortByHeaderClick(int column);
    int sortColumn() const { return m_sortColumn; }
    bool sortAscending() const { return m_ascending; }

    // The cell text as shown: the file-name part, the duration text, the status.
    QString cellText(int row, int column) const;

private:
    struct Row {
        std::unique_ptr<MediaItem> item;
        std::string status;
        std::string detail;
    };

    std::vector<Row> m_rows;
    int m_sortColumn = -1;
    bool m_ascending = true;
    std::vector<SortType> m_sortTypes;
};
