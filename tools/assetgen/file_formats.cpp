// BMP, ICO and WAVE encoders (little-endian throughout, as the formats require).
#include "file_formats.h"

#include <cstdio>

namespace {

void Put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutText(Bytes& out, const char* fourCc) {
    out.insert(out.end(), fourCc, fourCc + 4);
}

// BITMAPINFOHEADER. Icons declare twice the height: the colour rows and then the mask rows.
void PutInfoHeader(Bytes& out, int width, int height, int bitCount, std::uint32_t imageSize) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1); // planes
    Put16(out, static_cast<unsigned>(bitCount));
    Put32(out, 0); // BI_RGB: uncompressed
    Put32(out, imageSize);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, 0); // colours used
    Put32(out, 0); // important colours
}

int RowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// The image part of one icon entry: BGRA rows bottom-up, then the 1-bit AND mask (set where
// the picture is fully transparent, for programs that ignore alpha).
Bytes IconImage(const Canvas& p) {
    Bytes out;
    int maskRow = RowBytes(p.Width(), 1);
    auto colourSize = static_cast<std::uint32_t>(p.Width() * p.Height() * 4);
    auto maskSize = static_cast<std::uint32_t>(maskRow * p.Height());
    PutInfoHeader(out, p.Width(), p.Height() * 2, 32, colourSize + maskSize);
    for (int y = p.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < p.Width(); ++x) {
            Colour c = p.At(x, y);
            out.insert(out.end(), {c.b, c.g, c.r, c.a});
        }
    }
    for (int y = p.Height() - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < p.Width(); ++x)
            if (p.At(x, y).a == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

Bytes EncodeBmp24(const Canvas& p) {
    int rowBytes = RowBytes(p.Width(), 24);
    auto imageSize = static_cast<std::uint32_t>(rowBytes * p.Height());
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + 40 + imageSize); // file size
    Put32(out, 0);                   // reserved
    Put32(out, 14 + 40);             // offset of the pixels
    PutInfoHeader(out, p.Width(), p.Height(), 24, imageSize);
    for (int y = p.Height() - 1; y >= 0; --y) {
        std::size_t rowStart = out.size();
        for (int x = 0; x < p.Width(); ++x) {
            Colour c = p.At(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.resize(rowStart + static_cast<std::size_t>(rowBytes), 0);
    }
    return out;
}

Bytes EncodeIco(const std::vector<Canvas>& pictures) {
    std::vector<Bytes> images;
    for (const Canvas& p : pictures)
        images.push_back(IconImage(p));
    Bytes out;
    Put16(out, 0); // reserved
    Put16(out, 1); // type: icon
    Put16(out, static_cast<unsigned>(pictures.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        // A size of 256 would be written as 0; our icons are smaller.
        out.push_back(static_cast<std::uint8_t>(pictures[i].Width()));
        out.push_back(static_cast<std::uint8_t>(pictures[i].Height()));
        out.push_back(0); // no palette
        out.push_back(0); // reserved
        Put16(out, 1);    // planes
        Put16(out, 32);   // bits per pixel
        Put32(out, static_cast<std::uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

Bytes EncodeWav(int channels, int sampleRate, const std::vector<std::int16_t>& samples) {
    auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    auto blockAlign = static_cast<unsigned>(channels * 2);
    Bytes out;
    PutText(out, "RIFF");
    Put32(out, 4 + (8 + 16) + (8 + dataSize));
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, static_cast<unsigned>(channels));
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    Put16(out, blockAlign);
    Put16(out, 16);
    PutText(out, "data");
    Put32(out, dataSize);
    for (std::int16_t s : samples)
        Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
