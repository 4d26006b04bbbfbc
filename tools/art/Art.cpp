#include "tools/art/Art.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>

#include "display/DisplayScale.h"
#include "tools/art/BmpWriter.h"
#include "tools/art/Canvas.h"
#include "tools/art/IcoWriter.h"

namespace art {

namespace {

// ---------------------------------------------------------------------------
// Clock faces
//
// The face is 100 x 100 at 100 % (the lengths below); the other scales
// multiply every length. The clock draws its hands around pixel (50, 50), so
// the dial is centred on that pixel's middle, (50.5, 50.5) in continuous
// coordinates. The hands reach radius 39; the date window is copied over
// x 67..85, y 42..56. Everything outside the dial must stay exactly the key
// colour, so the dial's outermost ring is drawn without anti-aliasing in a
// dark rim colour: edge pixels are either key or rim, never a blend of both.

const int kFaceSize = 100;
const double kRimRadius = 48.5;    // hard outer edge
const double kBezelOuter = 48.0;
const double kBezelInner = 45.4;
const double kDialRadius = 45.6;
const double kDotRadius = 43.0;    // minute track
const double kMarkOuter = 43.6;
const double kMarkInner = 39.6;    // ordinary hour marks
const double kMainMarkInner = 37.2; // 12, 3, 6 and 9
const double kCapRadius = 4.0;

struct FaceStyle {
    int id;
    Color dialCentre;
    Color dialEdge;
    Color bezelLight;
    Color bezelDark;
    Color rim;
    Color marks;
    Color dots;
    Color cap;
};

Color Shade(const Color& c, double factor)
{
    Color s = c;
    s.r *= factor;
    s.g *= factor;
    s.b *= factor;
    return s;
}

// A tinted face built around one main tone.
FaceStyle TintedStyle(int id, int r, int g, int b)
{
    const Color tone = Rgb(r, g, b);
    const Color white = Rgb(255, 255, 255);
    FaceStyle s;
    s.id = id;
    s.dialCentre = Mix(tone, white, 0.72);
    s.dialEdge = tone;
    s.bezelLight = Mix(tone, white, 0.55);
    s.bezelDark = Shade(tone, 0.50);
    s.rim = Shade(tone, 0.28);
    s.marks = Shade(tone, 0.22);
    s.dots = Shade(tone, 0.40);
    s.cap = Shade(tone, 0.18);
    return s;
}

FaceStyle SilverStyle()
{
    FaceStyle s;
    s.id = 1066;
    s.dialCentre = Rgb(255, 255, 255);
    s.dialEdge = Rgb(206, 208, 214);
    s.bezelLight = Rgb(242, 243, 246);
    s.bezelDark = Rgb(118, 120, 128);
    s.rim = Rgb(62, 64, 70);
    s.marks = Rgb(52, 54, 60);
    s.dots = Rgb(112, 114, 122);
    s.cap = Rgb(36, 36, 40);
    return s;
}

const std::vector<FaceStyle>& FaceStyles()
{
    static const std::vector<FaceStyle> styles = {
        SilverStyle(),
        TintedStyle(1078, 255, 204, 153), // peach
        TintedStyle(1081, 153, 212, 255), // light blue
        TintedStyle(1088, 161, 246, 171), // light green
        TintedStyle(1089, 240, 153, 255), // violet
    };
    return styles;
}

const FaceStyle* FindFaceStyle(int id)
{
    for (const FaceStyle& s : FaceStyles())
        if (s.id == id)
            return &s;
    return nullptr;
}

// Drawn at `scale` times the 100 x 100 design: every length is multiplied by
// it, and the dial is centred on the middle of the pixel the clock turns its
// hands around (half the face's width, cut to a whole pixel).
// At scale 1 every product is exact, so the 100 % face is unchanged.
void DrawFace(Canvas& c, const FaceStyle& s, double scale)
{
    const double cx = c.Width() / 2 + 0.5, cy = c.Height() / 2 + 0.5;
    const double rim = kRimRadius * scale;
    const double bezelOuter = kBezelOuter * scale, bezelInner = kBezelInner * scale;
    const double dial = kDialRadius * scale;

    // Rim: hard edge against the key colour.
    c.FillDiscHard(cx, cy, rim, s.rim);

    // Bezel: lit from the upper left.
    c.FillRing(cx, cy, bezelInner, bezelOuter, [&](double x, double y) {
        const double t = ((x - cx) + (y - cy)) / (2.0 * bezelOuter) + 0.5;
        return Mix(s.bezelLight, s.bezelDark, t);
    });

    // Dial: light centre fading to the main tone at the edge.
    c.FillDisc(cx, cy, dial, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy;
        const double t = (dx * dx + dy * dy) / (dial * dial);
        return Mix(s.dialCentre, s.dialEdge, t);
    });

