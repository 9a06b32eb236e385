#pragma once

#include <memory>
#include <vector>

#include "core/mediaitem.h"
#include "filelist/medialistsink.h"

// A list that keeps the items added to it, in order.
class VectorSink : public MediaListSink {
public:
    int addRowForItem(std::unique_ptr<MediaItem> item) override
    {
        rows.push_back(std::move(item));
        return static_cast<int>(rows.size()) - 1;
    }
    std::vector<std::unique_ptr<MediaItem>> rows;
};
