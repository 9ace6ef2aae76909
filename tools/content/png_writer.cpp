#include "png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace {

// PNG colour types.
constexpr std::uint8_t kPalette = 3;
constexpr std::uint8_t kRgb = 2;
constexpr std::uint8_t kRgba = 6;

// PNG row filters.
constexpr int kFilterCount = 5;
enum Filter { None, Sub, Up, Average, Paeth };

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

bool isOpaque(const Picture &picture)
{
    return std::all_of(picture.pixels.begin(), picture.pixels.end(),
                       [](std::uint32_t pixel) { return (pixel >> 24) == 0xFFu; });
}

// The picture's colours in ascending order, or nothing when there are more
// than a palette holds.
std::vector<std::uint32_t> paletteOf(const Picture &picture)
{
    std::vector<std::uint32_t> colours;
    for (const std::uint32_t pixel : picture.pixels) {
        const auto at = std::lower_bound(colours.begin(), colours.end(), pixel);
        if (at == colours.end() || *at != pixel) {
            if (colours.size() == 256)
                return {};
            colours.insert(at, pixel);
        }
    }
    return colours;
}

// The picture's rows as the colour type stores them, unfiltered.
std::vector<std::vector<std::uint8_t>> storedRows(const Picture &picture, std::uint8_t colourType,
                                                  const std::vector<std::uint32_t> &palette)
{
    std::vector<std::vector<std::uint8_t>> rows(static_cast<std::size_t>(picture.h));
    for (int y = 0; y < picture.h; ++y) {
        std::vector<std::uint8_t> &row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < picture.w; ++x) {
            const std::uint32_t pixel = picture.at(x, y);
            if (colourType == kPalette) {
                const auto at = std::lower_bound(palette.begin(), palette.end(), pixel);
                row.push_back(static_cast<std::uint8_t>(at - palette.begin()));
                continue;
            }
            row.push_back(static_cast<std::uint8_t>((pixel >> 16) & 0xFFu));
            row.push_back(static_cast<std::uint8_t>((pixel >> 8) & 0xFFu));
            row.push_back(static_cast<std::uint8_t>(pixel & 0xFFu));
            if (colourType == kRgba)
                row.push_back(static_cast<std::uint8_t>((pixel >> 24) & 0xFFu));
        }
    }
    return rows;
}

std::uint8_t paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return static_cast<std::uint8_t>(a);
    return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

// The row filtered against the row above (zeros above the first row);
// bpp bytes make one pixel.
std::vector<std::uint8_t> filterRow(Filter filter, const std::vector<std::uint8_t> &row,
                                    const std::vector<std::uint8_t> &above, std::size_t bpp)
{
    std::vector<std::uint8_t> out(row.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int a = i >= bpp ? row[i - bpp] : 0;
        const int b = above[i];
        const int c = i >= bpp ? above[i - bpp] : 0;
        int predicted = 0;
        switch (filter) {
        case None:
            break;
        case Sub:
            predicted = a;
            break;
        case Up:
            predicted = b;
            break;
        case Average:
            predicted = (a + b) / 2;
            break;
        case Paeth:
            predicted = paeth(a, b, c);
            break;
        }
        out[i] = static_cast<std::uint8_t>(row[i] - predicted);
    }
    return out;
}

// The usual measure of how well a filtered row will compress: the sum of
// its bytes read as signed distances from zero.
long filteredCost(const std::vector<std::uint8_t> &filtered)
{
    long cost = 0;
    for (const std::uint8_t byte : filtered)
        cost += byte < 128 ? byte : 256 - byte;
    return cost;
}

// The image data with every row filtered by `fixed`, or, when fixed is
// negative, each row by the filter that suits it best.
std::vector<std::uint8_t> filteredData(const std::vector<std::vector<std::uint8_t>> &rows, std::size_t bpp,
                                       int fixed)
{
    std::vector<std::uint8_t> data;
    std::vector<std::uint8_t> above(rows.empty() ? 0 : rows.front().size(), 0);
    for (const std::vector<std::uint8_t> &row : rows) {
        int chosen = fixed;
        std::vector<std::uint8_t> best;
        if (fixed >= 0) {
            best = filterRow(static_cast<Filter>(fixed), row, above, bpp);
        } else {
            long bestCost = -1;
            for (int filter = 0; filter < kFilterCount; ++filter) {
                std::vector<std::uint8_t> filtered = filterRow(static_cast<Filter>(filter), row, above, bpp);
                const long cost = filteredCost(filtered);
                if (bestCost < 0 || cost < bestCost) {
                    bestCost = cost;
                    chosen = filter;
                    best = std::move(filtered);
                }
            }
        }
        data.push_back(static_cast<std::uint8_t>(chosen));
        data.insert(data.end(), best.begin(), best.end());
        above = row;
    }
    return data;
}

std::vector<std::uint8_t> deflate(const std::vector<std::uint8_t> &data)
{
    uLongf packedSize = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, data.data(), static_cast<uLong>(data.size()), 9) != Z_OK)
        throw std::runtime_error("zlib could not compress the picture");
    packed.resize(packedSize);
    return packed;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Picture &picture)
{
    if (picture.w <= 0 || picture.h <= 0)
        throw std::runtime_error("cannot write an empty picture");

    const bool opaque = isOpaque(picture);
    const std::vector<std::uint32_t> palette = opaque ? paletteOf(picture) : std::vector<std::uint32_t>();
    const std::uint8_t colourType = !palette.empty() ? kPalette : opaque ? kRgb : kRgba;
    const std::size_t bpp = colourType == kPalette ? 1 : colourType == kRgb ? 3 : 4;

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(picture.w));
    putBigEndian(header, static_cast<std::uint32_t>(picture.h));
    // 8 bits a sample, deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    putChunk(out, "IHDR", header);
    if (colourType == kPalette) {
        std::vector<std::uint8_t> entries;
        for (const std::uint32_t colour : palette) {
            entries.push_back(static_cast<std::uint8_t>((colour >> 16) & 0xFFu));
            entries.push_back(static_cast<std::uint8_t>((colour >> 8) & 0xFFu));
            entries.push_back(static_cast<std::uint8_t>(colour & 0xFFu));
        }
        putChunk(out, "PLTE", entries);
    }

    // The smallest of: each row with the filter that suits it, and every
    // row with one filter, for each filter.
    const std::vector<std::vector<std::uint8_t>> rows = storedRows(picture, colourType, palette);
    std::vector<std::uint8_t> smallest;
    for (int fixed = -1; fixed < kFilterCount; ++fixed) {
        std::vector<std::uint8_t> packed = deflate(filteredData(rows, bpp, fixed));
        if (smallest.empty() || packed.size() < smallest.size())
            smallest = std::move(packed);
    }
    putChunk(out, "IDAT", smallest);
    putChunk(out, "IEND", {});
    return out;
}
