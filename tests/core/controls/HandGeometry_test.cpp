#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "controls/HandGeometry.h"

// Readable failure output and comparison of whole line lists.
void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }
void PrintTo(const HandLine& l, std::ostream* os)
{
    PrintTo(l.from, os);
    *os << "-";
    PrintTo(l.to, os);
}
bool operator==(const HandLine& a, const HandLine& b) { return a.from == b.from && a.to == b.to; }

namespace {

const int kFace = 100;

} // namespace

TEST(HandAngle, StraightUpIsJustPastVerticalInSinglePrecision)
{
    const HandAngleResult a = HandAngle(0);
    EXPECT_LT(a.cosv, 0.0f);
    EXPECT_GT(a.cosv, -1e-6f);
    EXPECT_EQ(a.sinv, 1.0f);
}

TEST(HandAngle, PositionsPastTwelveWrapOntoTheDial)
{
    const HandAngleResult noon = HandAngle(60);
    const HandAngleResult zero = HandAngle(0);
    EXPECT_EQ(noon.cosv, zero.cosv);
    EXPECT_EQ(noon.sinv, zero.sinv);

    const HandAngleResult late = HandAngle(64);
    const HandAngleResult early = HandAngle(4);
    EXPECT_EQ(late.cosv, early.cosv);
    EXPECT_EQ(late.sinv, early.sinv);
}

TEST(HandPoint, UpwardHandLandsOnColumn49)
{
    EXPECT_EQ(HandPoint(kFace, kFace, 0, 39), (Point{49, 11}));
    EXPECT_EQ(HandPoint(kFace, kFace, 0, 5), (Point{49, 45}));
}

TEST(HandPoint, OddFaceUsesExactHalf)
{
    // 49.5 + 33.77 truncates to 83; an integer half would give 82.
    EXPECT_EQ(HandPoint(99, 99, 10, 39).x, 83);
}

TEST(HourHandValue, FoldsTheDayIntoTwelveHoursAndCreepsEveryTwelveMinutes)
{
    EXPECT_EQ(HourHandValue(0, 0), 0);
    EXPECT_EQ(HourHandValue(0, 11), 0);
    EXPECT_EQ(HourHandValue(0, 12), 1);
    EXPECT_EQ(HourHandValue(3, 0), 15);
    EXPECT_EQ(HourHandValue(10, 10), 50);
    EXPECT_EQ(HourHandValue(12, 0), 60);
    EXPECT_EQ(HourHandValue(12, 59), 64);
    EXPECT_EQ(HourHandValue(13, 0), 5);
    EXPECT_EQ(HourHandValue(18, 45), 33);
    EXPECT_EQ(HourHandValue(23, 59), 59);
}

