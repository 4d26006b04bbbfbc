// The program's generated artwork: clock faces and date windows for the
// clock skins, the icons and the About box picture. Everything is drawn
// from code so the resource files can be rebuilt identically at any time.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/art/Image.h"

namespace art {

// Resource ids that have generated artwork, in file-writing order. Each is
// drawn at every scale of kArtScales (display/DisplayScale.h); the 100 % files
// keep their names, the others carry the scale (face_1066_150.bmp) and are
// compiled in under ScaledArtId.
const std::vector<int>& FaceIds();       // 100 x 100 clock faces at 100 %
const std::vector<int>& DateWindowIds(); // 18 x 14 date windows at 100 %
const std::vector<int>& IconIds();       // multi-size icons
const int kAboutPictureId = 1072;        // 128 x 128 About box picture at 100 %

// Sizes put into every 100 % icon file, and into the file of one scale.
const std::vector<int>& IconSizes();
std::vector<int> IconSizes(int percent);

// File names: face_<id>.bmp, date_<id>.bmp, icon_<id>.ico, about_<id>.bmp at
// 100 %, with _<percent> before the extension at the other scales.
std::string FaceFileName(int id, int percent = 100);
std::string DateWindowFileName(int id, int percent = 100);
std::string IconFileName(int id, int percent = 100);
std::string AboutPictureFileName(int percent = 100);

// The resource script that compiles the other scales' files in, written
// beside them and included by res/Tallvox.rc.
const char kScaledArtScriptName[] = "scaled.rc";
std::string ScaledArtScript();

// A clock face: dial on the 0xFF00FF key colour, 100 x 100 at 100 % and
// scaled with everything on it. Empty image for an unknown id.
RgbImage MakeFace(int id, int percent = 100);

// A date window: a framed light panel. Empty image for an unknown id.
RgbImage MakeDateWindow(int id, int percent = 100);

// One size of an icon. Empty image for an unknown id.
RgbaImage MakeIconImage(int id, int size);

// The complete .ico file of an icon at one scale (three sizes). Empty for an
// unknown id.
std::vector<uint8_t> MakeIconFile(int id, int percent = 100);

// The About box picture: opaque on the dialog's white background.
RgbImage MakeAboutPicture(int percent = 100);

struct ArtFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Every artwork file, encoded, in a fixed order: the 100 % files as they
// always were, then each larger scale, then the resource script.
std::vector<ArtFile> BuildAllArt();

// Writes BuildAllArt() into dir (created if missing). False when the
// directory cannot be created or a file cannot be written.
bool WriteAllArt(const std::string& dir);

} // namespace art
