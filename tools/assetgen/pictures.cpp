// Drawing of the logos, the help picture and the icon images.
#include "pictures.h"

#include "figures.h"
#include "pixel_font.h"
#include "shapes.h"

#include <string>

namespace {

constexpr Colour kWindowGrey = Rgb(192, 192, 192);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kDarkGrey = Rgb(128, 128, 128);
constexpr Colour kRed = Rgb(220, 24, 24);
constexpr Colour kDarkRed = Rgb(100, 0, 0);
constexpr Colour kGold = Rgb(248, 208, 40);
constexpr Colour kGoldDark = Rgb(120, 84, 0);
constexpr Colour kBlue = Rgb(40, 100, 235);
constexpr Colour kNavy = Rgb(12, 24, 80);
constexpr Colour kHair = Rgb(48, 36, 28);
constexpr Colour kSkin = Rgb(250, 200, 160);

const char* const kName = "Vorbin";

// Text with a one-pixel outline all round, so it stands out on any background.
void DrawOutlinedText(Canvas& c, int x, int y, const std::string& text, Colour fill, Colour outline,
                      int scale) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            DrawText(c, x + dx, y + dy, text, outline, scale);
    DrawText(c, x, y, text, fill, scale);
}

// The raised-and-sunk line pair of a classic grey window, horizontal or as a frame.
void DrawEtchedLine(Canvas& c, int x, int y, int w) {
    c.FillRect(x, y, w, 1, kDarkGrey);
    c.FillRect(x, y + 1, w, 1, kWhite);
}

void DrawEtchedFrame(Canvas& c) {
    int w = c.Width();
    int h = c.Height();
    c.FillRect(0, 0, w - 1, 1, kDarkGrey);
    c.FillRect(0, 0, 1, h - 1, kDarkGrey);
    c.FillRect(1, 1, w - 3, 1, kWhite);
    c.FillRect(1, 1, 1, h - 3, kWhite);
    c.FillRect(0, h - 1, w, 1, kWhite);
    c.FillRect(w - 1, 0, 1, h, kWhite);
    c.FillRect(1, h - 2, w - 2, 1, kDarkGrey);
    c.FillRect(w - 2, 1, 1, h - 2, kDarkGrey);
}

// A limb as two strokes (upper and lower part), each with a dark rim.
void DrawLimb(Canvas& c, Point a, Point joint, Point b, double width, Colour colour) {
    Fill(c, Stroke(a, joint, width + 1.6), kNavy);
    Fill(c, Stroke(joint, b, width + 1.6), kNavy);
    Fill(c, Stroke(a, joint, width), colour);
    Fill(c, Stroke(joint, b, width), colour);
}

// The player seen from the side, in full stride towards the right.
void DrawRunner(Canvas& c) {
    const Colour back = Rgb(25, 65, 170);
    for (int y : {17, 25, 33})
        c.FillRect(1, y, 7 - (y - 17) / 8 * 2, 2, kDarkGrey);      // speed lines
    Fill(c, Ellipse({17, 46}, 12, 1.6), Rgb(160, 160, 160));       // shadow
    DrawLimb(c, {16, 29}, {12, 37}, {5, 38}, 4, Rgb(20, 45, 130)); // back leg
    DrawLimb(c, {19, 18}, {13, 24}, {10, 19}, 3.4, back);          // back arm
    Fill(c, Stroke({20, 17}, {16, 29}, 8.6), kNavy);
    Fill(c, Stroke({20, 17}, {16, 29}, 7), kBlue);
    DrawLimb(c, {16, 29}, {24, 34}, {22, 43}, 4, kBlue);   // front leg
    DrawLimb(c, {19, 18}, {26, 23}, {31, 17}, 3.4, kBlue); // front arm
    Fill(c, Ellipse({24, 44}, 3.6, 1.8), Rgb(60, 60, 70)); // shoes
    Fill(c, Ellipse({4, 38.5}, 1.8, 3.0), Rgb(60, 60, 70));
    Fill(c, Circle({31.5, 16.5}, 2.0), kSkin);
    Fill(c, Circle({23, 9}, 5.8), kNavy);
    Fill(c, Circle({23, 9}, 5.0), kSkin);
    Fill(c, Minus(Circle({23, 9}, 5.0), Circle({26.5, 11.5}, 4.6)), kHair);
    Fill(c, Circle({26.4, 8.2}, 0.8), kBlack); // eye
}

