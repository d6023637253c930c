// Filled shapes with smooth edges, and placing a shape drawn in its own frame.
#pragma once

#include "canvas.h"

#include <functional>
#include <vector>

struct Point {
    double x = 0;
    double y = 0;
};

// A set of points in picture coordinates, where pixel (i, j) covers [i, i+1) x [j, j+1),
// together with a box that holds all of it (the box keeps filling fast).
struct Region {
    std::function<bool(double, double)> contains;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

Region Ellipse(Point centre, double rx, double ry);
Region Circle(Point centre, double r);
Region Rect(double left, double top, double right, double bottom);
// Corners in order; points inside by the even-odd rule.
Region Polygon(std::vector<Point> corners);
// A straight stroke from a to b with round ends.
Region Stroke(Point a, Point b, double width);
Region RoundedRect(double left, double top, double right, double bottom, double radius);
// The points of a that are not in b.
Region Minus(Region a, Region b);
// The rim of an ellipse, `thickness` wide measured inwards.
Region EllipseRing(Point centre, double rx, double ry, double thickness);

// Where a shape drawn in its own frame goes: its origin lands on `centre`, one unit becomes
// `scale` pixels, and the frame turns clockwise by `quarterTurns` x 90 degrees. Figures are
// drawn facing up (towards negative y) in their frame; one quarter turn makes them face right.
struct Placement {
    Point centre;
    double scale = 1;
    int quarterTurns = 0;
};

Region Place(const Region& local, const Placement& where);

// Paints the region, each pixel weighted by how many of its 4 x 4 samples lie inside.
void Fill(Canvas& canvas, const Region& region, Colour colour);
