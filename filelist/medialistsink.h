#pragma once

#include <memory>

#include "core/mediaitem.h"

// Where probe and add puts a readable file: the list view in the program, a
// plain container in tests.
class MediaListSink {
public:
    virtual ~MediaListSink() = default;

    // Adds the item's row (file name and duration) and scrolls it into view.
    // The sink owns the item from here on. Returns the row index.
    virtual int addRowForItem(std::unique_ptr<MediaItem> item) = 0;
};
