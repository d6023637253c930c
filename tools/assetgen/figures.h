// The game's two figures seen from above: the blue player and the brown chaser.
#pragma once

#include "canvas.h"
#include "shapes.h"

// Directions as clockwise quarter turns from "up".
enum class Facing { Up = 0, Right = 1, Down = 2, Left = 3 };

// A figure is about 22 units across; at scale 1 it fills a 27 x 27 tile around `centre`.
void DrawPlayer(Canvas& canvas, Point centre, double scale, Facing facing);
void DrawWalker(Canvas& canvas, Point centre, double scale, Facing facing);
