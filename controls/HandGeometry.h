// Where the clock's hands go on the face. Pure arithmetic in the exact
// precision the drawn picture depends on (single-precision angle, double sums).
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

// One line of a hand, tip side first.
struct HandLine {
    Point from;
    Point to;
};

// Radii of the hands, in pixels from the face centre.
constexpr int kMinuteTipRadius = 39;
constexpr int kMinuteSideRadius = 35;
constexpr int kHourTipRadius = 28;
constexpr int kHourSideRadius = 24;
constexpr int kSecondTipRadius = 35;
constexpr int kHandBaseRadius = 5;

// Direction of a hand at position v in minute units (0 = up, 15 = right).
HandAngleResult HandAngle(int v);

// The point at the given radius from the centre of a faceW x faceH face.
Point HandPoint(int faceW, int faceH, int v, int radius);

// Hour-hand position in minute units: 0..64, creeping once every 12 minutes.
int HourHandValue(int hour, int minute);

// The lines of each hand in drawing order.
std::vector<HandLine> MinuteHandLines(int faceW, int faceH, int minute);
std::vector<HandLine> HourHandLines(int faceW, int faceH, int hour, int minute);
std::vector<HandLine> SecondHandLines(int faceW, int faceH, int second);

// The day in the date window: two characters, a single digit gets a leading blank.
std::string FormatDayOfMonth(int day);

// The minute a composed picture shows, counted in whole minutes from
// 1970-01-01 00:00 on the local calendar (month 1..12, day 1..31). Two
// moments share a number exactly when they show the same date, hour and
// minute, so it identifies the cached picture across hours, days and clock
// changes alike.
long long LocalMinuteNumber(int year, int month, int day, int hour, int minute);
