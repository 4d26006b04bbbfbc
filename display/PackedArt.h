// The program's pictures and icons as the resource script packs them: each
// deflated into an RCDATA resource of its own id (cmake/pack_art.py), which
// keeps the program small with the artwork of four display scales inside.
// A picture that is an ordinary resource instead (what the system loads by
// id: the window's icon, the clipboard box's icon, the About picture, at
// 100 %) is loaded as such.
#pragma once
#include <windows.h>

// Bitmap `id` as a bitmap compatible with the screen, as LoadImage gives
// it; the caller deletes it. Null when it is missing or damaged.
HBITMAP LoadPackedBitmap(int id);

// The `pixels` x `pixels` image of icon `id`; the caller destroys it. Null
// when it is missing or damaged.
HICON LoadPackedIcon(int id, int pixels);
