#pragma once

// Geometry in the program's own coordinates: origin at the lower left, y upwards, single
// precision. Only the desktop binding converts to its toolkit's coordinates.
namespace korvida {

struct Point {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    float width = 0.0f;
    float height = 0.0f;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect makeRect(float x, float y, float width, float height)
{
    return Rect{Point{x, y}, Size{width, height}};
}

// An RGBA colour with components from 0 to 1, and the named colours the program uses.
struct Color {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 1.0f;
    friend bool operator==(const Color&, const Color&) = default;

    static Color blackColor() { return {0.0f, 0.0f, 0.0f, 1.0f}; }
    static Color whiteColor() { return {1.0f, 1.0f, 1.0f, 1.0f}; }
    static Color grayColor() { return {0.5f, 0.5f, 0.5f, 1.0f}; }
    static Color lightGrayColor() { return {2.0f / 3.0f, 2.0f / 3.0f, 2.0f / 3.0f, 1.0f}; }
    static Color darkGrayColor() { return {1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f, 1.0f}; }
    static Color greenColor() { return {0.0f, 1.0f, 0.0f, 1.0f}; }
    static Color redColor() { return {1.0f, 0.0f, 0.0f, 1.0f}; }
    static Color blueColor() { return {0.0f, 0.0f, 1.0f, 1.0f}; }
};

} // namespace korvida
