#pragma once

#include <string>
#include <vector>

#include "filelist/mediaitemmap.h"
#include "filelist/medialistmodel.h"

// The rows of the file list and the map that finds a file among them, kept in
// step: an item taken from the rows leaves the map with it, and comes back into
// both when its row is put back.
class MediaList {
public:
    using TakenRow = MediaListModel::TakenRow;

    MediaList() = default;
    MediaList(const MediaList &) = delete;
    MediaList &operator=(const MediaList &) = delete;

    MediaListModel *rows() { return &m_rows; }
    const MediaListModel &rows() const { return m_rows; }
    // Adding enters each new item here as its row is made.
    MediaItemMap &itemMap() { return m_map; }
    const MediaItemMap &itemMap() const { return m_map; }

    // Takes the rows (top to bottom indexes), whole, and hands them back top to
    // bottom.
    std::vector<TakenRow> takeRows(const std::vector<int> &rows);
    std::vector<TakenRow> takeAllRows();
    // Puts taken rows back where they were.
    void restoreRows(std::vector<TakenRow> taken);
    // Empties both for good.
    void clear();

private:
    MediaListModel m_rows;
    MediaItemMap m_map;
};
