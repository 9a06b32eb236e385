#include "filelist/medialist.h"

#include <utility>

std::vector<MediaList::TakenRow> MediaList::takeRows(const std::vector<int> &rows)
{
    // Bottom to top, so the indexes of the rows still to go stay valid.
    std::vector<TakenRow> taken(rows.size());
    for (size_t i = rows.size(); i-- > 0;) {
        taken[i] = m_rows.takeWholeRow(rows[i]);
        m_map.removeItem(taken[i].item.get());
    }
    return taken;
}

std::vector<MediaList::TakenRow> MediaList::takeAllRows()
{
    m_map.clear();
    return m_rows.takeAllWhole();
}

void MediaList::restoreRows(std::vector<TakenRow> taken)
{
    for (const TakenRow &row : taken)
        if (row.item)
            m_map.enter(MediaItemMap::keyOfPath(row.item->sourcePath), row.item.get());
    m_rows.restoreRows(std::move(taken));
}

void MediaList::clear()
{
    m_rows.takeAll();
    m_map.clear();
}
