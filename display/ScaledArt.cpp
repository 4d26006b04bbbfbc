#include "display/ScaledArt.h"

#include "display/DisplayScale.h"
#include "display/PackedArt.h"

int ScaledArtIdForDpi(int id, int dpi) { return ScaledArtId(id, NearestArtScale(dpi)); }

int ScaledIconSize(int size, int dpi) { return ScaleForPercent(size, NearestArtScale(dpi)); }

HICON LoadScaledIcon(int id, int size, int dpi) {
    const int pixels = ScaledIconSize(size, dpi);
    return LoadPackedIcon(ScaledArtIdForDpi(id, dpi), pixels);
}

HBITMAP LoadScaledBitmap(int id, int dpi) {
    return LoadPackedBitmap(ScaledArtIdForDpi(id, dpi));
}
