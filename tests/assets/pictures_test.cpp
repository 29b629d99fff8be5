// The picture files the screens show: every catalogue entry is a file of the format and pixel
// size it promises, and the three cell bitmaps are exactly the drawings the cells rely on.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/catalogue.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readPicture(const std::string& file) {
    std::ifstream in(std::string(BURUNTSY_PICTURES_DIR) + "/" + file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int be16(const Bytes& b, std::size_t at) {
    return b[at] << 8 | b[at + 1];
}
int le16(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}
std::int32_t le32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
        static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24);
}

struct Frame {
    int width = 0;
    int height = 0;
    int components = 0;
};

// Walks the marker segments from the start of image to the first start-of-frame.
bool jpegFrame(const Bytes& b, Frame& frame) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) return false;
        const int marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        const int length = be16(b, at + 2);
        const bool sof =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (sof) {
            if (at + 10 > b.size()) return false;
            frame.height = be16(b, at + 5);
            frame.width = be16(b, at + 7);
            frame.components = b[at + 9];
            return true;
        }
        at += 2 + static_cast<std::size_t>(length);
    }
    return false;
}

// A 24-bit uncompressed bitmap, rows stored bottom-up; pixels read top-down.
struct Bitmap {
    int width = 0;
    int height = 0;
    Bytes data;
    std::size_t offset = 0;
    std::size_t stride = 0;

    struct Rgb {
        int r, g, b;
    };
    Rgb at(int row, int col) const {
        const std::size_t p = offset + (height - 1 - row) * stride + col * 3;
        return {data[p + 2], data[p + 1], data[p]};
    }
    bool white(int row, int col) const {
        const Rgb c = at(row, col);
        return c.r == 255 && c.g == 255 && c.b == 255;
    }
    bool black(int row, int col) const {
        const Rgb c = at(row, col);
        return c.r == 0 && c.g == 0 && c.b == 0;
    }
    bool red(int row, int col) const {
        const Rgb c = at(row, col);
        return c.r == 255 && c.g == 0 && c.b == 0;
    }
};

void expectBitmapHeader(const Bytes& b, const assets::Entry& e) {
    ASSERT_GE(b.size(), 54u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(le32(b, 14), 40) << "BITMAPINFOHEADER";
    EXPECT_EQ(le32(b, 18), e.width);
    EXPECT_EQ(le32(b, 22), e.height) << "positive height: bottom-up rows";
    EXPECT_EQ(le16(b, 26), 1) << "planes";
    EXPECT_EQ(le16(b, 28), 24) << "bits per pixel";
    EXPECT_EQ(le32(b, 30), 0) << "no compression";
    const std::size_t stride = (static_cast<std::size_t>(e.width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(b.size(), static_cast<std::size_t>(le32(b, 10)) + stride * e.height);
}

Bitmap cellBitmap(assets::Id id) {
    const assets::Entry& e = assets::entry(id);
    Bitmap bmp;
    bmp.data = readPicture(e.file);
    bmp.width = e.width;
    bmp.height = e.height;
    if (bmp.data.size() >= 54) bmp.offset = static_cast<std::size_t>(le32(bmp.data, 10));
    bmp.stride = (static_cast<std::size_t>(e.width) * 3 + 3) / 4 * 4;
    return bmp;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

TEST(PictureFiles, EveryEntryIsAFileOfItsFormatAndSize) {
    ASSERT_EQ(assets::catalogue().size(), 21u);
    for (const assets::Entry& e : assets::catalogue()) {
        SCOPED_TRACE(e.file);
        const Bytes b = readPicture(e.file);
        ASSERT_FALSE(b.empty()) << "missing or empty";
        if (endsWith(e.file, ".bmp")) {
            expectBitmapHeader(b, e);
        } else {
            ASSERT_TRUE(endsWith(e.file, ".jpg"));
            Frame frame;
            ASSERT_TRUE(jpegFrame(b, frame)) << "no JPEG frame header";
            EXPECT_EQ(frame.width, e.width);
            EXPECT_EQ(frame.height, e.height);
            EXPECT_EQ(frame.components, 3) << "a colour picture";
            EXPECT_EQ(b[b.size() - 2], 0xFF);
            EXPECT_EQ(b[b.size() - 1], 0xD9) << "ends with the end-of-image marker";
        }
    }
}

TEST(CellBitmaps, DolaIsABlackFrameThreePixelsWideOnePixelIn) {
    const Bitmap bmp = cellBitmap(assets::Id::CellDola);
    ASSERT_EQ(bmp.data.size(), bmp.offset + bmp.stride * 21);
    for (int r = 0; r < 21; ++r) {
        for (int c = 0; c < 21; ++c) {
            const bool frame =
                r >= 1 && r <= 19 && c >= 1 && c <= 19 && !(r >= 4 && r <= 16 && c >= 4 && c <= 16);
            EXPECT_TRUE(frame ? bmp.black(r, c) : bmp.white(r, c)) << "row " << r << " col " << c;
        }
    }
}

TEST(CellBitmaps, MimoIsASevenPixelDiscInTheMiddle) {
    const Bitmap bmp = cellBitmap(assets::Id::CellMimo);
    ASSERT_EQ(bmp.data.size(), bmp.offset + bmp.stride * 21);
    const int widths[7] = {3, 5, 7, 7, 7, 5, 3};  // rows 7 to 13
    for (int r = 0; r < 21; ++r) {
        for (int c = 0; c < 21; ++c) {
            const bool disc = r >= 7 && r <= 13 && std::abs(c - 10) <= widths[r - 7] / 2;
            EXPECT_TRUE(disc ? bmp.black(r, c) : bmp.white(r, c)) << "row " << r << " col " << c;
        }
    }
}

TEST(CellBitmaps, PopalIsAPureRedDiagonalCrossWithAWhiteMargin) {
    const Bitmap bmp = cellBitmap(assets::Id::CellPopal);
    ASSERT_EQ(bmp.data.size(), bmp.offset + bmp.stride * 21);
    for (int r = 0; r < 21; ++r) {
        for (int c = 0; c < 21; ++c) {
            SCOPED_TRACE("row " + std::to_string(r) + " col " + std::to_string(c));
            ASSERT_TRUE(bmp.red(r, c) || bmp.white(r, c)) << "only pure red and pure white";
            const bool margin = r == 0 || r == 20 || c == 0 || c == 20;
            const bool nearDiagonal = std::abs(r - c) <= 2 || std::abs(r + c - 20) <= 2;
            if (margin || !nearDiagonal) {
                EXPECT_TRUE(bmp.white(r, c));
            }
        }
    }
    // From corner to corner, each arm two to four pixels thick across every row.
    for (int r = 1; r <= 19; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        EXPECT_TRUE(bmp.red(r, r));
        EXPECT_TRUE(bmp.red(r, 20 - r));
        if (std::abs(r - 10) < 3) continue;  // where the arms meet they merge
        for (int centre : {r, 20 - r}) {
            int left = centre;
            while (left > 0 && bmp.red(r, left - 1))
                --left;
            int right = centre;
            while (right < 20 && bmp.red(r, right + 1))
                ++right;
            EXPECT_GE(right - left + 1, 2);
            EXPECT_LE(right - left + 1, 4);
        }
    }
}