// A chequered finish flag on a pole, waving to the right.
void DrawFlag(Canvas& c, int poleX) {
    Fill(c, Ellipse({poleX + 1.0, 45}, 6, 1.6), Rgb(160, 160, 160));
    c.FillRect(poleX, 8, 2, 37, Rgb(90, 60, 30));
    Fill(c, Circle({poleX + 1.0, 7.5}, 2.0), kGold);
    const int cell = 3;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            int wave = (col == 1 || col == 2) ? 1 : 0; // a slight ripple in the cloth
            Colour colour = (row + col) % 2 == 0 ? kBlack : kWhite;
            c.FillRect(poleX + 2 + col * cell, 9 + row * cell + wave, cell, cell, colour);
        }
    }
}

Canvas IconImage(int size) {
    Canvas icon(size, size, Colour{0, 0, 0, 0});
    double s = size;
    double radius = s / 6;
    Fill(icon, RoundedRect(0, 0, s, s, radius), kGoldDark);
    Fill(icon, RoundedRect(s / 16, s / 16, s - s / 16, s - s / 16, radius), kGold);
    Fill(icon, RoundedRect(s / 8, s / 8, s - s / 8, s - s / 8, radius * 0.7), kBlack);
    // Scaled so the figure (about 22 units across) fills the dark square.
    DrawPlayer(icon, {s / 2, s / 2}, s * 0.72 / 22, Facing::Right);
    return icon;
}

// --- Help picture ----------------------------------------------------------------

enum class Control { Left, Right, Up, Down, Fire };

Facing ToFacing(Control k) {
    switch (k) {
    case Control::Left:
        return Facing::Left;
    case Control::Right:
        return Facing::Right;
    case Control::Down:
        return Facing::Down;
    default:
        return Facing::Up;
    }
}

void DrawKeyCap(Canvas& c, int x, int y, int w, int h) {
    Fill(c, RoundedRect(x, y, x + w, y + h, 2.5), Rgb(64, 64, 64));
    Fill(c, RoundedRect(x + 1, y + 1, x + w - 1, y + h - 1, 2), Rgb(168, 168, 168));
    Fill(c, RoundedRect(x + 2, y + 1, x + w - 2, y + h - 3, 1.5), Rgb(238, 238, 238));
}

void DrawKey(Canvas& c, Control k, int centreX, int top) {
    if (k == Control::Fire) {
        // Only the left Ctrl key counts.
        const char* label = "Ctrl sin.";
        int w = TextWidth(label, 1) + 8;
        DrawKeyCap(c, centreX - w / 2, top, w, 17);
        DrawText(c, centreX - TextWidth(label, 1) / 2, top + 4, label, kBlack, 1);
        return;
    }
    DrawKeyCap(c, centreX - 10, top, 20, 17);
    Placement arrow{{static_cast<double>(centreX), top + 7.5}, 1, static_cast<int>(ToFacing(k))};
    Fill(c, Place(Polygon({{0, -5}, {4.5, -0.5}, {-4.5, -0.5}}), arrow), kBlack);
    Fill(c, Place(Rect(-1.2, -1, 1.2, 4.5), arrow), kBlack);
}

// The stick seen from above: the red knob leans towards the direction; the fire row shows the
// red button instead.
void DrawJoystick(Canvas& c, Control k, Point centre) {
    Fill(c, Circle(centre, 8.5), Rgb(64, 64, 64));
    Fill(c, Circle(centre, 7.5), Rgb(110, 110, 116));
    if (k == Control::Fire) {
        Fill(c, Circle(centre, 5.5), kDarkRed);
        Fill(c, Circle(centre, 4.6), kRed);
        Fill(c, Circle({centre.x - 1.5, centre.y - 1.5}, 1.5), Rgb(255, 150, 150));
        return;
    }
    Placement lean{centre, 1, static_cast<int>(ToFacing(k))};
    Fill(c, Circle(centre, 2.0), Rgb(40, 40, 40));
    Fill(c, Place(Stroke({0, 0}, {0, -4.2}, 2.4), lean), Rgb(40, 40, 40));
    Fill(c, Place(Circle({0, -4.4}, 3.6), lean), kDarkRed);
    Fill(c, Place(Circle({0, -4.4}, 2.8), lean), kRed);
}

