// The five clock skins: face and date-window bitmaps for each skin number.
#pragma once

#include "display/DisplayScale.h"

struct SkinBitmaps {
    int faceId;
    int dateId;
};

// Skin 0 Silver, 1 Ice, 2 Orange, 3 Green, 4 Purple; any other number shows
// as Silver.
constexpr SkinBitmaps SkinFor(int skin) {
    switch (skin) {
        case 1: return SkinBitmaps{1081, 1082};
        case 2: return SkinBitmaps{1078, 1080};
        case 3: return SkinBitmaps{1088, 1067};
        case 4: return SkinBitmaps{1089, 1067};
        default: return SkinBitmaps{1066, 1067};
    }
}

// The skin's bitmaps as drawn for the art scale nearest a DPI.
constexpr SkinBitmaps SkinForDpi(int skin, int dpi) {
    return SkinBitmaps{ScaledArtId(SkinFor(skin).faceId, NearestArtScale(dpi)),
                       ScaledArtId(SkinFor(skin).dateId, NearestArtScale(dpi))};
}
