// A small floating-point RGBA canvas with the few shapes the artwork needs.
// Anti-aliasing is done by supersampling: a pixel's coverage is the share of
// an 8 x 8 grid of sample points that lie inside the shape. All arithmetic
// is plain IEEE double (+, -, *, /, sqrt), and the trigonometry is our own,
// so the pictures come out bit-identical on every compiler and C runtime.
#pragma once
#include <functional>
#include <vector>

#include "tools/art/Image.h"

namespace art {

// Straight-alpha colour, every channel 0..1.
struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

// From 8-bit channels.
Color Rgb(int r, int g, int b, int a = 255);

// Linear mix: t = 0 gives `from`, t = 1 gives `to` (t is clamped).
Color Mix(const Color& from, const Color& to, double t);

// Same colour with the alpha multiplied by `opacity`.
Color Fade(const Color& c, double opacity);

// Deterministic sine and cosine of an angle in degrees.
double SinDeg(double degrees);
double CosDeg(double degrees);

// Unit vector of a clock position: `minutes` 0..60 counted clockwise from
// twelve o'clock, in canvas coordinates (y grows downwards).
void ClockDirection(double minutes, double& dx, double& dy);

class Canvas {
public:
    // Returns true when the point (x, y) in canvas coordinates is inside.
    // A pixel (i, j) covers the square [i, i+1) x [j, j+1).
    using Shape = std::function<bool(double x, double y)>;
    // Colour of the shape at a pixel centre (x, y).
    using Paint = std::function<Color(double x, double y)>;

    Canvas(int width, int height); // fully transparent

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    Color Get(int x, int y) const;
    void Set(int x, int y, const Color& c);

    // Source-over blend of c onto pixel (x, y), its alpha scaled by coverage.
    void Blend(int x, int y, const Color& c, double coverage);

    // Anti-aliased fill of an arbitrary shape limited to the bounding box
    // [x0, x1) x [y0, y1) (clipped to the canvas).
    void FillShape(double x0, double y0, double x1, double y1,
                   const Shape& inside, const Paint& paint);

    // Aliased fill: a pixel is painted, fully, when its centre is inside.
    void FillShapeHard(double x0, double y0, double x1, double y1,
                       const Shape& inside, const Paint& paint);

    void FillDisc(double cx, double cy, double r, const Color& c);
    void FillDisc(double cx, double cy, double r, const Paint& paint);
    void FillDiscHard(double cx, double cy, double r, const Color& c);
    // Annulus rInner <= distance <= rOuter.
    void FillRing(double cx, double cy, double rInner, double rOuter, const Color& c);
    void FillRing(double cx, double cy, double rInner, double rOuter, const Paint& paint);
    // A stroke of the given width from (x0, y0) to (x1, y1); with round caps
    // the ends are half discs, otherwise the stroke stops square at the ends.
    void DrawLine(double x0, double y0, double x1, double y1, double width,
                  const Color& c, bool roundCaps = true);
    // Aliased rectangle of whole pixels, x0..x1-1 by y0..y1-1.
    void FillRect(int x0, int y0, int x1, int y1, const Color& c);

    // 8-bit RGBA, channels rounded to nearest.
    RgbaImage ToRgba() const;
    // 8-bit RGB: fully transparent pixels become `key`; all others are
    // composed over `matte`.
    RgbImage ToRgbKeyed(const Color& key, const Color& matte) const;

private:
    int m_width;
    int m_height;
    std::vector<Color> m_pixels;
};

// Whether (x, y) lies on the segment (x0, y0)-(x1, y1) drawn `width` wide,
// with round or square-cut ends.
std::function<bool(double, double)> StrokeShape(double x0, double y0, double x1, double y1, double width,
                                                bool roundCaps);

} // namespace art
