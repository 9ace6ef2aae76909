#include "png_writer.h"

#include <zlib.h>

#include <stdexcept>

namespace {

void putBigEndian(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFFu));
}

// One chunk: length, type, data, and the CRC over type and data.
void putChunk(std::vector<std::uint8_t> &out, const char *type, const std::vector<std::uint8_t> &data)
{
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(type[i]));
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
    putBigEndian(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Picture &picture)
{
    if (picture.w <= 0 || picture.h <= 0)
        throw std::runtime_error("cannot write an empty picture");

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(picture.w));
    putBigEndian(header, static_cast<std::uint32_t>(picture.h));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    putChunk(out, "IHDR", header);

    // Every row starts with filter type 0 (none).
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(picture.h) * (static_cast<std::size_t>(picture.w) * 4 + 1));
    for (int y = 0; y < picture.h; ++y) {
        raw.push_back(0);
        for (int x = 0; x < picture.w; ++x) {
            const std::uint32_t pixel = picture.at(x, y);
            raw.push_back(static_cast<std::uint8_t>((pixel >> 16) & 0xFFu));
            raw.push_back(static_cast<std::uint8_t>((pixel >> 8) & 0xFFu));
            raw.push_back(static_cast<std::uint8_t>(pixel & 0xFFu));
            raw.push_back(static_cast<std::uint8_t>((pixel >> 24) & 0xFFu));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw std::runtime_error("zlib could not compress the picture");
    packed.resize(packedSize);
    putChunk(out, "IDAT", packed);
    putChunk(out, "IEND", {});
    return out;
}
