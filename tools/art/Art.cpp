#include "tools/art/Art.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "tools/art/BmpWriter.h"
#include "tools/art/Canvas.h"
#include "tools/art/IcoWriter.h"

namespace art {

namespace {

// ---------------------------------------------------------------------------
// Clock faces
//
// The face is 100 x 100. The clock draws its hands around pixel (50, 50), so
// the dial is centred on that pixel's middle, (50.5, 50.5) in continuous
// coordinates. The hands reach radius 39; the date window is copied over
// x 67..85, y 42..56. Everything outside the dial must stay exactly the key
// colour, so the dial's outermost ring is drawn without anti-aliasing in a
// dark rim colour: edge pixels are either key or rim, never a blend of both.

const int kFaceSize = 100;
const double kCentre = 50.5;
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

void DrawFace(Canvas& c, const FaceStyle& s)
{
    const double cx = kCentre, cy = kCentre;

    // Rim: hard edge against the key colour.
    c.FillDiscHard(cx, cy, kRimRadius, s.rim);

    // Bezel: lit from the upper left.
    c.FillRing(cx, cy, kBezelInner, kBezelOuter, [&](double x, double y) {
        const double t = ((x - cx) + (y - cy)) / (2.0 * kBezelOuter) + 0.5;
        return Mix(s.bezelLight, s.bezelDark, t);
    });

    // Dial: light centre fading to the main tone at the edge.
    c.FillDisc(cx, cy, kDialRadius, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy;
        const double t = (dx * dx + dy * dy) / (kDialRadius * kDialRadius);
        return Mix(s.dialCentre, s.dialEdge, t);
    });

    // A soft shadow where the dial meets the bezel, heavier at the top.
    c.FillRing(cx, cy, kDialRadius - 1.2, kDialRadius, [&](double, double y) {
        const double t = 0.5 - (y - cy) / (2.0 * kDialRadius);
        return Fade(s.rim, 0.15 + 0.35 * t);
    });

    // Minute track.
    for (int m = 0; m < 60; ++m) {
        if (m % 5 == 0)
            continue;
        double dx, dy;
        ClockDirection(m, dx, dy);
        c.FillDisc(cx + dx * kDotRadius, cy + dy * kDotRadius, 0.62, s.dots);
    }

    // Hour marks, longer and heavier at 12, 3, 6 and 9.
    for (int h = 0; h < 12; ++h) {
        const bool main = h % 3 == 0;
        const double inner = main ? kMainMarkInner : kMarkInner;
        const double width = main ? 2.6 : 1.5;
        double dx, dy;
        ClockDirection(h * 5, dx, dy);
        c.DrawLine(cx + dx * inner, cy + dy * inner,
                   cx + dx * kMarkOuter, cy + dy * kMarkOuter,
                   width, s.marks, false);
    }

    // Centre cap with a small highlight.
    c.FillDisc(cx, cy, kCapRadius, s.cap);
    c.FillDisc(cx - 1.1, cy - 1.1, 1.4, Fade(Rgb(255, 255, 255), 0.30));
}

// ---------------------------------------------------------------------------
// Date windows: 18 x 14, a one-pixel frame around a light panel with a
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

void DrawDateWindow(Canvas& c, const DateStyle& s)
{
    c.FillRect(0, 0, kDateWidth, kDateHeight, s.frame);
    c.FillRect(1, 1, kDateWidth - 1, kDateHeight - 1, s.shade);
    c.FillRect(2, 2, kDateWidth - 1, kDateHeight - 1, s.panel);
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

struct IconDef {
    int id;
    IconPainter paint;
};

const std::vector<IconDef>& IconTable()
{
    static const std::vector<IconDef> table = {
        {128, PaintClockIcon},
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

std::string FaceFileName(int id)
{
    return "face_" + std::to_string(id) + ".bmp";
}

std::string DateWindowFileName(int id)
{
    return "date_" + std::to_string(id) + ".bmp";
}

std::string IconFileName(int id)
{
    return "icon_" + std::to_string(id) + ".ico";
}

RgbImage MakeFace(int id)
{
    const FaceStyle* style = FindFaceStyle(id);
    if (!style)
        return RgbImage();
    Canvas c(kFaceSize, kFaceSize);
    DrawFace(c, *style);
    return c.ToRgbKeyed(kKey, style->rim);
}

RgbImage MakeDateWindow(int id)
{
    const DateStyle* style = FindDateStyle(id);
    if (!style)
        return RgbImage();
    Canvas c(kDateWidth, kDateHeight);
    DrawDateWindow(c, *style);
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

std::vector<uint8_t> MakeIconFile(int id)
{
    if (!FindIcon(id))
        return std::vector<uint8_t>();
    std::vector<RgbaImage> images;
    for (int size : IconSizes())
        images.push_back(MakeIconImage(id, size));
    return EncodeIco(images);
}

std::vector<ArtFile> BuildAllArt()
{
    std::vector<ArtFile> files;
    for (int id : FaceIds())
        files.push_back({FaceFileName(id), EncodeBmp24(MakeFace(id))});
    for (int id : DateWindowIds())
        files.push_back({DateWindowFileName(id), EncodeBmp24(MakeDateWindow(id))});
    for (int id : IconIds())
        files.push_back({IconFileName(id), MakeIconFile(id)});
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