void DrawBoldText(Canvas& c, int x, int y, const std::string& text, Colour colour) {
    DrawText(c, x, y, text, colour, 1);
    DrawText(c, x + 1, y, text, colour, 1);
}

} // namespace

Canvas MakeTitleLogo() {
    Canvas logo(200, 50, kWindowGrey);
    DrawRunner(logo);
    const int scale = 4;
    const int x = 42;
    const int y = 10;
    DrawText(logo, x + 2, y + 2, kName, kDarkGrey, scale); // drop shadow
    DrawOutlinedText(logo, x, y, kName, kRed, kDarkRed, scale);
    DrawFlag(logo, 180);
    return logo;
}

Canvas MakeAboutLogo() {
    Canvas logo(163, 50, kBlack);
    Fill(logo, Minus(Rect(1, 1, 162, 49), Rect(3, 3, 160, 47)), kGoldDark);
    Fill(logo, Minus(Rect(1.5, 1.5, 161.5, 48.5), Rect(2.5, 2.5, 160.5, 47.5)), kGold);
    DrawPlayer(logo, {25, 25}, 1.45, Facing::Right);
    const int x = 54;
    DrawOutlinedText(logo, x, 9, kName, kRed, kGoldDark, 3);
    // A stretch of the border's chain underlines the name.
    int width = TextWidth(kName, 3);
    for (double cx = x + 4; cx <= x + width - 4; cx += 9) {
        Fill(logo, EllipseRing({cx, 38.5}, 4.4, 3.4, 2.6), kGoldDark);
        Fill(logo, EllipseRing({cx, 38.5}, 3.6, 2.6, 1.4), kGold);
        if (cx + 9 <= x + width - 4) {
            Fill(logo, Stroke({cx + 1.9, 38.5}, {cx + 7.1, 38.5}, 3.4), kGoldDark);
            Fill(logo, Stroke({cx + 1.9, 38.5}, {cx + 7.1, 38.5}, 2.0), kGold);
        }
    }
    return logo;
}

Canvas MakeHelpPicture() {
    Canvas help(183, 172, kWindowGrey);
    DrawEtchedFrame(help);
    const Colour heading = Rgb(0, 0, 128);
    const int keyColumn = 30;
    const int stickColumn = 80;
    const int textColumn = 114;
    DrawBoldText(help, keyColumn - TextWidth("Tasto", 1) / 2, 7, "Tasto", heading);
    DrawBoldText(help, stickColumn - TextWidth("Joystick", 1) / 2, 7, "Joystick", heading);
    DrawBoldText(help, textColumn, 7, "Azione", heading);
    DrawEtchedLine(help, 6, 19, help.Width() - 12);

    struct Row {
        Control control;
        const char* meaning;
    };
    const Row rows[] = {{Control::Left, "Sinistra"},
                        {Control::Right, "Destra"},
                        {Control::Up, "Su"},
                        {Control::Down, "Giù"},
                        {Control::Fire, "Fermo"}};
    int top = 24;
    for (const Row& row : rows) {
        DrawKey(help, row.control, keyColumn, top + 2);
        DrawJoystick(help, row.control, {stickColumn + 0.5, top + 10.5});
        DrawText(help, textColumn, top + 7, row.meaning, kBlack, 1);
        top += 22;
    }
    DrawEtchedLine(help, 6, top + 2, help.Width() - 12);
    DrawText(help, 8, top + 9, "Il joystick si attiva nel menu", kBlack, 1);
    DrawText(help, 8, top + 22, "Opzioni > Abilita Joystick.", kBlack, 1);
    return help;
}

std::vector<Canvas> MakeIconImages() {
    return {IconImage(16), IconImage(32), IconImage(48)};
}