    // A soft shadow where the dial meets the bezel, heavier at the top.
    c.FillRing(cx, cy, (kDialRadius - 1.2) * scale, dial, [&](double, double y) {
        const double t = 0.5 - (y - cy) / (2.0 * dial);
        return Fade(s.rim, 0.15 + 0.35 * t);
    });

    // Minute track.
    for (int m = 0; m < 60; ++m) {
        if (m % 5 == 0)
            continue;
        double dx, dy;
        ClockDirection(m, dx, dy);
        c.FillDisc(cx + dx * (kDotRadius * scale), cy + dy * (kDotRadius * scale), 0.62 * scale, s.dots);
    }

    // Hour marks, longer and heavier at 12, 3, 6 and 9.
    const double markOuter = kMarkOuter * scale;
    for (int h = 0; h < 12; ++h) {
        const bool main = h % 3 == 0;
        const double inner = (main ? kMainMarkInner : kMarkInner) * scale;
        const double width = (main ? 2.6 : 1.5) * scale;
        double dx, dy;
        ClockDirection(h * 5, dx, dy);
        c.DrawLine(cx + dx * inner, cy + dy * inner,
                   cx + dx * markOuter, cy + dy * markOuter,
                   width, s.marks, false);
    }

    // Centre cap with a small highlight.
    c.FillDisc(cx, cy, kCapRadius * scale, s.cap);
    c.FillDisc(cx - 1.1 * scale, cy - 1.1 * scale, 1.4 * scale, Fade(Rgb(255, 255, 255), 0.30));
}

// ---------------------------------------------------------------------------
// Date windows: 18 x 14 at 100 %, a one-pixel frame around a light panel with a
// one-pixel inner shade along its top and left edges. The clock writes the
// day in black over it.

const int kDateWidth = 18;
const int kDateHeight = 14;

struct DateStyle {
    int id;
    Color frame;
    Color shade;
    Color panel;
};

const std::vector<DateStyle>& DateStyles()
{
    static const std::vector<DateStyle> styles = {
        {1067, Rgb(120, 121, 126), Rgb(196, 197, 202), Rgb(250, 250, 250)}, // grey
        {1080, Rgb(122, 74, 34), Rgb(222, 196, 164), Rgb(255, 250, 240)},   // brown
        {1082, Rgb(112, 112, 28), Rgb(206, 206, 150), Rgb(252, 252, 236)},  // olive
    };
    return styles;
}

const DateStyle* FindDateStyle(int id)
{
    for (const DateStyle& s : DateStyles())
        if (s.id == id)
            return &s;
    return nullptr;
}

// The frame and the shade are one pixel wide at 100 % and grow with the
// scale, rounded to whole pixels so they stay sharp.
void DrawDateWindow(Canvas& c, const DateStyle& s, int percent)
{
    const int w = c.Width(), h = c.Height();
    const int t = ScaleForPercent(1, percent);
    c.FillRect(0, 0, w, h, s.frame);
    c.FillRect(t, t, w - t, h - t, s.shade);
    c.FillRect(2 * t, 2 * t, w - t, h - t, s.panel);
}

// ---------------------------------------------------------------------------
// Icons. Each icon is a function that draws it at a given size onto a
// transparent canvas; add a row to IconTable() to add an icon.

using IconPainter = void (*)(Canvas& c, int size);

// Application icon: a small clock showing ten past ten.
void PaintClockIcon(Canvas& c, int size)
{
    const double s = size;
    // The small size is centred on a pixel so that the marks are crisp.
    const bool small = size < 24;
    const double cx = small ? s / 2.0 - 0.5 : s / 2.0, cy = cx;
    const double outer = small ? s / 2.0 - 0.5 : s * 0.47;
    const double rimWidth = small ? 1.4 : s * 0.075;
    const double dial = outer - rimWidth;

    const Color rim = Rgb(40, 58, 96);
    const Color rimLight = Rgb(92, 118, 170);
    const Color dialCentre = Rgb(255, 255, 255);
    const Color dialEdge = Rgb(208, 214, 226);
    const Color ink = Rgb(28, 30, 36);
    const Color red = Rgb(220, 20, 60); // the clock's second hand

    c.FillDisc(cx, cy, outer, [&](double x, double y) {
        const double t = ((x - cx) + (y - cy)) / (2.0 * outer) + 0.5;
        return Mix(rimLight, rim, t);
    });
    c.FillDisc(cx, cy, dial, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy;
        return Mix(dialCentre, dialEdge, (dx * dx + dy * dy) / (dial * dial));
    });

