// Figure drawings. Each is made in a frame where the figure faces up (negative y) with its
// middle at the origin; Place() turns and scales it into the picture. Every part is filled
// twice: a slightly larger dark shape first, so that parts keep an outline on any background.
#include "figures.h"

namespace {

struct Painter {
    Canvas& canvas;
    Placement where;

    void Paint(const Region& local, Colour c) const { Fill(canvas, Place(local, where), c); }
};

constexpr Colour kPlayerOutline = Rgb(12, 24, 80);
constexpr Colour kPlayerBody = Rgb(40, 100, 235);
constexpr Colour kPlayerBodyLight = Rgb(95, 150, 255);
constexpr Colour kPlayerHair = Rgb(48, 36, 28);
constexpr Colour kSkin = Rgb(250, 200, 160);
constexpr Colour kShoes = Rgb(110, 110, 130);

constexpr Colour kWalkerOutline = Rgb(55, 28, 8);
constexpr Colour kWalkerBody = Rgb(165, 100, 45);
constexpr Colour kWalkerBodyLight = Rgb(200, 140, 75);
constexpr Colour kWalkerHood = Rgb(110, 62, 22);
constexpr Colour kWalkerClaws = Rgb(235, 200, 150);
constexpr Colour kWalkerEyes = Rgb(255, 235, 60);

Placement At(Point centre, double scale, Facing facing) {
    return Placement{centre, scale, static_cast<int>(facing)};
}

} // namespace

void DrawPlayer(Canvas& canvas, Point centre, double scale, Facing facing) {
    Painter p{canvas, At(centre, scale, facing)};
    // Shoes peep out behind the body, hands reach forward: together they show the facing.
    for (double side : {-1.0, 1.0}) {
        p.Paint(Ellipse({side * 3.4, 7.4}, 2.7, 3.1), kPlayerOutline);
        p.Paint(Ellipse({side * 3.4, 7.6}, 1.9, 2.3), kShoes);
        p.Paint(Ellipse({side * 7.9, -1.8}, 3.4, 5.0), kPlayerOutline);
        p.Paint(Ellipse({side * 7.9, -1.8}, 2.5, 4.1), kPlayerBody);
        p.Paint(Circle({side * 7.9, -6.4}, 2.8), kPlayerOutline);
        p.Paint(Circle({side * 7.9, -6.4}, 1.9), kSkin);
    }
    p.Paint(Ellipse({0, 1.5}, 9.4, 6.0), kPlayerOutline);
    p.Paint(Ellipse({0, 1.5}, 8.5, 5.1), kPlayerBody);
    p.Paint(Ellipse({0, 1.0}, 6.5, 3.4), kPlayerBodyLight);
    // The head: dark hair on top, the face showing at the front.
    p.Paint(Circle({0, -0.8}, 5.1), kPlayerOutline);
    Region head = Circle({0, -0.8}, 4.2);
    p.Paint(head, kPlayerHair);
    p.Paint(Minus(head, Rect(-6, -2.4, 6, 6)), kSkin);
    p.Paint(Circle({0, -5.2}, 1.2), kSkin);
}

void DrawWalker(Canvas& canvas, Point centre, double scale, Facing facing) {
    Painter p{canvas, At(centre, scale, facing)};
    // Long arms stretched forward with pale claws: the chaser reaches for its prey.
    for (double side : {-1.0, 1.0}) {
        p.Paint(Ellipse({side * 3.6, 8.6}, 2.4, 2.6), kWalkerOutline);
        p.Paint(Stroke({side * 6.2, 1.0}, {side * 5.6, -6.6}, 5.2), kWalkerOutline);
        for (double claw : {-1.6, 0.0, 1.6})
            p.Paint(Stroke({side * 5.6, -7.4}, {side * 5.6 + claw, -10.8}, 2.6), kWalkerOutline);
        for (double claw : {-1.6, 0.0, 1.6})
            p.Paint(Stroke({side * 5.6, -7.4}, {side * 5.6 + claw, -10.8}, 1.1), kWalkerClaws);
        p.Paint(Stroke({side * 6.2, 1.0}, {side * 5.6, -6.6}, 3.4), kWalkerBody);
    }
    p.Paint(Ellipse({0, 2.8}, 8.8, 6.6), kWalkerOutline);
    p.Paint(Ellipse({0, 2.8}, 7.9, 5.7), kWalkerBody);
    p.Paint(Ellipse({0, 5.0}, 4.8, 2.4), kWalkerBodyLight);
    // A dark hood with two glowing eyes at its front.
    p.Paint(Circle({0, -1.2}, 5.6), kWalkerOutline);
    p.Paint(Circle({0, -1.2}, 4.7), kWalkerHood);
    for (double side : {-1.0, 1.0})
        p.Paint(Ellipse({side * 2.0, -3.6}, 1.4, 1.2), kWalkerEyes);
}
