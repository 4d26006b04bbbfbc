#include "controls/HandGeometry.h"

#include <cmath>
#include <cstdio>

#include "display/DisplayScale.h"

namespace {

Point PointAt(int faceW, int faceH, HandAngleResult a, double radius)
{
    const double x = faceW / 2.0 + static_cast<double>(a.cosv) * radius;
    const double y = faceH / 2.0 - static_cast<double>(a.sinv) * radius;
    return Point{static_cast<int>(x), static_cast<int>(y)};
}

// A radius of the 100 x 100 design on this face; exact (the same integer)
// on a face 100 pixels wide.
double FaceRadius(int radius, int faceW)
{
    return radius * faceW / 100.0;
}

// How far the fan of side lines, and the second hand's doubling, reach:
// 2 pixels on a 100 x 100 face.
int FanReach(int faceW)
{
    return ScaleForPercent(2, faceW);
}

// A wide hand is a tip line plus side lines fanned out around the base, two
// to each side on a 100 x 100 face. Near-horizontal hands fan vertically so
// the side lines stay apart.
std::vector<HandLine> WideHandLines(int faceW, int faceH, int v, int tipRadius, int sideRadius)
{
    const HandAngleResult a = HandAngle(v);
    const Point tip = PointAt(faceW, faceH, a, FaceRadius(tipRadius, faceW));
    const Point side = PointAt(faceW, faceH, a, FaceRadius(sideRadius, faceW));
    const Point base = PointAt(faceW, faceH, a, FaceRadius(kHandBaseRadius, faceW));
    const int weight = HandLineWeight(faceW);
    const int reach = FanReach(faceW);

    const bool fanVertically = (v >= 10 && v <= 20) || (v >= 40 && v <= 50);

    std::vector<HandLine> lines;
    lines.reserve(static_cast<size_t>(1 + 2 * reach));
    lines.push_back(HandLine{tip, base, weight});
    for (int offset = -reach; offset <= reach; ++offset) {
        if (offset == 0)
            continue;
        const Point end = fanVertically ? Point{base.x, base.y + offset}
                                        : Point{base.x + offset, base.y};
        lines.push_back(HandLine{side, end, weight});
    }
    return lines;
}

} // namespace

HandAngleResult HandAngle(int v)
{
    float d = static_cast<float>(90 - 6 * v);
    if (d < 0)
        d += 360;
    const float r = static_cast<float>(static_cast<double>(d) * 3.1415926535 / 180);
    return HandAngleResult{static_cast<float>(std::cos(static_cast<double>(r))),
                           static_cast<float>(std::sin(static_cast<double>(r)))};
}

Point HandPoint(int faceW, int faceH, int v, int radius)
{
    return PointAt(faceW, faceH, HandAngle(v), radius);
}

int HandLineWeight(int faceW)
{
    const int weight = ScaleForPercent(1, faceW);
    return weight < 1 ? 1 : weight;
}

int HourHandValue(int hour, int minute)
{
    const int h12 = hour <= 12 ? hour : hour - 12;
    return h12 * 5 + minute / 12;
}

std::vector<HandLine> MinuteHandLines(int faceW, int faceH, int minute)
{
    return WideHandLines(faceW, faceH, minute, kMinuteTipRadius, kMinuteSideRadius);
}

std::vector<HandLine> HourHandLines(int faceW, int faceH, int hour, int minute)
{
    return WideHandLines(faceW, faceH, HourHandValue(hour, minute), kHourTipRadius,
                         kHourSideRadius);
}

std::vector<HandLine> SecondHandLines(int faceW, int faceH, int second)
{
    const HandAngleResult a = HandAngle(second);
    const Point tip = PointAt(faceW, faceH, a, FaceRadius(kSecondTipRadius, faceW));
    const Point base = PointAt(faceW, faceH, a, FaceRadius(kHandBaseRadius, faceW));
    // Doubled one pixel to the right so the thin hand stays visible; a larger
    // face repeats it further right.
    std::vector<HandLine> lines;
    for (int shift = 0; shift < FanReach(faceW); ++shift)
        lines.push_back(HandLine{Point{tip.x + shift, tip.y}, Point{base.x + shift, base.y}});
    return lines;
}

std::vector<HandLine> TickLines(int faceW, int faceH)
{
    constexpr int kRim = 47;
    constexpr int kQuarterInner = 40;
    constexpr int kHourInner = 43;
    const int weight = HandLineWeight(faceW);
    std::vector<HandLine> lines;
    for (int v = 0; v < 60; v += 5) {
        const int inner = v % 15 == 0 ? kQuarterInner : kHourInner;
        const HandAngleResult a = HandAngle(v);
        lines.push_back(HandLine{PointAt(faceW, faceH, a, FaceRadius(kRim, faceW)),
                                 PointAt(faceW, faceH, a, FaceRadius(inner, faceW)), weight});
    }
    return lines;
}

std::string FormatClockValue(int hour, int minute)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string FormatDayOfMonth(int day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%2d", day);
    return text;
}

long long LocalMinuteNumber(int year, int month, int day, int hour, int minute)
{
    // Days from the civil date: the year counted from March, so the leap
    // day is the last day of its year.
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long monthFromMarch = month > 2 ? month - 3 : month + 9;
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = era * 146097 + dayOfEra - 719468;
    return (days * 24 + hour) * 60 + minute;
}
