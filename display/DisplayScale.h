// Display scales: every pixel quantity of the program is given for a 96-DPI
// screen and scaled by the DPI of the window that shows it. The artwork is
// drawn at four scales; a window picks the one nearest its DPI, so no bitmap
// or icon is ever shown stretched. No platform calls: shared by the program
// and the art tool.
#pragma once

constexpr int kDefaultDpi = 96;

// v * toDpi / fromDpi rounded to the nearest integer, halves away from zero,
// as MulDiv rounds: a size taken at one DPI for a window now shown at
// another. Negative values (font heights) round symmetrically.
constexpr int RescaleForDpi(int v, int fromDpi, int toDpi) {
    if (fromDpi <= 0) return v;
    const long long product = static_cast<long long>(v) * toDpi;
    return static_cast<int>(product >= 0 ? (product + fromDpi / 2) / fromDpi : (product - fromDpi / 2) / fromDpi);
}

// A 96-DPI size at a DPI, and a size at a DPI back in 96-DPI units.
constexpr int ScaleForDpi(int v, int dpi) { return RescaleForDpi(v, kDefaultDpi, dpi); }
constexpr int UnscaleForDpi(int v, int dpi) { return RescaleForDpi(v, dpi, kDefaultDpi); }

// The scales the artwork is drawn at, in percent of 96 DPI.
constexpr int kArtScales[] = {100, 125, 150, 200};
constexpr int kArtScaleCount = 4;

// A 100 % size drawn at an art scale, rounded to the nearest pixel.
constexpr int ScaleForPercent(int v, int percent) { return RescaleForDpi(v, 100, percent); }

// Position of a scale in kArtScales; 0 (100 %) for any other number.
constexpr int ArtScaleIndex(int percent) {
    for (int i = 0; i < kArtScaleCount; ++i)
        if (kArtScales[i] == percent) return i;
    return 0;
}

// The art scale nearest to a DPI; of two equally near, the larger, so that
// where a stretch can't be avoided the art is shrunk rather than enlarged.
constexpr int NearestArtScale(int dpi) {
    int best = kArtScales[0];
    long long bestDistance = -1;
    for (int percent : kArtScales) {
        long long distance = static_cast<long long>(dpi) * 100 - static_cast<long long>(percent) * kDefaultDpi;
        if (distance < 0) distance = -distance;
        if (bestDistance < 0 || distance <= bestDistance) {
            best = percent;
            bestDistance = distance;
        }
    }
    return best;
}

// Resource id of a picture or icon at an art scale: the 100 % resource keeps
// its own id, the others follow it at steps of 10000 (the 150 % copy of
// bitmap 1066 is 21066).
constexpr int kArtIdStep = 10000;
constexpr int ScaledArtId(int id, int percent) { return id + kArtIdStep * ArtScaleIndex(percent); }
