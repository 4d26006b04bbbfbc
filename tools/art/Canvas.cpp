#include "tools/art/Canvas.h"

#include <cmath>

namespace art {

namespace {

const int kSamples = 8; // per axis

const double kPi = 3.14159265358979323846;

double Clamp01(double v)
{
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

uint8_t To8(double v)
{
    return static_cast<uint8_t>(std::floor(Clamp01(v) * 255.0 + 0.5));
}

// Taylor series on [-pi, pi]; 30 terms are far more than double precision
// needs there, and only + and * are used.
double SinRad(double x)
{
    double term = x;
    double sum = x;
    const double x2 = x * x;
    for (int n = 1; n < 30; ++n) {
        term = -term * x2 / static_cast<double>((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

double ReduceDeg(double degrees)
{
    // Into (-180, 180].
    double d = std::fmod(degrees, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d <= -180.0)
        d += 360.0;
    return d;
}

int ClipLow(double v)
{
    return v < 0 ? 0 : static_cast<int>(std::floor(v));
}

int ClipHigh(double v, int limit)
{
    const double c = std::ceil(v);
    return c > limit ? limit : static_cast<int>(c);
}

} // namespace

Color Rgb(int r, int g, int b, int a)
{
    Color c;
    c.r = r / 255.0;
    c.g = g / 255.0;
    c.b = b / 255.0;
    c.a = a / 255.0;
    return c;
}

Color Mix(const Color& from, const Color& to, double t)
{
    t = Clamp01(t);
    Color c;
    c.r = from.r + (to.r - from.r) * t;
    c.g = from.g + (to.g - from.g) * t;
    c.b = from.b + (to.b - from.b) * t;
    c.a = from.a + (to.a - from.a) * t;
    return c;
}

Color Fade(const Color& c, double opacity)
{
    Color f = c;
    f.a = c.a * Clamp01(opacity);
    return f;
}

double SinDeg(double degrees)
{
    return SinRad(ReduceDeg(degrees) * kPi / 180.0);
}

double CosDeg(double degrees)
{
    return SinDeg(degrees + 90.0);
}

void ClockDirection(double minutes, double& dx, double& dy)
{
    const double deg = minutes * 6.0;
    dx = SinDeg(deg);
    dy = -CosDeg(deg);
}

Canvas::Canvas(int width, int height)
    : m_width(width), m_height(height),
      m_pixels(static_cast<size_t>(width) * height)
{
}

Color Canvas::Get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return Color();
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

void Canvas::Set(int x, int y, const Color& c)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<size_t>(y) * m_width + x] = c;
}

void Canvas::Blend(int x, int y, const Color& c, double coverage)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    const double sa = c.a * Clamp01(coverage);
    if (sa <= 0)
        return;
    Color& d = m_pixels[static_cast<size_t>(y) * m_width + x];
    const double da = d.a * (1.0 - sa);
    const double oa = sa + da;
    d.r = (c.r * sa + d.r * da) / oa;
    d.g = (c.g * sa + d.g * da) / oa;
    d.b = (c.b * sa + d.b * da) / oa;
    d.a = oa;
}

void Canvas::FillShape(double x0, double y0, double x1, double y1,
                       const Shape& inside, const Paint& paint)
{
    const int ix0 = ClipLow(x0), iy0 = ClipLow(y0);
    const int ix1 = ClipHigh(x1, m_width), iy1 = ClipHigh(y1, m_height);
    const double step = 1.0 / kSamples;
    for (int y = iy0; y < iy1; ++y) {
        for (int x = ix0; x < ix1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                const double py = y + (sy + 0.5) * step;
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (inside(x + (sx + 0.5) * step, py))
                        ++hits;
                }
            }
            if (hits > 0)
                Blend(x, y, paint(x + 0.5, y + 0.5),
                      static_cast<double>(hits) / (kSamples * kSamples));
        }
    }
}

void Canvas::FillShapeHard(double x0, double y0, double x1, double y1,
                           const Shape& inside, const Paint& paint)
{
    const int ix0 = ClipLow(x0), iy0 = ClipLow(y0);
    const int ix1 = ClipHigh(x1, m_width), iy1 = ClipHigh(y1, m_height);
    for (int y = iy0; y < iy1; ++y) {
        for (int x = ix0; x < ix1; ++x) {
            if (inside(x + 0.5, y + 0.5))
                Blend(x, y, paint(x + 0.5, y + 0.5), 1.0);
        }
    }
}

void Canvas::FillDisc(double cx, double cy, double r, const Color& c)
{
    FillDisc(cx, cy, r, [c](double, double) { return c; });
}

void Canvas::FillDisc(double cx, double cy, double r, const Paint& paint)
{
    const double r2 = r * r;
    FillShape(cx - r, cy - r, cx + r, cy + r,
              [=](double x, double y) {
                  const double dx = x - cx, dy = y - cy;
                  return dx * dx + dy * dy <= r2;
              },
              paint);
}

void Canvas::FillDiscHard(double cx, double cy, double r, const Color& c)
{
    const double r2 = r * r;
    FillShapeHard(cx - r, cy - r, cx + r, cy + r,
                  [=](double x, double y) {
                      const double dx = x - cx, dy = y - cy;
                      return dx * dx + dy * dy <= r2;
                  },
                  [c](double, double) { return c; });
}

void Canvas::FillRing(double cx, double cy, double rInner, double rOuter, const Color& c)
{
    FillRing(cx, cy, rInner, rOuter, [c](double, double) { return c; });
}

void Canvas::FillRing(double cx, double cy, double rInner, double rOuter, const Paint& paint)
{
    const double in2 = rInner * rInner, out2 = rOuter * rOuter;
    FillShape(cx - rOuter, cy - rOuter, cx + rOuter, cy + rOuter,
              [=](double x, double y) {
                  const double dx = x - cx, dy = y - cy;
                  const double d2 = dx * dx + dy * dy;
                  return d2 >= in2 && d2 <= out2;
              },
              paint);
}

std::function<bool(double, double)> StrokeShape(double x0, double y0, double x1, double y1, double width,
                                                bool roundCaps)
{
    const double half = width / 2.0;
    const double vx = x1 - x0, vy = y1 - y0;
    const double len = std::sqrt(vx * vx + vy * vy);
    const double ux = len > 0 ? vx / len : 1.0;
    const double uy = len > 0 ? vy / len : 0.0;
    return [=](double x, double y) {
        const double px = x - x0, py = y - y0;
        const double along = px * ux + py * uy;
        const double across = px * uy - py * ux;
        if (along >= 0 && along <= len)
            return across * across <= half * half;
        if (!roundCaps)
            return false;
        const double ex = along < 0 ? px : x - x1;
        const double ey = along < 0 ? py : y - y1;
        return ex * ex + ey * ey <= half * half;
    };
}

void Canvas::DrawLine(double x0, double y0, double x1, double y1, double width,
                      const Color& c, bool roundCaps)
{
    const double half = width / 2.0;
    const double bx0 = (x0 < x1 ? x0 : x1) - half, bx1 = (x0 < x1 ? x1 : x0) + half;
    const double by0 = (y0 < y1 ? y0 : y1) - half, by1 = (y0 < y1 ? y1 : y0) + half;
    FillShape(bx0, by0, bx1, by1, StrokeShape(x0, y0, x1, y1, width, roundCaps),
              [c](double, double) { return c; });
}

void Canvas::FillRect(int x0, int y0, int x1, int y1, const Color& c)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            Blend(x, y, c, 1.0);
}

RgbaImage Canvas::ToRgba() const
{
    RgbaImage out;
    out.width = m_width;
    out.height = m_height;
    out.rgba.reserve(m_pixels.size() * 4);
    for (const Color& p : m_pixels) {
        out.rgba.push_back(To8(p.r));
        out.rgba.push_back(To8(p.g));
        out.rgba.push_back(To8(p.b));
        out.rgba.push_back(To8(p.a));
    }
    return out;
}

RgbImage Canvas::ToRgbKeyed(const Color& key, const Color& matte) const
{
    RgbImage out;
    out.width = m_width;
    out.height = m_height;
    out.rgb.reserve(m_pixels.size() * 3);
    for (const Color& p : m_pixels) {
        Color c;
        if (p.a <= 0) {
            c = key;
        } else {
            c = Mix(matte, p, p.a);
        }
        out.rgb.push_back(To8(c.r));
        out.rgb.push_back(To8(c.g));
        out.rgb.push_back(To8(c.b));
    }
    return out;
}

} // namespace art
