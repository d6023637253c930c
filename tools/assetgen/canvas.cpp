// Pixel operations of Canvas.
#include "canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

Colour Canvas::At(int x, int y) const {
    if (!Contains(x, y))
        return Colour{0, 0, 0, 0};
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Canvas::Set(int x, int y, Colour c) {
    if (Contains(x, y))
        pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

// Porter-Duff "over" with straight alpha: `c` scaled by coverage on top of the pixel.
void Canvas::Blend(int x, int y, Colour c, double coverage) {
    if (!Contains(x, y) || coverage <= 0.0)
        return;
    Colour d = At(x, y);
    double sa = c.a / 255.0 * std::min(coverage, 1.0);
    double da = d.a / 255.0;
    double oa = sa + da * (1.0 - sa);
    if (oa <= 0.0)
        return;
    auto mix = [&](int s, int t) {
        double v = (s * sa + t * da * (1.0 - sa)) / oa;
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    Set(x, y,
        Colour{mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b),
               static_cast<std::uint8_t>(std::lround(oa * 255.0))});
}

void Canvas::FillRect(int x, int y, int w, int h, Colour c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Set(i, j, c);
}

void Canvas::Paste(const Canvas& src, int x, int y) {
    for (int j = 0; j < src.Height(); ++j)
        for (int i = 0; i < src.Width(); ++i)
            Set(x + i, y + j, src.At(i, j));
}

void Canvas::DrawOver(const Canvas& src, int x, int y) {
    for (int j = 0; j < src.Height(); ++j)
        for (int i = 0; i < src.Width(); ++i)
            Blend(x + i, y + j, src.At(i, j), 1.0);
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
    Canvas out(w, h, Colour{0, 0, 0, 0});
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            out.Set(i, j, At(x + i, y + j));
    return out;
}

Canvas Canvas::Enlarged(int factor) const {
    Canvas out(width_ * factor, height_ * factor, Colour{});
    for (int j = 0; j < out.Height(); ++j)
        for (int i = 0; i < out.Width(); ++i)
            out.Set(i, j, At(i / factor, j / factor));
    return out;
}