    // Hour marks: all twelve when there is room, else the four main ones.
    const bool allMarks = size >= 32;
    const double markOuter = small ? dial : dial - s * 0.035;
    for (int h = 0; h < 12; ++h) {
        const bool main = h % 3 == 0;
        if (!main && !allMarks)
            continue;
        const double length = small ? 1.6 : (main ? s * 0.12 : s * 0.07);
        const double width = small ? 1.0 : (main ? s * 0.055 : s * 0.035);
        double dx, dy;
        ClockDirection(h * 5, dx, dy);
        c.DrawLine(cx + dx * (markOuter - length), cy + dy * (markOuter - length),
                   cx + dx * markOuter, cy + dy * markOuter, width, ink, false);
    }

    // Hands: hour near ten, minute at two, seconds at seven.
    double dx, dy;
    ClockDirection(50.8, dx, dy);
    c.DrawLine(cx, cy, cx + dx * dial * 0.52, cy + dy * dial * 0.52,
               small ? 1.5 : s * 0.075, ink);
    ClockDirection(10, dx, dy);
    c.DrawLine(cx, cy, cx + dx * dial * 0.78, cy + dy * dial * 0.78,
               small ? 1.3 : s * 0.055, ink);
    // The second hand only where it stays readable.
    if (!small) {
        ClockDirection(35, dx, dy);
        c.DrawLine(cx - dx * dial * 0.15, cy - dy * dial * 0.15,
                   cx + dx * dial * 0.80, cy + dy * dial * 0.80, s * 0.028, red);
        c.FillDisc(cx, cy, s * 0.05, red);
    } else {
        c.FillDisc(cx, cy, 1.0, ink);
    }
}

// ---------------------------------------------------------------------------
// Command icons. They are drawn on a 16 x 16 design grid and scaled by whole
// factors, so an edge that lies on a grid line at 16 x 16 (where menus and
// buttons show them) lies on a pixel edge at every size and stays sharp.
// Shapes are point tests that can be combined, so one part can cut a clean
// gap or hole into another instead of being painted over it.

// A point test in design units with a box that holds every point inside, so
// that filling only visits the pixels that can be touched.
struct Region {
    std::function<bool(double x, double y)> inside;
    double x0, y0, x1, y1;
};

struct Pt {
    double x;
    double y;
};

double Min(double a, double b)
{
    return a < b ? a : b;
}

double Max(double a, double b)
{
    return a > b ? a : b;
}

Region Box(double x0, double y0, double x1, double y1)
{
    return {[=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
            x0, y0, x1, y1};
}

Region RoundBox(double x0, double y0, double x1, double y1, double r)
{
    return {[=](double x, double y) {
                if (x < x0 || x >= x1 || y < y0 || y >= y1)
                    return false;
                const double nx = x < x0 + r ? x0 + r : (x > x1 - r ? x1 - r : x);
                const double ny = y < y0 + r ? y0 + r : (y > y1 - r ? y1 - r : y);
                const double dx = x - nx, dy = y - ny;
                return dx * dx + dy * dy <= r * r;
            },
            x0, y0, x1, y1};
}

Region Oval(double cx, double cy, double rx, double ry)
{
    return {[=](double x, double y) {
                const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                return dx * dx + dy * dy <= 1.0;
            },
            cx - rx, cy - ry, cx + rx, cy + ry};
}

Region Disc(double cx, double cy, double r)
{
    return Oval(cx, cy, r, r);
}

Region Stroke(double x0, double y0, double x1, double y1, double width, bool roundCaps = true)
{
    const double half = width / 2.0;
    return {StrokeShape(x0, y0, x1, y1, width, roundCaps), Min(x0, x1) - half, Min(y0, y1) - half,
            Max(x0, x1) + half, Max(y0, y1) + half};
}

// Even-odd rule, so the outline may be given in either direction.
Region Poly(std::vector<Pt> pts)
{
    double x0 = pts[0].x, y0 = pts[0].y, x1 = x0, y1 = y0;
    for (const Pt& p : pts) {
        x0 = Min(x0, p.x);
        y0 = Min(y0, p.y);
        x1 = Max(x1, p.x);
        y1 = Max(y1, p.y);
    }
    return {[pts = std::move(pts)](double x, double y) {
                bool in = false;
                for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                    const Pt& a = pts[i];
                    const Pt& b = pts[j];
                    if ((a.y > y) != (b.y > y) &&
                        x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y))
                        in = !in;
                }
                return in;
            },
            x0, y0, x1, y1};
}

