#include "coverart.h"

extern "C" {
#include <libavutil/base64.h>
}

#include <cstring>
#include <vector>

namespace kescvt {

namespace {

constexpr const char *pictureTypeNames[] = {
    "Other",
    "32x32 pixels 'file icon'",
    "Other file icon",
    "Cover (front)",
    "Cover (back)",
    "Leaflet page",
    "Media (e.g. label side of CD)",
    "Lead artist/lead performer/soloist",
    "Artist/performer",
    "Conductor",
    "Band/Orchestra",
    "Composer",
    "Lyricist/text writer",
    "Recording Location",
    "During recording",
    "During performance",
    "Movie/video screen capture",
    "A bright coloured fish",
    "Illustration",
    "Band/artist logotype",
    "Publisher/Studio logotype",
};
constexpr int frontCover = 3;

int pictureTypeOf(const AVStream *stream)
{
    const AVDictionaryEntry *comment = av_dict_get(stream->metadata, "comment", nullptr, 0);
    if (comment)
        for (int type = 0; type < static_cast<int>(std::size(pictureTypeNames)); ++type)
            if (std::strcmp(comment->value, pictureTypeNames[type]) == 0)
                return type;
    return -1;
}

void appendBigEndian32(std::string &out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xff));
}

void appendCounted(std::string &out, const std::string &text)
{
    appendBigEndian32(out, static_cast<uint32_t>(text.size()));
    out += text;
}

} // namespace

const char *coverMimeType(AVCodecID codecId)
{
    switch (codecId) {
    case AV_CODEC_ID_MJPEG:
        return "image/jpeg";
    case AV_CODEC_ID_PNG:
        return "image/png";
    case AV_CODEC_ID_GIF:
        return "image/gif";
    case AV_CODEC_ID_BMP:
        return "image/bmp";
    default:
        return nullptr;
    }
}

const char *pictureTypeName(int pictureType)
{
    if (pictureType < 0 || pictureType >= static_cast<int>(std::size(pictureTypeNames)))
        return pictureTypeNames[0];
    return pictureTypeNames[pictureType];
}

std::optional<CoverArt> findCoverArt(const AVFormatContext *input)
{
    const AVStream *chosen = nullptr;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream *stream = input->streams[i];
        const AVPacket &picture = stream->attached_pic;
        if (!(stream->disposition & AV_DISPOSITION_ATTACHED_PIC) || picture.size <= 0 ||
            static_cast<size_t>(picture.size) > maxCoverBytes || !coverMimeType(stream->codecpar->codec_id))
            continue;
        if (!chosen)
            chosen = stream;
        if (pictureTypeOf(stream) == frontCover) {
            chosen = stream;
            break;
        }
    }
    if (!chosen)
        return std::nullopt;
    CoverArt cover;
    cover.codecId = chosen->codecpar->codec_id;
    cover.bytes.assign(reinterpret_cast<const char *>(chosen->attached_pic.data), chosen->attached_pic.size);
    cover.width = chosen->codecpar->width;
    cover.height = chosen->codecpar->height;
    const int type = pictureTypeOf(chosen);
    cover.pictureType = type >= 0 ? type : frontCover;
    if (const AVDictionaryEntry *title = av_dict_get(chosen->metadata, "title", nullptr, 0))
        cover.description = title->value;
    return cover;
}

std::string flacPictureBlock(const CoverArt &cover)
{
    std::string block;
    appendBigEndian32(block, static_cast<uint32_t>(cover.pictureType));
    appendCounted(block, coverMimeType(cover.codecId));
    appendCounted(block, cover.description);
    appendBigEndian32(block, static_cast<uint32_t>(cover.width));
    appendBigEndian32(block, static_cast<uint32_t>(cover.height));
    appendBigEndian32(block, 0); // colour depth: unknown
    appendBigEndian32(block, 0); // palette size: not indexed, or unknown
    appendCounted(block, cover.bytes);
    return block;
}

std::string base64(const std::string &bytes)
{
    std::vector<char> text(AV_BASE64_SIZE(bytes.size()));
    if (!av_base64_encode(text.data(), static_cast<int>(text.size()), reinterpret_cast<const uint8_t *>(bytes.data()),
                          static_cast<int>(bytes.size())))
        throw std::bad_alloc();
    return std::string(text.data());
}

} // namespace kescvt
