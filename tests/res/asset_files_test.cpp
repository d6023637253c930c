// Checks the committed pictures, icon and sounds: their formats, sizes and lengths, and that
// the tile sheet's border pieces join up into one unbroken ring.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAsset(const std::string& name) {
    Bytes bytes;
    std::FILE* f = std::fopen((std::string(VORBIN_RES_DIR) + name).c_str(), "rb");
    if (!f)
        return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
    return bytes;
}

// Little-endian reads that give 0 past the end, so a short file fails the checks instead of
// reading out of bounds.
std::uint32_t U16(const Bytes& b, std::size_t at) {
    return at + 2 <= b.size() ? static_cast<std::uint32_t>(b[at] | b[at + 1] << 8) : 0;
}
std::uint32_t U32(const Bytes& b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}
std::int32_t S32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}
std::string Tag(const Bytes& b, std::size_t at) {
    return at + 4 <= b.size() ? std::string(b.begin() + at, b.begin() + at + 4) : "";
}

// --- Pictures ----------------------------------------------------------------------

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// A 24-bit BMP file: the file header, BITMAPINFOHEADER, and rows stored bottom-up, each padded
// to a multiple of 4 bytes.
struct Bmp {
    Bytes bytes;
    int width() const { return S32(bytes, 18); }
    int height() const { return S32(bytes, 22); }
    Rgb At(int x, int y) const { // y = 0 is the top row
        std::size_t row = (static_cast<std::size_t>(width()) * 3 + 3) / 4 * 4;
        std::size_t at = U32(bytes, 10) + row * static_cast<std::size_t>(height() - 1 - y) +
                         static_cast<std::size_t>(x) * 3;
        return Rgb{bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)};
    }
};

TEST(AssetFiles, PicturesAreUncompressed24BitBmpOfTheirSizes) {
    struct Case {
        const char* file;
        int width, height;
    };
    const Case cases[] = {{"tiles.bmp", 567, 27},
                          {"logo.bmp", 200, 50},
                          {"about.bmp", 163, 50},
                          {"help.bmp", 183, 172}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Bmp bmp{ReadAsset(c.file)};
        ASSERT_GE(bmp.bytes.size(), 54u);
        EXPECT_EQ(Tag(bmp.bytes, 0).substr(0, 2), "BM");
        EXPECT_EQ(U32(bmp.bytes, 2), bmp.bytes.size());
        EXPECT_EQ(U32(bmp.bytes, 14), 40u) << "BITMAPINFOHEADER";
        EXPECT_EQ(bmp.width(), c.width);
        EXPECT_EQ(bmp.height(), c.height) << "positive: rows stored bottom-up";
        EXPECT_EQ(U16(bmp.bytes, 26), 1u) << "planes";
        EXPECT_EQ(U16(bmp.bytes, 28), 24u) << "bits per pixel";
        EXPECT_EQ(U32(bmp.bytes, 30), 0u) << "BI_RGB, uncompressed";
        std::size_t row = (static_cast<std::size_t>(c.width) * 3 + 3) / 4 * 4;
        EXPECT_EQ(U32(bmp.bytes, 10) + row * static_cast<std::size_t>(c.height), bmp.bytes.size());
    }
}

constexpr int kTile = 27;
constexpr int kTileCount = 21;

Rgb TilePixel(const Bmp& sheet, int code, int x, int y) {
    return sheet.At(code * kTile + x, y);
}

TEST(AssetFiles, FloorIsBlackAndEveryTileIsDifferent) {
    Bmp sheet{ReadAsset("tiles.bmp")};
    ASSERT_EQ(sheet.width(), kTile * kTileCount);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            ASSERT_EQ(TilePixel(sheet, 0, x, y), (Rgb{0, 0, 0})) << x << "," << y;
    for (int a = 0; a < kTileCount; ++a) {
        for (int b = a + 1; b < kTileCount; ++b) {
            int differing = 0;
            for (int y = 0; y < kTile; ++y)
                for (int x = 0; x < kTile; ++x)
                    differing += TilePixel(sheet, a, x, y) == TilePixel(sheet, b, x, y) ? 0 : 1;
            EXPECT_GT(differing, 20) << "tiles " << a << " and " << b << " look alike";
        }
    }
}