// A band of the given width along a circle, from angle `from` clockwise to
// `to` (degrees, 0 = pointing right, y grows downwards), with round ends.
Region Arc(double cx, double cy, double r, double width, double from, double to)
{
    const double ax = CosDeg(from), ay = SinDeg(from);
    const double bx = CosDeg(to), by = SinDeg(to);
    const bool wide = to - from > 180.0;
    const double inner = r - width / 2.0, outer = r + width / 2.0;
    const Region capA = Disc(cx + ax * r, cy + ay * r, width / 2.0);
    const Region capB = Disc(cx + bx * r, cy + by * r, width / 2.0);
    return {[=](double x, double y) {
                const double dx = x - cx, dy = y - cy;
                const double d2 = dx * dx + dy * dy;
                if (d2 >= inner * inner && d2 <= outer * outer) {
                    const bool afterA = ax * dy - ay * dx >= 0;
                    const bool beforeB = dx * by - dy * bx >= 0;
                    if (wide ? (afterA || beforeB) : (afterA && beforeB))
                        return true;
                }
                return capA.inside(x, y) || capB.inside(x, y);
            },
            cx - outer, cy - outer, cx + outer, cy + outer};
}

Region Union(const Region& a, const Region& b)
{
    const auto ia = a.inside, ib = b.inside;
    return {[=](double x, double y) { return ia(x, y) || ib(x, y); },
            Min(a.x0, b.x0), Min(a.y0, b.y0), Max(a.x1, b.x1), Max(a.y1, b.y1)};
}

Region Minus(const Region& a, const Region& b)
{
    const auto ia = a.inside, ib = b.inside;
    return {[=](double x, double y) { return ia(x, y) && !ib(x, y); }, a.x0, a.y0, a.x1, a.y1};
}

Region Intersect(const Region& a, const Region& b)
{
    const auto ia = a.inside, ib = b.inside;
    return {[=](double x, double y) { return ia(x, y) && ib(x, y); },
            Max(a.x0, b.x0), Max(a.y0, b.y0), Min(a.x1, b.x1), Min(a.y1, b.y1)};
}

// Fills a region given in design units.
void Fill(Canvas& c, const Region& region, const Color& color)
{
    const double k = c.Width() / 16.0;
    const auto& inside = region.inside;
    c.FillShape(region.x0 * k, region.y0 * k, region.x1 * k, region.y1 * k,
                [&](double x, double y) { return inside(x / k, y / k); },
                [&](double, double) { return color; });
}

// The application icon's colours, plus a green and an amber for the few
// places that need them.
const Color kNavy = Rgb(40, 58, 96);
const Color kBlue = Rgb(92, 118, 170);
const Color kPale = Rgb(208, 214, 226);
const Color kWhite = Rgb(255, 255, 255);
const Color kRed = Rgb(220, 20, 60);
const Color kGreen = Rgb(38, 150, 82);
const Color kAmber = Rgb(240, 168, 32);

// An outlined shape: `outer` in the line colour with `inner` filled on top.
void Outlined(Canvas& c, const Region& outer, const Region& inner,
              const Color& line, const Color& fill)
{
    Fill(c, Minus(outer, inner), line);
    Fill(c, inner, fill);
}

// Colours: a painter's palette with three dabs of paint and a thumb hole.
void PaintColoursIcon(Canvas& c, int)
{
    // Dabs centred on grid points cover whole 2 x 2 pixel blocks at 16 x 16.
    const Region thumbHole = Disc(10, 10, 1.2);
    const Region notch = Disc(15, 13, 2.5);
    Fill(c, Minus(Minus(Oval(8, 8, 7.5, 6.5), thumbHole), notch), kBlue);
    Fill(c, Disc(4, 8, 1.3), kGreen);
    Fill(c, Disc(7, 5, 1.3), kAmber);
    Fill(c, Disc(11, 5, 1.3), kRed);
}

