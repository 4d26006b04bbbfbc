#include "display/PackedArt.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/Gdi.h"
#include "framework/WinApp.h"

namespace {

// The packed resource: the unpacked size (4 bytes, little-endian), then the
// zlib stream. Empty when there is no such resource or it does not unpack.
std::vector<uint8_t> Unpacked(int id) {
    const HMODULE module = AfxGetResourceHandle();
    const HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) return {};
    const DWORD size = ::SizeofResource(module, found);
    const HGLOBAL loaded = ::LoadResource(module, found);
    const auto* data = static_cast<const uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!data || size < 4) return {};
    const uint32_t unpackedSize = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
    std::vector<uint8_t> unpacked(unpackedSize);
    uLongf length = unpackedSize;
    if (::uncompress(unpacked.data(), &length, data + 4, size - 4) != Z_OK || length != unpackedSize) return {};
    return unpacked;
}

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

}  // namespace

HBITMAP LoadPackedBitmap(int id) {
    const std::vector<uint8_t> file = Unpacked(id);
    if (file.empty())
        return static_cast<HBITMAP>(
            ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    // A bitmap file: 14-byte file header, the information header, the rows.
    if (file.size() < 14 + sizeof(BITMAPINFOHEADER) || file[0] != 'B' || file[1] != 'M') return nullptr;
    const uint32_t bitsAt = Read32(file, 10);
    if (bitsAt >= file.size()) return nullptr;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + 14);
    const CClientDC screen(nullptr);
    return ::CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, file.data() + bitsAt, info, DIB_RGB_COLORS);
}

HICON LoadPackedIcon(int id, int pixels) {
    const std::vector<uint8_t> file = Unpacked(id);
    if (file.empty())
        return static_cast<HICON>(
            ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR));
    // An icon file: a 6-byte directory, 16 bytes an image, then the images.
    if (file.size() < 6) return nullptr;
    const unsigned count = file[4] | file[5] << 8;
    for (unsigned i = 0; i < count && 6 + 16 * (i + 1) <= file.size(); ++i) {
        const size_t entry = 6 + 16 * i;
        const int width = file[entry] ? file[entry] : 256;
        const uint32_t size = Read32(file, entry + 8), offset = Read32(file, entry + 12);
        if (width != pixels || offset > file.size() || size > file.size() - offset) continue;
        return ::CreateIconFromResourceEx(const_cast<PBYTE>(file.data() + offset), size, TRUE, 0x00030000, pixels,
                                          pixels, LR_DEFAULTCOLOR);
    }
    return nullptr;
}
