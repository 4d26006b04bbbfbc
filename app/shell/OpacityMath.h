// Window opacity arithmetic, kept free of windows so it can be checked
// without a display.
#pragma once

// Opacity percentage -> alpha for a layered window. The percentage is held to
// 0..100 (0 is fully transparent, anything above 100 opaque, never wrapped);
// alpha = percentage * 255 / 100 with integer division (50 -> 127).
inline int OpacityAlpha(int percentage)
{
    const int p = percentage < 0 ? 0 : percentage > 100 ? 100 : percentage;
    return p * 255 / 100;
}