// Speech: a loudspeaker sending out two sound waves.
void PaintSpeechIcon(Canvas& c, int)
{
    Outlined(c, Poly({{1, 5}, {4, 5}, {8, 1}, {9, 1}, {9, 15}, {8, 15}, {4, 11}, {1, 11}}),
             Poly({{2, 6}, {4.4, 6}, {8, 2.4}, {8, 13.6}, {4.4, 10}, {2, 10}}), kNavy, kWhite);
    Fill(c, Arc(9, 8, 2.6, 1.5, -50, 50), kBlue);
    Fill(c, Arc(9, 8, 5.4, 1.5, -55, 55), kBlue);
}

// Say: a speech bubble with an ellipsis.
void PaintSayIcon(Canvas& c, int)
{
    Outlined(c, RoundBox(1, 2, 15, 12, 3), RoundBox(2, 3, 14, 11, 2), kNavy, kWhite);
    Fill(c, Poly({{3, 11}, {3, 15}, {7, 11}}), kNavy);
    for (int i = 0; i < 3; ++i)
        Fill(c, Box(4 + 3 * i, 6, 6 + 3 * i, 8), kBlue);
}

// Adjust: three sliders at different settings.
void PaintAdjustIcon(Canvas& c, int)
{
    const double knobs[3] = {9, 3, 7};
    for (int i = 0; i < 3; ++i) {
        const double y = 2 + 5 * i;
        Fill(c, Box(1, y, 15, y + 1), kBlue);
        Outlined(c, RoundBox(knobs[i], y - 2, knobs[i] + 3, y + 3, 0.5),
                 Box(knobs[i] + 1, y - 1, knobs[i] + 2, y + 2), kNavy, kWhite);
    }
}

// Opacity: a translucent square over a checkerboard.
void PaintOpacityIcon(Canvas& c, int)
{
    const Region back = Box(1, 1, 11, 11);
    const Region checks = {[](double x, double y) {
                               const int i = static_cast<int>(std::floor(x / 2));
                               const int j = static_cast<int>(std::floor(y / 2));
                               return (i + j) % 2 == 0;
                           },
                           0, 0, 16, 16};
    Fill(c, back, kWhite);
    Fill(c, Intersect(back, checks), kPale);
    Fill(c, Minus(back, Box(2, 2, 10, 10)), kBlue);
    Outlined(c, Box(5, 5, 15, 15), Box(6, 6, 14, 14), kNavy, Fade(kBlue, 0.55));
}

// Save report: a page of text with a down arrow over its corner.
void PaintSaveIcon(Canvas& c, int)
{
    const Region arrowGap = Poly({{9, 7}, {15, 7}, {15, 10}, {16, 10}, {12, 15.5}, {8, 10}, {9, 10}});
    const Region page = Poly({{2, 1}, {9, 1}, {12, 4}, {12, 15}, {2, 15}});
    const Region pageIn = Poly({{3, 2}, {8.6, 2}, {11, 4.4}, {11, 14}, {3, 14}});
    Fill(c, Minus(Minus(page, pageIn), arrowGap), kNavy);
    Fill(c, Minus(pageIn, arrowGap), kWhite);
    Fill(c, Poly({{8, 1}, {9, 1}, {12, 4}, {12, 5}, {8, 5}}), kNavy);
    for (int i = 0; i < 3; ++i)
        Fill(c, Minus(Box(4, 7 + 2 * i, 9, 8 + 2 * i), arrowGap), kBlue);
    Fill(c, Union(Box(11, 8, 13, 11), Poly({{9, 11}, {15, 11}, {12, 14}})), kGreen);
}

// Screenshot: a camera.
void PaintCameraIcon(Canvas& c, int)
{
    const Region body = Union(RoundBox(1, 4, 15, 14, 1.5), RoundBox(5, 2, 11, 5, 1));
    const Region lens = Disc(8, 9, 3.5);
    Fill(c, Minus(body, lens), kNavy);
    Fill(c, Minus(lens, Disc(8, 9, 2)), kWhite);
    Fill(c, Disc(8, 9, 2), kBlue);
    Fill(c, Box(12, 6, 14, 7), kAmber);
}

