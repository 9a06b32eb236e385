#include "id3tag.h"

namespace kescvt {

namespace {

struct TextFrame {
    const char *key;
    const char *frameId;
};

constexpr TextFrame textFrames[] = {
    {"title", "TIT2"}, {"artist", "TPE1"}, {"album", "TALB"}, {"track", "TRCK"},
    {"date", "TDRC"},  {"genre", "TCON"},
};

constexpr char utf8Encoding = 3;
// The largest size 28 bits of a synchsafe integer can state.
constexpr size_t maxId3Size = 0x0fffffff;

// Sizes in ID3v2.4 headers use seven bits of each byte.
void appendSyncSafe(std::string &out, size_t value)
{
    for (int shift = 21; shift >= 0; shift -= 7)
        out.push_back(static_cast<char>((value >> shift) & 0x7f));
}

void appendFrame(std::string &out, const char *frameId, const std::string &body)
{
    if (body.size() > maxId3Size)
        return;
    out += frameId;
    appendSyncSafe(out, body.size());
    out.append(2, '\0'); // no frame flags
    out += body;
}

} // namespace

std::string id3v2Tag(const AVDictionary *tags, const CoverArt *cover)
{
    std::string frames;
    for (const TextFrame &frame : textFrames)
        if (const AVDictionaryEntry *entry = av_dict_get(tags, frame.key, nullptr, 0))
            appendFrame(frames, frame.frameId, utf8Encoding + std::string(entry->value));
    if (const AVDictionaryEntry *entry = av_dict_get(tags, "comment", nullptr, 0)) {
        // Language unknown, empty description, then the text.
        appendFrame(frames, "COMM", utf8Encoding + std::string("XXX") + '\0' + entry->value);
    }
    // Loudness figures go into user-defined text frames, named by their keys.
    const AVDictionaryEntry *entry = nullptr;
    while ((entry = av_dict_get(tags, "REPLAYGAIN_", entry, AV_DICT_IGNORE_SUFFIX)))
        appendFrame(frames, "TXXX", utf8Encoding + std::string(entry->key) + '\0' + entry->value);
    if (cover) {
        std::string body(1, utf8Encoding);
        body += coverMimeType(cover->codecId);
        body += '\0';
        body += static_cast<char>(cover->pictureType);
        body += cover->description;
        body += '\0';
        body += cover->bytes;
        appendFrame(frames, "APIC", body);
    }
    if (frames.empty() || frames.size() > maxId3Size)
        return {};
    std::string tag = "ID3";
    tag += '\x04';
    tag += '\0'; // revision
    tag += '\0'; // no flags
    appendSyncSafe(tag, frames.size());
    return tag + frames;
}

} // namespace kescvt