// The chain trim is the only yellow on the border pieces.
bool IsTrim(Rgb c) {
    return c.r > 150 && c.g > 110 && c.b < 100;
}

// The trim pixels along one edge of a tile: 'L', 'R', 'T' or 'B'.
std::vector<int> TrimAlongEdge(const Bmp& sheet, int code, char edge) {
    std::vector<int> found;
    for (int i = 0; i < kTile; ++i) {
        int x = edge == 'L' ? 0 : (edge == 'R' ? kTile - 1 : i);
        int y = edge == 'T' ? 0 : (edge == 'B' ? kTile - 1 : i);
        if (IsTrim(TilePixel(sheet, code, x, y)))
            found.push_back(i);
    }
    return found;
}

// Neighbouring border pieces on the board must continue each other's trim across the seam,
// and the edges that face away from the field must carry none.
TEST(AssetFiles, BorderTrimRunsOnAcrossEverySeam) {
    enum { TopLeft = 4, TopRight, Top, Left, Bottom, Right, BottomLeft, BottomRight };
    Bmp sheet{ReadAsset("tiles.bmp")};
    ASSERT_EQ(sheet.width(), kTile * kTileCount);
    struct Seam {
        int first, second; // left and right, or upper and lower
        bool sideBySide;
    };
    const Seam seams[] = {
        {TopLeft, Top, true},       {Top, Top, true},       {Top, TopRight, true},
        {BottomLeft, Bottom, true}, {Bottom, Bottom, true}, {Bottom, BottomRight, true},
        {TopLeft, Left, false},     {Left, Left, false},    {Left, BottomLeft, false},
        {TopRight, Right, false},   {Right, Right, false},  {Right, BottomRight, false},
    };
    for (const Seam& s : seams) {
        SCOPED_TRACE(testing::Message() << s.first << (s.sideBySide ? " | " : " / ") << s.second);
        std::vector<int> a = TrimAlongEdge(sheet, s.first, s.sideBySide ? 'R' : 'B');
        std::vector<int> b = TrimAlongEdge(sheet, s.second, s.sideBySide ? 'L' : 'T');
        EXPECT_FALSE(a.empty());
        EXPECT_EQ(a, b);
    }
    // Outer edges: the ring's outside (and the corners' outer sides) show no trim.
    const std::pair<int, char> outer[] = {
        {TopLeft, 'T'},    {TopLeft, 'L'},    {TopRight, 'T'},    {TopRight, 'R'},
        {Top, 'T'},        {Left, 'L'},       {Right, 'R'},       {Bottom, 'B'},
        {BottomLeft, 'B'}, {BottomLeft, 'L'}, {BottomRight, 'B'}, {BottomRight, 'R'},
    };
    for (const auto& [code, edge] : outer)
        EXPECT_TRUE(TrimAlongEdge(sheet, code, edge).empty()) << code << " edge " << edge;
}

// --- Icon ----------------------------------------------------------------------------

TEST(AssetFiles, IconHas16And32And48PixelImagesWithAlpha) {
    Bytes ico = ReadAsset("vorbin.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(U16(ico, 0), 0u);
    EXPECT_EQ(U16(ico, 2), 1u) << "type 1: icon";
    ASSERT_EQ(U16(ico, 4), 3u);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(sizes[i]);
        std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
        EXPECT_EQ(ico.at(entry), sizes[i]);
        EXPECT_EQ(ico.at(entry + 1), sizes[i]);
        EXPECT_EQ(U16(ico, entry + 6), 32u) << "bits per pixel";
        std::uint32_t length = U32(ico, entry + 8);
        std::uint32_t image = U32(ico, entry + 12);
        ASSERT_LE(static_cast<std::size_t>(image) + length, ico.size());
        // The image: BITMAPINFOHEADER (height counts colour and mask rows), BGRA rows
        // bottom-up, then the 1-bit mask.
        EXPECT_EQ(U32(ico, image), 40u);
        EXPECT_EQ(S32(ico, image + 4), sizes[i]);
        EXPECT_EQ(S32(ico, image + 8), 2 * sizes[i]);
        EXPECT_EQ(U16(ico, image + 14), 32u);
        std::size_t mask = static_cast<std::size_t>((sizes[i] + 31) / 32 * 4 * sizes[i]);
        std::size_t pixels = static_cast<std::size_t>(sizes[i] * sizes[i] * 4);
        EXPECT_EQ(length, 40 + pixels + mask);
        auto alpha = [&](int x, int y) {
            return ico.at(image + 40 +
                          (static_cast<std::size_t>((sizes[i] - 1 - y) * sizes[i] + x)) * 4 + 3);
        };
        EXPECT_LT(alpha(0, 0), 128) << "the rounded corners let the background through";
        EXPECT_EQ(alpha(sizes[i] / 2, sizes[i] / 2), 255) << "the middle is opaque";
    }
}

