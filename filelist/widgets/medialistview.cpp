#include "filelist/widgets/medialistview.h"

#include <algorithm>
#include <utility>

#include <QAccessible>
#include <QHeaderView>
#include <QProxyStyle>

namespace {

// The right-aligned durations and the statuses after them would touch: every
// cell keeps a few more pixels of room at its sides.
class CellRoomStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_FocusFrameHMargin ? value + 3 : value;
    }
};

} // namespace

namespace {
// How long added rows wait to go into the list together: often enough to look
// continuous, rarely enough that the view's work per insert does not count.
constexpr int kAddBatchMs = 40;
}

MediaListView::MediaListView(QWidget *parent) : MediaListView(nullptr, parent) {}

MediaListView::MediaListView(MediaListModel *rows, QWidget *parent)
    : QTreeView(parent), m_model(rows ? rows : new MediaListModel(this)), m_addTimer(new QTimer(this))
{
    auto *roomy = new CellRoomStyle;
    roomy->setParent(this);
    setStyle(roomy);
    m_addTimer->setSingleShot(true);
    m_addTimer->setInterval(kAddBatchMs);
    connect(m_addTimer, &QTimer::timeout, this, &MediaListView::flushAddedRows);
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    setAccessibleName(tr("Files"));

    QHeaderView *head = header();
    // The status, the last column, takes the room a wider window gives.
    head->setStretchLastSection(true);
    head->setSectionsMovable(false);
    head->setSectionsClickable(true);
    head->setSectionResizeMode(QHeaderView::Interactive);
    head->resizeSection(MediaListModel::FileColumn, 250);
    head->resizeSection(MediaListModel::DurationColumn, 80);
    head->resizeSection(MediaListModel::StatusColumn, 220);
    // The arrow shows the order the model chose; the header's own flipping
    // would not know the model's rule for a first click.
    head->setSortIndicatorShown(true);
    head->setSortIndicator(-1, Qt::AscendingOrder);
    connect(head, &QHeaderView::sectionClicked, this, [this, head](int column) {
        m_model->sortByHeaderClick(column);
        head->setSortIndicator(m_model->sortColumn(),
                               m_model->sortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    });

    // The selection stays visible while another control has the focus.
    QPalette pal = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    setPalette(pal);
}

void MediaListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                const QList<int> &roles)
{
    QTreeView::dataChanged(topLeft, bottomRight, roles);
    if (!QAccessible::isActive() || topLeft != bottomRight || !topLeft.isValid())
        return;
    if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole) && !roles.contains(Qt::AccessibleTextRole))
        return;
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface *table = view ? view->tableInterface() : nullptr;
    if (QAccessibleInterface *cell = table ? table->cellAt(topLeft.row(), topLeft.column()) : nullptr) {
        QAccessibleEvent changed(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

int MediaListView::selectedCount() const
{
    return static_cast<int>(selectionModel()->selectedRows().size());
}

std::vector<int> MediaListView::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &idx : selectionModel()->selectedRows())
        rows.push_back(idx.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void MediaListView::ensureRowVisible(int row)
{
    if (row >= 0 && row < rowCount())
        scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
}

int MediaListView::addRowForItem(std::unique_ptr<MediaItem> item)
{
    flushAddedRows();
    const int row = m_model->appendItem(std::move(item));
    ensureRowVisible(row);
    return row;
}

int MediaListView::stageRow(std::unique_ptr<MediaItem> item)
{
    const int row = m_model->rowCount() + static_cast<int>(m_added.size());
    m_added.push_back(std::move(item));
    if (!m_addTimer->isActive())
        m_addTimer->start();
    return row;
}

void MediaListView::flushAddedRows()
{
    m_addTimer->stop();
    if (m_added.empty())
        return;
    const int last = m_model->appendItems(std::exchange(m_added, {}));
    ensureRowVisible(last);
}