// Copy to clipboard: a clipboard with a sheet of text.
void PaintClipboardIcon(Canvas& c, int)
{
    Fill(c, RoundBox(2, 2, 14, 15, 1.5), kNavy);
    Fill(c, Box(4, 4, 12, 13), kWhite);
    for (int i = 0; i < 3; ++i)
        Fill(c, Box(5, 6 + 2 * i, 11, 7 + 2 * i), kBlue);
    Outlined(c, RoundBox(5, 1, 11, 5, 1), Box(6, 2, 10, 4), kNavy, kPale);
}

// Enable: a white tick on a green disc.
void PaintEnableIcon(Canvas& c, int)
{
    Fill(c, Disc(8, 8, 7.5), kGreen);
    const Region tick = Union(Stroke(4.2, 8.2, 7, 11, 2), Stroke(7, 11, 11.8, 5.6, 2));
    Fill(c, tick, kWhite);
}

// Exit / disable: a white cross on a red disc.
void PaintExitIcon(Canvas& c, int)
{
    Fill(c, Disc(8, 8, 7.5), kRed);
    const Region cross = Union(Stroke(5, 5, 11, 11, 2), Stroke(11, 5, 5, 11, 2));
    Fill(c, cross, kWhite);
}

// Always on top: a push pin.
void PaintPinIcon(Canvas& c, int)
{
    Fill(c, Box(7, 10, 8, 15), kNavy);
    Fill(c, Union(Union(RoundBox(4, 1, 11, 3, 0.5), Box(5, 3, 10, 8)),
                  RoundBox(2, 8, 13, 10, 0.5)), kRed);
    Fill(c, Box(6, 3, 7, 8), Fade(kWhite, 0.5));
}

// Help: a question mark on a disc.
void PaintHelpIcon(Canvas& c, int)
{
    Fill(c, Disc(8, 8, 7.5), kNavy);
    // Outer edges of the hook and the stem fall on the grid.
    const Region mark = Union(Arc(8, 6, 2, 2, 180, 450), Box(7, 8, 9, 10));
    Fill(c, Union(mark, Box(7, 11, 9, 13)), kWhite);
}

// About: an "i" on a disc.
void PaintAboutIcon(Canvas& c, int)
{
    Fill(c, Disc(8, 8, 7.5), kBlue);
    Fill(c, Union(Box(7, 3, 9, 5), Box(7, 7, 9, 13)), kWhite);
}

// Home page: a house.
void PaintHomeIcon(Canvas& c, int)
{
    Outlined(c, Box(3, 7, 13, 15), Box(4, 8, 12, 14), kNavy, kWhite);
    Fill(c, Box(7, 10, 9, 15), kBlue);
    const Region roof = Union(Stroke(1.5, 8.5, 8, 2, 2), Stroke(8, 2, 14.5, 8.5, 2));
    Fill(c, roof, kRed);
}

// Minimise: an arrow pointing down into a tray.
void PaintMinimiseIcon(Canvas& c, int)
{
    Fill(c, Union(Box(7, 1, 9, 7), Poly({{3, 7}, {13, 7}, {8, 12}})), kBlue);
    Fill(c, Box(2, 13, 14, 15), kNavy);
}

// Resize: two arrows pointing in from opposite corners.
void PaintResizeIcon(Canvas& c, int)
{
    Fill(c, Union(Stroke(15, 1, 11, 5, 2.8, false), Poly({{9, 7}, {9, 2}, {14, 7}})), kBlue);
    Fill(c, Union(Stroke(1, 15, 5, 11, 2.8, false), Poly({{7, 9}, {7, 14}, {2, 9}})), kBlue);
}

struct IconDef {
    int id;
    IconPainter paint;
};

const std::vector<IconDef>& IconTable()
{
    static const std::vector<IconDef> table = {
        {128, PaintClockIcon},
        {1010, PaintEnableIcon},
        {1011, PaintExitIcon},
        {1019, PaintHelpIcon},
        {1026, PaintClipboardIcon},
        {1027, PaintSaveIcon},
        {1028, PaintCameraIcon},
        {1029, PaintSpeechIcon},
        {1031, PaintSayIcon},
        {1032, PaintAdjustIcon},
        {1034, PaintMinimiseIcon},
        {1048, PaintAboutIcon},
        {1049, PaintHomeIcon},
        {1051, PaintOpacityIcon},
        {1052, PaintColoursIcon},
        {1065, PaintPinIcon},
        {1071, PaintResizeIcon},
    };
    return table;
}

