// A small RGBA picture with the pixel operations the asset generator needs.
#pragma once

#include <cstdint>
#include <vector>

// A colour with straight (not premultiplied) alpha; 255 is opaque.
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
};

constexpr Colour Rgb(int r, int g, int b) {
    return Colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                  static_cast<std::uint8_t>(b), 255};
}

inline bool operator==(Colour x, Colour y) {
    return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a;
}

// Row 0 is the top row. Points outside the picture are ignored by every writer.
class Canvas {
  public:
    Canvas(int width, int height, Colour fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour At(int x, int y) const;
    void Set(int x, int y, Colour c);
    // Paints `c` over the pixel as if it covered the given fraction (0..1) of it.
    void Blend(int x, int y, Colour c, double coverage);
    void FillRect(int x, int y, int w, int h, Colour c);
    // Copies every pixel of `src` (alpha included) with its top left corner at (x, y).
    void Paste(const Canvas& src, int x, int y);
    // Paints `src` over this picture, honouring its alpha.
    void DrawOver(const Canvas& src, int x, int y);

    Canvas Crop(int x, int y, int w, int h) const;
    // Each pixel becomes a factor x factor block (for looking at small pictures).
    Canvas Enlarged(int factor) const;

  private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};
