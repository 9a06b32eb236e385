#include "tagbounds.h"

#include <new>

namespace kescvt {

void truncateUtf8(std::string &text, size_t bytes)
{
    if (text.size() <= bytes)
        return;
    size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
        --end;
    text.resize(end);
}

void boundDictionary(AVDictionary **dict)
{
    if (!*dict)
        return;
    AVDictionary *bounded = nullptr;
    const AVDictionaryEntry *entry = nullptr;
    int kept = 0;
    while (kept < maxTags && (entry = av_dict_get(*dict, "", entry, AV_DICT_IGNORE_SUFFIX))) {
        std::string key = entry->key;
        std::string value = entry->value;
        truncateUtf8(key, maxTagKeyBytes);
        truncateUtf8(value, maxTagValueBytes);
        if (key.empty())
            continue;
        // MULTIKEY keeps repeated keys and skips the search for an existing one.
        if (av_dict_set(&bounded, key.c_str(), value.c_str(), AV_DICT_MULTIKEY) < 0)
            throw std::bad_alloc();
        ++kept;
    }
    av_dict_free(dict);
    *dict = bounded;
}

void boundTags(AVFormatContext *context)
{
    boundDictionary(&context->metadata);
    for (unsigned i = 0; i < context->nb_streams; ++i)
        boundDictionary(&context->streams[i]->metadata);
}

} // namespace kescvt
