// Window opacity arithmetic, kept free of windows so it can be checked
// without a display.
#pragma once

// Opacity percentage -> alpha for a layered window. Only the low 8 bits of
// the percentage count (as an unsigned number), capped at 100 per cent;
// alpha = percentage * 255 / 100 with integer division (50 -> 127).
inline int OpacityAlpha(int percentage)
{
    unsigned int p = static_cast<unsigned int>(percentage) & 0xFFu;
    if (p > 100u) p = 100u;
    return static_cast<int>(p * 255u / 100u);
}
