#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QTimer>
#include <QTreeView>

#include "batch/batchstatussink.h"
#include "filelist/medialistsink.h"
#include "core/mediaitem.h"
#include "filelist/medialistmodel.h"

// The report-style file list: three columns, several rows selectable, whole
// rows selected, the selection visible without the focus, sorting by a click
// on a column header. The list owns the rows' media items through its model.
class MediaListView : public QTreeView, public MediaListSink, public BatchStatusSink {
    Q_OBJECT
public:
    explicit MediaListView(QWidget *parent = nullptr);
    // Shows rows owned elsewhere; they must outlive the view.
    MediaListView(MediaListModel *rows, QWidget *parent);

    MediaListModel *listModel() const { return m_model; }

    // Appends a row, scrolls it fully into view and returns its index.
    int addRowForItem(std::unique_ptr<MediaItem> item) override;
    // A sink for many rows: those added in quick succession go into the list
    // together, a moment later, and the last of them is scrolled fully into view;
    // flushAddedRows() puts them in at once.
    MediaListSink &batchingSink() { return m_batching; }
    void flushAddedRows();
    MediaItem *itemOfRow(int row) const { return m_model->itemAt(row); }
    void setStatus(int row, const std::string &text) override { m_model->setStatus(row, text); }
    void setStatusDetail(int row, const std::string &detail) override { m_model->setStatusDetail(row, detail); }
    int rowCount() const { return m_model->rowCount(); }
    int selectedCount() const;
    // The selected rows, top to bottom in display order.
    std::vector<int> selectedRows() const;
    void ensureRowVisible(int row) override;

protected:
    // A cell's new text also reaches a screen reader, as the cell's new name:
    // that is how a row's status change is announced.
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;

private:
    struct Batching : MediaListSink {
        explicit Batching(MediaListView &view) : view(view) {}
        int addRowForItem(std::unique_ptr<MediaItem> item) override { return view.stageRow(std::move(item)); }
        MediaListView &view;
    };
    int stageRow(std::unique_ptr<MediaItem> item);

    MediaListModel *m_model;
    Batching m_batching{*this};
    std::vector<std::unique_ptr<MediaItem>> m_added;
    QTimer *m_addTimer;
};
