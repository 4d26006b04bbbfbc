// Cost of the clock's two paint paths on a 100 x 100 face: the once-a-minute
// composition and the once-a-second tick, against a bare keyed copy.
#include <benchmark/benchmark.h>

#include <vector>

#include "controls/AntialiasedLine.h"
#include "controls/HandGeometry.h"
#include "controls/PixelBuffer.h"

namespace {

const int kFace = 100;
const Colorref kKey = 0x00FF00FF;
const Colorref kHandColour = 0;
const Colorref kSecondColour = MakeRgb(220, 20, 60);

// A dial like the skins: light disc with a grey rim and a dark cap, on the key.
PixelBuffer MakeFace()
{
    PixelBuffer face(kFace, kFace, kKey);
    for (int y = 0; y < kFace; ++y) {
        for (int x = 0; x < kFace; ++x) {
            const int ex = 2 * x + 1 - kFace;
            const int ey = 2 * y + 1 - kFace;
            const int d2 = ex * ex + ey * ey;  // in half-pixel units squared
            if (d2 <= 8 * 8 * 4)
                face.SetPixel(x, y, MakeRgb(40, 40, 40));
            else if (d2 <= 44 * 44 * 4)
                face.SetPixel(x, y, MakeRgb(250, 250, 250));
            else if (d2 <= 48 * 48 * 4)
                face.SetPixel(x, y, MakeRgb(160, 160, 160));
        }
    }
    return face;
}

void DrawLines(PixelBuffer& canvas, const std::vector<HandLine>& lines, Colorref colour)
{
    for (const HandLine& l : lines)
        DrawAntialiasedLine(canvas, l.from.x, l.from.y, l.to.x, l.to.y, colour);
}

void ComposeMinute(const PixelBuffer& face, PixelBuffer& picture, PixelBuffer& cache, int hour,
                   int minute)
{
    picture.Fill(kKey);
    picture.CopyKeyed(face, 0, 0, 0, 0, kFace, kFace, kKey);
    DrawLines(picture, MinuteHandLines(kFace, kFace, minute), kHandColour);
    DrawLines(picture, HourHandLines(kFace, kFace, hour, minute), kHandColour);
    cache.CopyFrom(picture, 0, 0, 0, 0, kFace, kFace);
}

void BM_MinuteCompose(benchmark::State& state)
{
    const PixelBuffer face = MakeFace();
    PixelBuffer picture(kFace, kFace);
    PixelBuffer cache(kFace, kFace);
    int i = 0;
    for (auto _ : state) {
        ComposeMinute(face, picture, cache, (i / 60) % 24, i % 60);
        ++i;
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(cache.Data());
}
BENCHMARK(BM_MinuteCompose);

void BM_SecondTick(benchmark::State& state)
{
    const PixelBuffer face = MakeFace();
    PixelBuffer picture(kFace, kFace);
    PixelBuffer cache(kFace, kFace);
    PixelBuffer screen(kFace, kFace, MakeRgb(236, 233, 216));
    ComposeMinute(face, picture, cache, 10, 10);
    int second = 0;
    for (auto _ : state) {
        picture.CopyFrom(cache, 0, 0, 0, 0, kFace, kFace);
        DrawLines(picture, SecondHandLines(kFace, kFace, second), kSecondColour);
        screen.CopyKeyed(picture, 0, 0, 0, 0, kFace, kFace, kKey);
        second = (second + 1) % 60;
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(screen.Data());
}
BENCHMARK(BM_SecondTick);

void BM_KeyedCopyFloor(benchmark::State& state)
{
    const PixelBuffer face = MakeFace();
    PixelBuffer picture(kFace, kFace);
    PixelBuffer cache(kFace, kFace);
    PixelBuffer screen(kFace, kFace, MakeRgb(236, 233, 216));
    ComposeMinute(face, picture, cache, 10, 10);
    for (auto _ : state) {
        screen.CopyKeyed(cache, 0, 0, 0, 0, kFace, kFace, kKey);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(screen.Data());
}
BENCHMARK(BM_KeyedCopyFloor);

} // namespace
