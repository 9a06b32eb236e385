#include "coverart.h"

#include "console.h"

extern "C" {
#include <libavutil/base64.h>
}

#include <cstdint>
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

uint32_t readBig(const std::string &bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

uint32_t readLittle(const std::string &bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

// The size a JPEG's frame header states; false when none is found.
bool jpegSize(const std::string &bytes, uint32_t &width, uint32_t &height)
{
    size_t at = 2;
    while (at + 9 <= bytes.size()) {
        if (static_cast<uint8_t>(bytes[at]) != 0xff)
            return false;
        const auto marker = static_cast<uint8_t>(bytes[at + 1]);
        if (marker == 0xff) {
            ++at;
            continue;
        }
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc) {
            height = readBig(bytes, at + 5, 2);
            width = readBig(bytes, at + 7, 2);
            return true;
        }
        if (marker == 0xd9 || marker == 0xda)
            return false;
        at += 2 + readBig(bytes, at + 2, 2);
    }
    return false;
}

} // namespace

std::string checkCoverPicture(CoverArt &cover)
{
    const std::string &b = cover.bytes;
    if (b.empty() || b.size() > maxCoverBytes)
        return "its size is out of bounds";
    uint32_t width = 0;
    uint32_t height = 0;
    bool known = true;
    if (b.size() >= 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0 && b.compare(12, 4, "IHDR") == 0) {
        cover.codecId = AV_CODEC_ID_PNG;
        width = readBig(b, 16, 4);
        height = readBig(b, 20, 4);
    } else if (b.size() >= 4 && static_cast<uint8_t>(b[0]) == 0xff && static_cast<uint8_t>(b[1]) == 0xd8) {
        cover.codecId = AV_CODEC_ID_MJPEG;
        known = jpegSize(b, width, height);
    } else if (b.size() >= 10 && (b.compare(0, 6, "GIF87a") == 0 || b.compare(0, 6, "GIF89a") == 0)) {
        cover.codecId = AV_CODEC_ID_GIF;
        width = readLittle(b, 6, 2);
        height = readLittle(b, 8, 2);
    } else if (b.size() >= 26 && b.compare(0, 2, "BM") == 0) {
        cover.codecId = AV_CODEC_ID_BMP;
        const bool old = readLittle(b, 14, 4) == 12;
        width = readLittle(b, 18, old ? 2 : 4);
        const auto rows = static_cast<int32_t>(readLittle(b, old ? 20 : 22, old ? 2 : 4));
        height = old ? static_cast<uint32_t>(rows) : static_cast<uint32_t>(rows < 0 ? -static_cast<int64_t>(rows) : rows);
    } else {
        return "it is no JPEG, PNG, GIF or BMP picture";
    }
    if (!known)
        return "its header states no size";
    if (width == 0 || height == 0 || width > maxCoverSide || height > maxCoverSide ||
        static_cast<uint64_t>(width) * height > maxCoverPixels)
        return "its header states " + std::to_string(width) + "x" + std::to_string(height) + " pixels";
    cover.width = static_cast<int>(width);
    cover.height = static_cast<int>(height);
    return {};
}

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
    const int type = pictureTypeOf(chosen);
    cover.pictureType = type >= 0 ? type : frontCover;
    if (const AVDictionaryEntry *title = av_dict_get(chosen->metadata, "title", nullptr, 0))
        cover.description = title->value;
    // Muxers trust the size a picture states; a forged one can make them refuse the whole
    // file, and the audio matters more than its picture.
    if (const std::string problem = checkCoverPicture(cover); !problem.empty()) {
        printNotice("the cover picture is left out: " + problem);
        return std::nullopt;
    }
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
