// Where the clock's hands go on the face. Pure arithmetic in the exact
// precision the drawn picture depends on (single-precision angle, double sums).
// The lengths below are those of a 100 x 100 face; a larger face (the same
// dial drawn for a larger display scale) scales the hands with it, so the
// 100 x 100 face keeps exactly the lines it always had.
#pragma once
#include <string>
#include <vector>

struct Point {
    int x;
    int y;
};

inline bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(Point a, Point b) { return !(a == b); }

struct HandAngleResult {
    float cosv;
    float sinv;
};

// One line of a hand, tip side first, `weight` pixels thick (see
// DrawAntialiasedStroke).
struct HandLine {
    Point from;
    Point to;
    int weight = 1;
};

// Radii of the hands on a 100 x 100 face, in pixels from the face centre.
constexpr int kMinuteTipRadius = 39;
constexpr int kMinuteSideRadius = 35;
constexpr int kHourTipRadius = 28;
constexpr int kHourSideRadius = 24;
constexpr int kSecondTipRadius = 35;
constexpr int kHandBaseRadius = 5;

// Direction of a hand at position v in minute units (0 = up, 15 = right).
HandAngleResult HandAngle(int v);

// The point at the given radius in pixels from the centre of a faceW x faceH
// face.
Point HandPoint(int faceW, int faceH, int v, int radius);

// How thick a hand's lines are drawn on a face this wide: 1 up to 149 pixels,
// then growing with the face.
int HandLineWeight(int faceW);

// Hour-hand position in minute units: 0..64, creeping once every 12 minutes.
int HourHandValue(int hour, int minute);

// The lines of each hand in drawing order. On a larger face the fan of side
// lines and the second hand's doubling widen with it.
std::vector<HandLine> MinuteHandLines(int faceW, int faceH, int minute);
std::vector<HandLine> HourHandLines(int faceW, int faceH, int hour, int minute);
std::vector<HandLine> SecondHandLines(int faceW, int faceH, int second);

// The hour marks of the plain face drawn in high contrast, one line each:
// every fifth minute from the rim inwards, the quarters longer.
std::vector<HandLine> TickLines(int faceW, int faceH);

// The day in the date window: two characters, a single digit gets a leading blank.
std::string FormatDayOfMonth(int day);

// The time the clock shows, as assistive technology reads it: "HH:MM", 24-hour.
std::string FormatClockValue(int hour, int minute);

// The minute a composed picture shows, counted in whole minutes from
// 1970-01-01 00:00 on the local calendar (month 1..12, day 1..31). Two
// moments share a number exactly when they show the same date, hour and
// minute, so it identifies the cached picture across hours, days and clock
// changes alike.
long long LocalMinuteNumber(int year, int month, int day, int hour, int minute);
