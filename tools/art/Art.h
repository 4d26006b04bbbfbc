// The program's generated artwork: clock faces and date windows for the
// clock skins, the icons and the About box picture. Everything is drawn
// from code so the resource files can be rebuilt identically at any time.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/art/Image.h"

namespace art {

// Resource ids that have generated artwork, in file-writing order.
const std::vector<int>& FaceIds();       // 100 x 100 clock faces
const std::vector<int>& DateWindowIds(); // 18 x 14 date windows
const std::vector<int>& IconIds();       // multi-size icons
const int kAboutPictureId = 1072;        // 128 x 128 About box picture

// Sizes put into every icon file.
const std::vector<int>& IconSizes();

// File names: face_<id>.bmp, date_<id>.bmp, icon_<id>.ico, about_<id>.bmp.
std::string FaceFileName(int id);
std::string DateWindowFileName(int id);
std::string IconFileName(int id);
std::string AboutPictureFileName();

// A clock face: dial on the 0xFF00FF key colour. Empty image for an
// unknown id.
RgbImage MakeFace(int id);

// A date window: a framed light panel. Empty image for an unknown id.
RgbImage MakeDateWindow(int id);

// One size of an icon. Empty image for an unknown id.
RgbaImage MakeIconImage(int id, int size);

// The complete .ico file of an icon (all sizes). Empty for an unknown id.
std::vector<uint8_t> MakeIconFile(int id);

// The About box picture: opaque on the dialog's white background.
RgbImage MakeAboutPicture();

struct ArtFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Every artwork file, encoded, in a fixed order.
std::vector<ArtFile> BuildAllArt();

// Writes BuildAllArt() into dir (created if missing). False when the
// directory cannot be created or a file cannot be written.
bool WriteAllArt(const std::string& dir);

} // namespace art