// --- Sounds --------------------------------------------------------------------------

struct Wave {
    int formatTag = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks for "fmt " and "data"; other chunks are skipped.
bool ParseWave(const Bytes& b, Wave& w) {
    if (Tag(b, 0) != "RIFF" || Tag(b, 8) != "WAVE" || U32(b, 4) + 8 != b.size())
        return false;
    bool haveFormat = false;
    bool haveData = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        std::string id = Tag(b, at);
        std::size_t size = U32(b, at + 4);
        std::size_t body = at + 8;
        if (body + size > b.size())
            return false;
        if (id == "fmt ") {
            w.formatTag = static_cast<int>(U16(b, body));
            w.channels = static_cast<int>(U16(b, body + 2));
            w.rate = static_cast<int>(U32(b, body + 4));
            w.byteRate = static_cast<int>(U32(b, body + 8));
            w.blockAlign = static_cast<int>(U16(b, body + 12));
            w.bits = static_cast<int>(U16(b, body + 14));
            haveFormat = true;
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(U16(b, body + i)));
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    return haveFormat && haveData;
}

TEST(AssetFiles, SoundsArePcm16OfTheirFormatAndLength) {
    struct Case {
        const char* file;
        int channels, rate;
        double seconds;
    };
    const Case cases[] = {
        {"key.wav", 1, 44100, 0.1}, {"door.wav", 2, 48000, 0.83}, {"caught.wav", 2, 48000, 0.76}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Wave w;
        ASSERT_TRUE(ParseWave(ReadAsset(c.file), w));
        EXPECT_EQ(w.formatTag, 1) << "PCM";
        EXPECT_EQ(w.channels, c.channels);
        EXPECT_EQ(w.rate, c.rate);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.blockAlign, c.channels * 2);
        EXPECT_EQ(w.byteRate, c.rate * c.channels * 2);
        ASSERT_EQ(w.samples.size() % static_cast<std::size_t>(c.channels), 0u);
        double seconds = static_cast<double>(w.samples.size()) / c.channels / c.rate;
        EXPECT_NEAR(seconds, c.seconds, c.seconds * 0.1);
    }
}

// Loud enough to hear, never held at full scale (clipping), and silent at both ends so that
// neither the start nor a cut-off makes a click.
TEST(AssetFiles, SoundsDoNotClipAndStartAndEndQuietly) {
    for (const char* file : {"key.wav", "door.wav", "caught.wav"}) {
        SCOPED_TRACE(file);
        Wave w;
        ASSERT_TRUE(ParseWave(ReadAsset(file), w));
        ASSERT_FALSE(w.samples.empty());
        int peak = 0;
        int run = 0;
        int longestRun = 0;
        for (std::int16_t s : w.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            run = (s >= 32767 || s <= -32767) ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
        EXPECT_LE(longestRun, 2) << "samples in a row at full scale";
        EXPECT_GT(peak, 32767 / 4) << "too quiet";
        auto frame = static_cast<std::size_t>(w.channels);
        for (std::size_t i = 0; i < frame; ++i) {
            EXPECT_LE(std::abs(static_cast<int>(w.samples[i])), 330) << "first frame";
            EXPECT_LE(std::abs(static_cast<int>(w.samples[w.samples.size() - 1 - i])), 330)
                << "last frame";
        }
    }
}

} // namespace