const IconDef* FindIcon(int id)
{
    for (const IconDef& d : IconTable())
        if (d.id == id)
            return &d;
    return nullptr;
}

// ---------------------------------------------------------------------------
// About box picture: the application clock at a large size with a speech
// bubble beside it, since the program tells the time since boot aloud. The
// dialog is white, so the picture is opaque and every edge blends to white.

const int kAboutSize = 128;
const int kAboutClockSize = 90;
const int kAboutClockLeft = 0;  // where the clock's own canvas is placed
const int kAboutClockTop = 36;

// Fills a region given in whole pixels of the 100 % picture rather than icon
// design units, at `scale` times that size.
void FillPixels(Canvas& c, const Region& region, const Color& color, double scale)
{
    const auto& inside = region.inside;
    c.FillShape(region.x0 * scale, region.y0 * scale, region.x1 * scale, region.y1 * scale,
                [&](double x, double y) { return inside(x / scale, y / scale); },
                [&](double, double) { return color; });
}

void PaintAboutPicture(Canvas& c, int percent)
{
    const double scale = percent / 100.0;

    // A soft shadow for the clock to stand on.
    FillPixels(c, Oval(45, 123.5, 36, 4), Rgb(226, 231, 240), scale);

    // The clock is the application icon drawn at 90 pixels and laid over
    // unchanged, so the two always match.
    const int clockSize = ScaleForPercent(kAboutClockSize, percent);
    const int clockLeft = ScaleForPercent(kAboutClockLeft, percent);
    const int clockTop = ScaleForPercent(kAboutClockTop, percent);
    Canvas clock(clockSize, clockSize);
    PaintClockIcon(clock, clockSize);
    for (int y = 0; y < clockSize; ++y)
        for (int x = 0; x < clockSize; ++x)
            c.Blend(clockLeft + x, clockTop + y, clock.Get(x, y), 1.0);

    // Speech bubble in the upper right, its tail pointing at the clock but
    // stopping short of the rim. The inner outline is the outer one moved
    // in by the 3.5 pixel line width.
    const Region bubble = Union(RoundBox(74, 3, 126, 41, 11),
                                Poly({{86, 34}, {102, 34}, {80, 52}}));
    const Region inside = Union(RoundBox(77.5, 6.5, 122.5, 37.5, 7.5),
                                Poly({{89.7, 34}, {96.5, 34}, {87.1, 41.6}}));
    FillPixels(c, Minus(bubble, inside), kNavy, scale);
    FillPixels(c, inside, kWhite, scale);

    // In it, a voice as level bars, centred and on whole pixels.
    const double bars[] = {8, 16, 22, 12, 6};
    for (int i = 0; i < 5; ++i) {
        const double x = 84 + 8 * i, mid = 22;
        FillPixels(c, Stroke(x, mid - bars[i] / 2, x, mid + bars[i] / 2, 4), kBlue, scale);
    }
}

const Color kKey = Rgb(255, 0, 255);

} // namespace

const std::vector<int>& FaceIds()
{
    static const std::vector<int> ids = [] {
        std::vector<int> v;
        for (const FaceStyle& s : FaceStyles())
            v.push_back(s.id);
        return v;
    }();
    return ids;
}

const std::vector<int>& DateWindowIds()
{
    static const std::vector<int> ids = [] {
        std::vector<int> v;
        for (const DateStyle& s : DateStyles())
            v.push_back(s.id);
        return v;
    }();
    return ids;
}

const std::vector<int>& IconIds()
{
    static const std::vector<int> ids = [] {
        std::vector<int> v;
        for (const IconDef& d : IconTable())
            v.push_back(d.id);
        return v;
    }();
    return ids;
}

const std::vector<int>& IconSizes()
{
    static const std::vector<int> sizes = {16, 32, 48};
    return sizes;
}

std::vector<int> IconSizes(int percent)
{
    std::vector<int> sizes;
    for (int size : IconSizes())
        sizes.push_back(ScaleForPercent(size, percent));
    return sizes;
}

namespace {

// "face_1066.bmp" at 100 %, "face_1066_150.bmp" at 150 %.
std::string ArtName(const char* kind, int id, int percent, const char* extension)
{
    std::string name = std::string(kind) + "_" + std::to_string(id);
    if (percent != 100)
        name += "_" + std::to_string(percent);
    return name + extension;
}

} // namespace

