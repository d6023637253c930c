// Shape tests and the anti-aliased fill.
#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

Region Ellipse(Point c, double rx, double ry) {
    auto inside = [=](double x, double y) {
        double u = (x - c.x) / rx;
        double v = (y - c.y) / ry;
        return u * u + v * v <= 1.0;
    };
    return Region{inside, c.x - rx, c.y - ry, c.x + rx, c.y + ry};
}

Region Circle(Point centre, double r) {
    return Ellipse(centre, r, r);
}

Region Rect(double left, double top, double right, double bottom) {
    auto inside = [=](double x, double y) {
        return x >= left && x < right && y >= top && y < bottom;
    };
    return Region{inside, left, top, right, bottom};
}

Region RoundedRect(double left, double top, double right, double bottom, double radius) {
    auto inside = [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        // Distance from the rectangle shrunk by the radius must not exceed the radius.
        double dx = std::max({left + radius - x, 0.0, x - (right - radius)});
        double dy = std::max({top + radius - y, 0.0, y - (bottom - radius)});
        return dx * dx + dy * dy <= radius * radius;
    };
    return Region{inside, left, top, right, bottom};
}

Region Polygon(std::vector<Point> corners) {
    Region r;
    r.left = r.right = corners.front().x;
    r.top = r.bottom = corners.front().y;
    for (const Point& p : corners) {
        r.left = std::min(r.left, p.x);
        r.right = std::max(r.right, p.x);
        r.top = std::min(r.top, p.y);
        r.bottom = std::max(r.bottom, p.y);
    }
    r.contains = [pts = std::move(corners)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Point& a = pts[i];
            const Point& b = pts[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside;
    };
    return r;
}

Region Stroke(Point a, Point b, double width) {
    double half = width / 2;
    auto inside = [=](double x, double y) {
        double dx = b.x - a.x;
        double dy = b.y - a.y;
        double len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        double ex = a.x + t * dx - x;
        double ey = a.y + t * dy - y;
        return ex * ex + ey * ey <= half * half;
    };
    return Region{inside, std::min(a.x, b.x) - half, std::min(a.y, b.y) - half,
                  std::max(a.x, b.x) + half, std::max(a.y, b.y) + half};
}

Region Minus(Region a, Region b) {
    Region r = a;
    r.contains = [a, b](double x, double y) { return a.contains(x, y) && !b.contains(x, y); };
    return r;
}

Region EllipseRing(Point centre, double rx, double ry, double thickness) {
    return Minus(Ellipse(centre, rx, ry), Ellipse(centre, rx - thickness, ry - thickness));
}

namespace {

// Frame point -> picture point: a clockwise quarter turn maps (x, y) to (-y, x) in a
// picture whose y axis points down.
Point ToPicture(Point local, const Placement& w) {
    Point p = local;
    for (int i = 0; i < ((w.quarterTurns % 4) + 4) % 4; ++i)
        p = Point{-p.y, p.x};
    return Point{w.centre.x + p.x * w.scale, w.centre.y + p.y * w.scale};
}

Point ToFrame(Point picture, const Placement& w) {
    Point p{(picture.x - w.centre.x) / w.scale, (picture.y - w.centre.y) / w.scale};
    for (int i = 0; i < ((w.quarterTurns % 4) + 4) % 4; ++i)
        p = Point{p.y, -p.x};
    return p;
}

} // namespace

Region Place(const Region& local, const Placement& where) {
    Region r;
    Point a = ToPicture(Point{local.left, local.top}, where);
    Point b = ToPicture(Point{local.right, local.bottom}, where);
    r.left = std::min(a.x, b.x);
    r.right = std::max(a.x, b.x);
    r.top = std::min(a.y, b.y);
    r.bottom = std::max(a.y, b.y);
    r.contains = [local, where](double x, double y) {
        Point p = ToFrame(Point{x, y}, where);
        return local.contains(p.x, p.y);
    };
    return r;
}

void Fill(Canvas& canvas, const Region& region, Colour colour) {
    constexpr int kSamples = 4;
    int x0 = std::max(0, static_cast<int>(std::floor(region.left)));
    int y0 = std::max(0, static_cast<int>(std::floor(region.top)));
    int x1 = std::min(canvas.Width() - 1, static_cast<int>(std::ceil(region.right)));
    int y1 = std::min(canvas.Height() - 1, static_cast<int>(std::ceil(region.bottom)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (region.contains(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples))
                        ++hits;
            canvas.Blend(x, y, colour, static_cast<double>(hits) / (kSamples * kSamples));
        }
    }
}
