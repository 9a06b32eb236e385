// The cover picture of a source and the forms outputs store it in. Only a picture the
// source itself marks as attached (ID3 APIC, MP4 covr, FLAC or Vorbis-comment picture, an
// image attachment of Matroska) counts: a video stream's frames never become a cover.
#pragma once

#include "ffmpegcompat.h"

#include <optional>
#include <string>

namespace kescvt {

struct CoverArt {
    AVCodecID codecId = AV_CODEC_ID_NONE; // MJPEG, PNG, GIF or BMP
    std::string bytes;                    // the file's picture, unchanged
    int width = 0;
    int height = 0;
    int pictureType = 3;                  // ID3/FLAC picture type; 3 is the front cover
    std::string description;
};

// A FLAC picture block keeps its length in 24 bits; a bigger picture is left out everywhere.
constexpr size_t maxCoverBytes = (1u << 24) - 4096;

// Sides and area of a picture that every output takes.
constexpr uint32_t maxCoverSide = 65535;
constexpr uint64_t maxCoverPixels = 1ULL << 28;

// The source's front cover, else its first attached picture of a kind every output takes.
// A picture that fails checkCoverPicture() is left out with a notice.
std::optional<CoverArt> findCoverArt(const AVFormatContext *input);
// Checks the picture's bytes: a known type (which sets codecId), a size within bounds and a
// sane width and height in its header (which set width and height). Returns what is wrong,
// or an empty text.
std::string checkCoverPicture(CoverArt &cover);

const char *coverMimeType(AVCodecID codecId);
// ID3's name of a picture type ("Cover (front)"), as FFmpeg keeps it in a stream's comment.
const char *pictureTypeName(int pictureType);
// The body of a FLAC PICTURE metadata block, which Ogg comments carry in base64 under
// METADATA_BLOCK_PICTURE.
std::string flacPictureBlock(const CoverArt &cover);
std::string base64(const std::string &bytes);

} // namespace kescvt