// Each hand at a few times of day: its outline and the fan of side lines,
// horizontal or vertical by where the hand points; the second hand doubled.
TEST(HandLines, EachHandAtItsPlaces)
{
    const struct {
        const char* name;
        std::vector<HandLine> lines;
        std::vector<HandLine> want;
    } cases[] = {
        {"minute hand at twelve fans horizontally", MinuteHandLines(kFace, kFace, 0),
         {{{49, 11}, {49, 45}}, {{49, 15}, {47, 45}}, {{49, 15}, {48, 45}}, {{49, 15}, {50, 45}}, {{49, 15}, {51, 45}}}},
        {"minute hand at ten past fans vertically", MinuteHandLines(kFace, kFace, 10),
         {{{83, 30}, {54, 47}}, {{80, 32}, {54, 45}}, {{80, 32}, {54, 46}}, {{80, 32}, {54, 48}}, {{80, 32}, {54, 49}}}},
        {"hour hand at twelve", HourHandLines(kFace, kFace, 12, 0),
         {{{49, 22}, {49, 45}}, {{49, 26}, {47, 45}}, {{49, 26}, {48, 45}}, {{49, 26}, {50, 45}}, {{49, 26}, {51, 45}}}},
        {"hour hand at three fans vertically", HourHandLines(kFace, kFace, 3, 0),
         {{{78, 50}, {55, 50}}, {{74, 50}, {55, 48}}, {{74, 50}, {55, 49}}, {{74, 50}, {55, 51}}, {{74, 50}, {55, 52}}}},
        {"hour hand at ten past ten", HourHandLines(kFace, kFace, 10, 10),
         {{{25, 35}, {45, 47}}, {{29, 37}, {45, 45}}, {{29, 37}, {45, 46}}, {{29, 37}, {45, 48}}, {{29, 37}, {45, 49}}}},
        {"hour hand at a quarter to seven in the evening", HourHandLines(kFace, kFace, 18, 45),
         {{{41, 76}, {48, 54}}, {{42, 72}, {46, 54}}, {{42, 72}, {47, 54}}, {{42, 72}, {49, 54}}, {{42, 72}, {50, 54}}}},
        {"second hand at zero, doubled to the right", SecondHandLines(kFace, kFace, 0),
         {{{49, 15}, {49, 45}}, {{50, 15}, {50, 45}}}},
        {"second hand at thirty points down", SecondHandLines(kFace, kFace, 30),
         {{{50, 85}, {50, 55}}, {{51, 85}, {51, 55}}}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.want, c.lines) << c.name;
}

TEST(MinuteHandLines, FanDirectionChangesAtInclusiveBounds)
{
    // The side lines end at base + offset; the tip line ends at the base.
    struct Case {
        int v;
        bool vertical;
    };
    const Case cases[] = {{9, false},  {10, true}, {20, true},  {21, false},
                          {39, false}, {40, true}, {50, true},  {51, false}};
    for (const Case& c : cases) {
        const std::vector<HandLine> lines = MinuteHandLines(kFace, kFace, c.v);
        ASSERT_EQ(lines.size(), 5u);
        const Point base = lines[0].to;
        const Point firstSideEnd = lines[1].to;
        const Point want = c.vertical ? Point{base.x, base.y - 2} : Point{base.x - 2, base.y};
        EXPECT_EQ(firstSideEnd, want) << "v = " << c.v;
    }
}

TEST(HourHandLines, MidnightAndNoonBothPointUp)
{
    EXPECT_EQ(HourHandLines(kFace, kFace, 0, 0), HourHandLines(kFace, kFace, 12, 0));
    // Late in the twelfth hour the hand has crept just past twelve.
    EXPECT_EQ(HourHandLines(kFace, kFace, 12, 59), HourHandLines(kFace, kFace, 0, 59));
    EXPECT_EQ(HourHandLines(kFace, kFace, 0, 0)[0].from, (Point{49, 22}));
}

TEST(FormatDayOfMonth, SingleDigitGetsLeadingBlank)
{
    EXPECT_EQ(FormatDayOfMonth(5), " 5");
    EXPECT_EQ(FormatDayOfMonth(25), "25");
    EXPECT_EQ(FormatDayOfMonth(31), "31");
}

// The cached picture is keyed by this number: it must tell apart every
// date, hour and minute, including the same minute an hour or a day later.
TEST(LocalMinuteNumber, CountsWholeMinutesFromNineteenSeventy)
{
    struct Case {
        int year, month, day, hour, minute;
        long long expected;
    };
    const Case cases[] = {
        {1970, 1, 1, 0, 0, 0},
        {1970, 1, 1, 0, 59, 59},
        {1970, 1, 1, 1, 0, 60},
        {1970, 1, 2, 0, 0, 1440},
        {2000, 3, 1, 0, 0, 11017LL * 1440},            // past the leap day of a 400-year leap year
        {2024, 3, 5, 12, 0, 19787LL * 1440 + 720},
        {2024, 3, 5, 13, 0, 19787LL * 1440 + 780},    // an hour later, same minute of the hour
        {2024, 3, 6, 12, 0, 19788LL * 1440 + 720},    // a day later, same time of day
        {2100, 3, 1, 0, 0, 47541LL * 1440},            // 2100 has no 29 February
        {1969, 12, 31, 23, 59, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, LocalMinuteNumber(c.year, c.month, c.day, c.hour, c.minute))
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute;
}

// A face drawn for a larger display scale carries the same hands scaled with
// it: radii, the fan of side lines, the second hand's doubling and the line
// weight.
TEST(HandLines, ScaleWithTheFace)
{
    const std::vector<HandLine> minute = MinuteHandLines(200, 200, 0);
    const std::vector<HandLine> want = {
        {{99, 22}, {99, 90}}, {{99, 30}, {95, 90}}, {{99, 30}, {96, 90}}, {{99, 30}, {97, 90}},
        {{99, 30}, {98, 90}}, {{99, 30}, {100, 90}}, {{99, 30}, {101, 90}}, {{99, 30}, {102, 90}},
        {{99, 30}, {103, 90}}};
    EXPECT_EQ(minute, want);
    for (const HandLine& l : minute)
        EXPECT_EQ(l.weight, 2);

    const std::vector<HandLine> second = {{{99, 30}, {99, 90}}, {{100, 30}, {100, 90}},
                                          {{101, 30}, {101, 90}}, {{102, 30}, {102, 90}}};
    EXPECT_EQ(SecondHandLines(200, 200, 0), second);

    struct Scale {
        int face;
        size_t wideLines;
        size_t secondLines;
        int weight;
    };
    const Scale scales[] = {{100, 5, 2, 1}, {125, 7, 3, 1}, {150, 7, 3, 2}, {200, 9, 4, 2}};
    for (const Scale& s : scales) {
        EXPECT_EQ(MinuteHandLines(s.face, s.face, 17).size(), s.wideLines) << s.face;
        EXPECT_EQ(HourHandLines(s.face, s.face, 7, 40).size(), s.wideLines) << s.face;
        EXPECT_EQ(SecondHandLines(s.face, s.face, 42).size(), s.secondLines) << s.face;
        EXPECT_EQ(HourHandLines(s.face, s.face, 7, 40)[0].weight, s.weight) << s.face;
        EXPECT_EQ(HandLineWeight(s.face), s.weight) << s.face;
    }
}

// Everything the hands draw, the stroke's extra pixels and the anti-aliased
// neighbour included, stays within 42 % of the face's width from its centre:
// outside that circle the face shows exactly as painted.
TEST(HandLines, StayWithinTheirCircleAtEveryScale)
{
    for (int face : {100, 125, 150, 200}) {
        const double centre = face / 2.0, limit = 0.42 * face;
        std::vector<HandLine> all;
        for (int v = 0; v < 60; ++v) {
            for (const std::vector<HandLine>& lines :
                 {MinuteHandLines(face, face, v), SecondHandLines(face, face, v), HourHandLines(face, face, v / 5 + 1, v)})
                all.insert(all.end(), lines.begin(), lines.end());
        }
        for (const HandLine& l : all) {
            for (Point p : {l.from, l.to}) {
                // The stroke's extra lines and the blended neighbour lie up
                // to weight / 2 + 1 pixels beside the point, across the line
                // (along x or along y).
                const double dx = std::abs(p.x + 0.5 - centre), dy = std::abs(p.y + 0.5 - centre);
                const double extra = l.weight / 2 + 1;
                const double reach = std::max(std::hypot(dx + extra, dy), std::hypot(dx, dy + extra));
                EXPECT_LE(reach, limit) << face << ": (" << p.x << "," << p.y << ")";
            }
        }
    }
}