std::string FaceFileName(int id, int percent)
{
    return ArtName("face", id, percent, ".bmp");
}

std::string DateWindowFileName(int id, int percent)
{
    return ArtName("date", id, percent, ".bmp");
}

std::string IconFileName(int id, int percent)
{
    return ArtName("icon", id, percent, ".ico");
}

std::string AboutPictureFileName(int percent)
{
    return ArtName("about", kAboutPictureId, percent, ".bmp");
}

RgbImage MakeFace(int id, int percent)
{
    const FaceStyle* style = FindFaceStyle(id);
    if (!style || percent <= 0)
        return RgbImage();
    const int size = ScaleForPercent(kFaceSize, percent);
    Canvas c(size, size);
    DrawFace(c, *style, percent / 100.0);
    return c.ToRgbKeyed(kKey, style->rim);
}

RgbImage MakeDateWindow(int id, int percent)
{
    const DateStyle* style = FindDateStyle(id);
    if (!style || percent <= 0)
        return RgbImage();
    Canvas c(ScaleForPercent(kDateWidth, percent), ScaleForPercent(kDateHeight, percent));
    DrawDateWindow(c, *style, percent);
    return c.ToRgbKeyed(style->panel, style->panel);
}

RgbaImage MakeIconImage(int id, int size)
{
    const IconDef* def = FindIcon(id);
    if (!def || size <= 0)
        return RgbaImage();
    Canvas c(size, size);
    def->paint(c, size);
    return c.ToRgba();
}

std::vector<uint8_t> MakeIconFile(int id, int percent)
{
    if (!FindIcon(id) || percent <= 0)
        return std::vector<uint8_t>();
    std::vector<RgbaImage> images;
    for (int size : IconSizes(percent))
        images.push_back(MakeIconImage(id, size));
    return EncodeIco(images);
}

RgbImage MakeAboutPicture(int percent)
{
    if (percent <= 0)
        return RgbImage();
    const int size = ScaleForPercent(kAboutSize, percent);
    Canvas c(size, size);
    PaintAboutPicture(c, percent);
    return c.ToRgbKeyed(kWhite, kWhite);
}

std::string ScaledArtScript()
{
    std::string script =
        "// The artwork at the larger display scales, written by tools/art with the\n"
        "// pictures it lists. Each resource has the id of the same picture at 100 %\n"
        "// plus 10000 per scale step (display/DisplayScale.h).\n";
    const auto line = [&](int id, int percent, const char* type, const std::string& file) {
        script += std::to_string(ScaledArtId(id, percent)) + " " + type + " \"art/" + file + "\"\n";
    };
    for (int percent : kArtScales) {
        if (percent == 100)
            continue;
        script += "\n// " + std::to_string(percent) + " %\n";
        for (int id : FaceIds())
            line(id, percent, "BITMAP", FaceFileName(id, percent));
        for (int id : DateWindowIds())
            line(id, percent, "BITMAP", DateWindowFileName(id, percent));
        line(kAboutPictureId, percent, "BITMAP", AboutPictureFileName(percent));
        for (int id : IconIds())
            line(id, percent, "ICON", IconFileName(id, percent));
    }
    return script;
}

std::vector<ArtFile> BuildAllArt()
{
    std::vector<ArtFile> files;
    for (int percent : kArtScales) {
        for (int id : FaceIds())
            files.push_back({FaceFileName(id, percent), EncodeBmp24(MakeFace(id, percent))});
        for (int id : DateWindowIds())
            files.push_back({DateWindowFileName(id, percent), EncodeBmp24(MakeDateWindow(id, percent))});
        for (int id : IconIds())
            files.push_back({IconFileName(id, percent), MakeIconFile(id, percent)});
        files.push_back({AboutPictureFileName(percent), EncodeBmp24(MakeAboutPicture(percent))});
    }
    const std::string script = ScaledArtScript();
    files.push_back({kScaledArtScriptName, std::vector<uint8_t>(script.begin(), script.end())});
    return files;
}

bool WriteAllArt(const std::string& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(dir), ec);
    if (ec)
        return false;
    bool ok = true;
    for (const ArtFile& f : BuildAllArt()) {
        const std::filesystem::path path = std::filesystem::path(dir) / f.name;
        if (!WriteFileBytes(path.string(), f.bytes))
            ok = false;
    }
    return ok;
}

} // namespace art
