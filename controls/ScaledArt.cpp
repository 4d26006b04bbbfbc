#include "controls/ScaledArt.h"

#include "controls/DisplayScale.h"
#include "framework/WinApp.h"

int ScaledArtIdForDpi(int id, int dpi) { return ScaledArtId(id, NearestArtScale(dpi)); }

int ScaledIconSize(int size, int dpi) { return ScaleForPercent(size, NearestArtScale(dpi)); }

HICON LoadScaledIcon(int id, int size, int dpi) {
    const int pixels = ScaledIconSize(size, dpi);
    return static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(ScaledArtIdForDpi(id, dpi)),
                                           IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR));
}

HBITMAP LoadScaledBitmap(int id, int dpi) {
    return static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(ScaledArtIdForDpi(id, dpi)),
                                             IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}
