// The generated artwork: file formats read back independently, the key
// colour around the clock faces, and reproducibility against the committed
// files (TALLVOX_ART_DIR names their folder).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "display/DisplayScale.h"
#include "tools/art/Art.h"
#include "tools/art/BmpWriter.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

uint32_t U16(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8);
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    return U16(b, at) | (U16(b, at + 2) << 16);
}

struct Rgb8 {
    int r, g, b;
};

Rgb8 PixelAt(const art::RgbImage& img, int x, int y)
{
    const size_t i = (static_cast<size_t>(y) * img.width + x) * 3;
    return {img.rgb[i], img.rgb[i + 1], img.rgb[i + 2]};
}

bool IsMagenta(const Rgb8& p)
{
    return p.r == 255 && p.g == 0 && p.b == 255;
}

int DistanceSquaredToMagenta(const Rgb8& p)
{
    return (p.r - 255) * (p.r - 255) + p.g * p.g + (p.b - 255) * (p.b - 255);
}

class ArtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // A folder of its own per run: test runners may start several
        // processes of this binary at once.
        const auto tick = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        s_dir = fs::temp_directory_path() /
                ("tallvox_art_test_" + std::to_string(std::random_device{}()) + "_" +
                 std::to_string(static_cast<long long>(tick)));
        std::error_code ec;
        fs::remove_all(s_dir, ec);
        s_written = art::WriteAllArt(s_dir.string());
    }

    static void TearDownTestSuite()
    {
        std::error_code ec;
        fs::remove_all(s_dir, ec);
    }

    static art::RgbImage LoadBmp(const std::string& name)
    {
        art::RgbImage img;
        EXPECT_TRUE(art::DecodeBmp24(ReadAll(s_dir / name), img)) << name;
        return img;
    }

    static fs::path s_dir;
    static bool s_written;
};

fs::path ArtTest::s_dir;
bool ArtTest::s_written = false;

TEST_F(ArtTest, WritesEveryFile)
{
    ASSERT_TRUE(s_written);
    const std::vector<std::string> atFullSize = {
        "face_1066.bmp", "face_1078.bmp", "face_1081.bmp", "face_1088.bmp", "face_1089.bmp",
        "date_1067.bmp", "date_1080.bmp", "date_1082.bmp", "icon_128.ico",
        "icon_1010.ico", "icon_1011.ico", "icon_1019.ico", "icon_1026.ico", "icon_1027.ico",
        "icon_1028.ico", "icon_1029.ico", "icon_1031.ico", "icon_1032.ico", "icon_1034.ico",
        "icon_1048.ico", "icon_1049.ico", "icon_1051.ico", "icon_1052.ico", "icon_1065.ico",
        "icon_1071.ico", "about_1072.bmp",
    };
    std::vector<std::string> expected = atFullSize;
    for (const char* scale : {"125", "150", "200"}) {
        for (const std::string& name : atFullSize) {
            const size_t dot = name.rfind('.');
            expected.push_back(name.substr(0, dot) + "_" + scale + name.substr(dot));
        }
    }
    expected.push_back("scaled.rc");
    for (const std::string& name : expected)
        EXPECT_TRUE(fs::is_regular_file(s_dir / name)) << name;
    EXPECT_EQ(art::BuildAllArt().size(), expected.size());
    EXPECT_EQ("face_1066_150.bmp", art::FaceFileName(1066, 150));
    EXPECT_EQ("icon_128_200.ico", art::IconFileName(128, 200));
}

// The resource script compiles in every file of the larger scales under the
// id the program asks for at that scale, and nothing of the 100 % set.
TEST_F(ArtTest, ScaledResourcesAreListedUnderTheirScaledIds)
{
    const std::vector<uint8_t> bytes = ReadAll(s_dir / art::kScaledArtScriptName);
    const std::string script(bytes.begin(), bytes.end());
    int lines = 0;
    for (int percent : {125, 150, 200}) {
        const auto expect = [&](int id, const char* type, const std::string& file) {
            const std::string line = std::to_string(ScaledArtId(id, percent)) + " " + type + " \"art/" + file + "\"\n";
            EXPECT_NE(std::string::npos, script.find(line)) << line;
            ++lines;
        };
        for (int id : art::FaceIds())
            expect(id, "BITMAP", art::FaceFileName(id, percent));
        for (int id : art::DateWindowIds())
            expect(id, "BITMAP", art::DateWindowFileName(id, percent));
        expect(art::kAboutPictureId, "BITMAP", art::AboutPictureFileName(percent));
        for (int id : art::IconIds())
            expect(id, "ICON", art::IconFileName(id, percent));
    }
    int listed = 0;
    for (size_t at = script.find(" \"art/"); at != std::string::npos; at = script.find(" \"art/", at + 1))
        ++listed;
    EXPECT_EQ(lines, listed);
    EXPECT_EQ(std::string::npos, script.find("face_1066.bmp"));
}

// Every picture at every scale: 100 % sizes times the scale, rounded.
struct ScaledSizes {
    int percent;
    int face;
    int dateWidth;
    int dateHeight;
    int about;
    std::vector<int> icons;
};

const ScaledSizes kScaledSizes[] = {
    {100, 100, 18, 14, 128, {16, 32, 48}},
    {125, 125, 23, 18, 160, {20, 40, 60}},
    {150, 150, 27, 21, 192, {24, 48, 72}},
    {200, 200, 36, 28, 256, {32, 64, 96}},
};

TEST_F(ArtTest, FacesAre100By100TimesTheScale)
{
    for (const ScaledSizes& scale : kScaledSizes) {
        for (int id : art::FaceIds()) {
            const art::RgbImage img = LoadBmp(art::FaceFileName(id, scale.percent));
            EXPECT_EQ(img.width, scale.face) << id << " at " << scale.percent;
            EXPECT_EQ(img.height, scale.face) << id << " at " << scale.percent;
        }
    }
    EXPECT_EQ(art::FaceIds(), (std::vector<int>{1066, 1078, 1081, 1088, 1089}));
}

TEST_F(ArtTest, DateWindowsAre18By14TimesTheScale)
{
    for (const ScaledSizes& scale : kScaledSizes) {
        for (int id : art::DateWindowIds()) {
            const art::RgbImage img = LoadBmp(art::DateWindowFileName(id, scale.percent));
            EXPECT_EQ(img.width, scale.dateWidth) << id << " at " << scale.percent;
            EXPECT_EQ(img.height, scale.dateHeight) << id << " at " << scale.percent;
            // Opaque everywhere: the clock copies it without a key colour.
            for (int y = 0; y < img.height; ++y)
                for (int x = 0; x < img.width; ++x)
                    EXPECT_FALSE(IsMagenta(PixelAt(img, x, y))) << id;
            // The frame's colour runs round the edge, the panel fills the middle.
            const Rgb8 frame = PixelAt(img, 0, 0), middle = PixelAt(img, img.width / 2, img.height / 2);
            EXPECT_LT(frame.r + frame.g + frame.b, middle.r + middle.g + middle.b) << id;
            const Rgb8 otherCorner = PixelAt(img, img.width - 1, img.height - 1);
            EXPECT_EQ(frame.r, otherCorner.r) << id;
        }
    }
    EXPECT_EQ(art::DateWindowIds(), (std::vector<int>{1067, 1080, 1082}));
}

TEST_F(ArtTest, FaceCornersAreKeyAndCentreIsNot)
{
    for (const ScaledSizes& scale : kScaledSizes) {
        for (int id : art::FaceIds()) {
            const art::RgbImage img = LoadBmp(art::FaceFileName(id, scale.percent));
            const int n = scale.face;
            ASSERT_EQ(img.width, n);
            ASSERT_EQ(img.height, n);
            EXPECT_TRUE(IsMagenta(PixelAt(img, 0, 0))) << id;
            EXPECT_TRUE(IsMagenta(PixelAt(img, n - 1, 0))) << id;
            EXPECT_TRUE(IsMagenta(PixelAt(img, 0, n - 1))) << id;
            EXPECT_TRUE(IsMagenta(PixelAt(img, n - 1, n - 1))) << id;
            // The centre cap is dark, where the clock turns its hands.
            const Rgb8 cap = PixelAt(img, n / 2, n / 2);
            EXPECT_FALSE(IsMagenta(cap)) << id;
            EXPECT_LT(cap.r + cap.g + cap.b, 3 * 100) << id << " at " << scale.percent;
        }
    }
}

TEST_F(ArtTest, FacesHaveNoKeyColouredFringe)
{
    for (const ScaledSizes& scale : kScaledSizes) {
        for (int id : art::FaceIds()) {
            const art::RgbImage img = LoadBmp(art::FaceFileName(id, scale.percent));
            ASSERT_EQ(img.width, scale.face);
            int bad = 0;
            for (int y = 0; y < img.height; ++y)
                for (int x = 0; x < img.width; ++x) {
                    const Rgb8 p = PixelAt(img, x, y);
                    if (!IsMagenta(p) && DistanceSquaredToMagenta(p) <= 60 * 60)
                        ++bad;
                }
            EXPECT_EQ(bad, 0) << id << " at " << scale.percent;
        }
    }
}

TEST_F(ArtTest, FaceDialIsSolidAndDateAreaIsClean)
{
    for (const ScaledSizes& scale : kScaledSizes) {
        const int p = scale.percent;
        const int centre = scale.face / 2;
        const int solid = ScaleForPercent(47, p);
        for (int id : art::FaceIds()) {
            const art::RgbImage img = LoadBmp(art::FaceFileName(id, p));
            ASSERT_EQ(img.width, scale.face);
            // No hole of key colour anywhere inside the dial.
            for (int y = 0; y < img.height; ++y)
                for (int x = 0; x < img.width; ++x) {
                    const int dx = x - centre, dy = y - centre;
                    if (dx * dx + dy * dy <= solid * solid) {
                        EXPECT_FALSE(IsMagenta(PixelAt(img, x, y))) << id << " " << x << "," << y;
                    }
                }
            // The date window's place is light.
            for (int y = ScaleForPercent(42, p); y <= ScaleForPercent(56, p); ++y)
                for (int x = ScaleForPercent(67, p); x <= ScaleForPercent(85, p); ++x) {
                    const Rgb8 px = PixelAt(img, x, y);
                    EXPECT_GT(px.r + px.g + px.b, 3 * 150) << id << " at " << p << " " << x << "," << y;
                }
        }
    }
}

// The About box is white and shows the picture as it is: no key colour, an
// untouched white border, and a real picture inside it.
TEST_F(ArtTest, AboutPictureIsOpaqueOnWhite)
{
    EXPECT_EQ(art::AboutPictureFileName(), "about_1072.bmp");
    for (const ScaledSizes& scale : kScaledSizes) {
        const int p = scale.percent, n = scale.about;
        const art::RgbImage img = LoadBmp(art::AboutPictureFileName(p));
        ASSERT_EQ(img.width, n);
        ASSERT_EQ(img.height, n);
        const std::vector<uint8_t> b = ReadAll(s_dir / art::AboutPictureFileName(p));
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(U16(b, 28), 24u);
        const auto isWhite = [](const Rgb8& px) { return px.r == 255 && px.g == 255 && px.b == 255; };
        EXPECT_TRUE(isWhite(PixelAt(img, 0, 0)));
        EXPECT_TRUE(isWhite(PixelAt(img, n - 1, 0)));
        EXPECT_TRUE(isWhite(PixelAt(img, 0, n - 1)));
        EXPECT_TRUE(isWhite(PixelAt(img, n - 1, n - 1)));
        int drawn = 0, magenta = 0;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) {
                const Rgb8 px = PixelAt(img, x, y);
                if (!isWhite(px))
                    ++drawn;
                if (IsMagenta(px))
                    ++magenta;
            }
        EXPECT_EQ(magenta, 0);
        const int area = img.width * img.height;
        EXPECT_GE(drawn * 100, area * 20) << p;
        EXPECT_LE(drawn * 100, area * 80) << p;
        // The clock's red centre, and the file holds exactly what is drawn.
        const Rgb8 centre = PixelAt(img, ScaleForPercent(45, p), ScaleForPercent(81, p));
        EXPECT_GT(centre.r, 180) << p;
        EXPECT_LT(centre.g, 90) << p;
        EXPECT_EQ(art::MakeAboutPicture(p).rgb, img.rgb);
    }
}

TEST_F(ArtTest, IconHasThreeImages)
{
    for (const ScaledSizes& scale : kScaledSizes)
    for (int id : art::IconIds()) {
        const std::vector<uint8_t> b = ReadAll(s_dir / art::IconFileName(id, scale.percent));
        ASSERT_GE(b.size(), 6u);
        EXPECT_EQ(U16(b, 0), 0u);
        EXPECT_EQ(U16(b, 2), 1u);
        ASSERT_EQ(U16(b, 4), 3u);
        const std::vector<int>& sizes = scale.icons;
        EXPECT_EQ(sizes, art::IconSizes(scale.percent));
        for (int i = 0; i < 3; ++i) {
            const size_t e = 6 + 16 * i;
            ASSERT_GE(b.size(), e + 16);
            EXPECT_EQ(b[e], sizes[static_cast<size_t>(i)]);
            EXPECT_EQ(b[e + 1], sizes[static_cast<size_t>(i)]);
            EXPECT_EQ(U16(b, e + 4), 1u);   // planes
            EXPECT_EQ(U16(b, e + 6), 32u);  // bits per pixel
            const uint32_t bytes = U32(b, e + 8), offset = U32(b, e + 12);
            const uint32_t n = static_cast<uint32_t>(sizes[static_cast<size_t>(i)]);
            const uint32_t maskStride = ((n + 31) / 32) * 4;
            EXPECT_EQ(bytes, 40 + n * n * 4 + maskStride * n);
            ASSERT_LE(static_cast<size_t>(offset) + bytes, b.size());
            EXPECT_EQ(U32(b, offset), 40u);           // biSize
            EXPECT_EQ(U32(b, offset + 4), n);         // biWidth
            EXPECT_EQ(U32(b, offset + 8), 2 * n);     // biHeight: colour + mask
            EXPECT_EQ(U16(b, offset + 12), 1u);       // biPlanes
            EXPECT_EQ(U16(b, offset + 14), 32u);      // biBitCount
            EXPECT_EQ(U32(b, offset + 16), 0u);       // BI_RGB
            // Mask bit set exactly where alpha is 0, and the corner is
            // transparent.
            const size_t pixels = offset + 40;
            const size_t mask = pixels + n * n * 4;
            const uint8_t cornerAlpha = b[pixels + 3];
            EXPECT_EQ(cornerAlpha, 0) << id;
            for (uint32_t y = 0; y < n; ++y)
                for (uint32_t x = 0; x < n; ++x) {
                    const bool clear = b[pixels + (y * n + x) * 4 + 3] == 0;
                    const bool maskBit = (b[mask + y * maskStride + x / 8] & (0x80 >> (x % 8))) != 0;
                    EXPECT_EQ(clear, maskBit) << id << " " << n << " " << x << "," << y;
                }
            // The application icon's dial covers the centre.
            if (id == 128) {
                const uint32_t mid = n / 2;
                EXPECT_EQ(b[pixels + (mid * n + mid) * 4 + 3], 255);
            }
        }
    }
}

TEST_F(ArtTest, IconIds)
{
    EXPECT_EQ(art::IconIds(), (std::vector<int>{128, 1010, 1011, 1019, 1026, 1027, 1028, 1029,
                                                1031, 1032, 1034, 1048, 1049, 1051, 1052, 1065,
                                                1071}));
    EXPECT_TRUE(art::MakeIconImage(999, 16).rgba.empty());
    EXPECT_TRUE(art::MakeIconFile(999).empty());
}

// Menus and buttons show the icons at 16 x 16 and at that size times the
// display scale, so every icon needs a real body at every size, not a faint smudge, on a transparent background. At
// 16 x 16 the edges must mostly fall on pixel edges: a picture made largely
// of half-covered pixels (say, drawn half a pixel off the grid) looks blurred.
TEST_F(ArtTest, IconsHaveSolidCrispPictures)
{
    for (int id : art::IconIds()) {
        for (int percent : kArtScales)
        for (int size : art::IconSizes(percent)) {
            const art::RgbaImage img = art::MakeIconImage(id, size);
            ASSERT_EQ(img.width, size) << id;
            ASSERT_EQ(img.height, size) << id;
            ASSERT_EQ(img.rgba.size(), static_cast<size_t>(size) * size * 4) << id;
            int opaque = 0, partial = 0, alpha = 0;
            for (size_t i = 3; i < img.rgba.size(); i += 4) {
                alpha += img.rgba[i];
                if (img.rgba[i] == 255)
                    ++opaque;
                else if (img.rgba[i] != 0)
                    ++partial;
            }
            const int area = size * size;
            // Sizes off the 16-pixel grid (20, 24, 40...) spread edges over
            // partly covered pixels: there the body is the summed coverage.
            if (size % 16 == 0)
                EXPECT_GE(opaque * 100, area * 12) << id << " at " << size;
            else
                EXPECT_GE(alpha * 100, area * 255 * 12) << id << " at " << size;
            EXPECT_GT(area - opaque - partial, area / 10) << id << " at " << size;
            if (size == 16) {
                EXPECT_LE(partial * 100, (opaque + partial) * 60) << id;
            }
        }
    }
}

TEST_F(ArtTest, OutputIsDeterministic)
{
    const std::vector<art::ArtFile> a = art::BuildAllArt();
    const std::vector<art::ArtFile> b = art::BuildAllArt();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].name, b[i].name);
        EXPECT_TRUE(a[i].bytes == b[i].bytes) << a[i].name;
        EXPECT_TRUE(ReadAll(s_dir / a[i].name) == a[i].bytes) << a[i].name;
    }
}

TEST_F(ArtTest, MatchesCommittedArt)
{
    const char* dir = std::getenv("TALLVOX_ART_DIR");
    if (!dir || !*dir)
        GTEST_SKIP() << "TALLVOX_ART_DIR not set";
    for (const art::ArtFile& f : art::BuildAllArt()) {
        const fs::path committed = fs::path(dir) / f.name;
        ASSERT_TRUE(fs::is_regular_file(committed)) << committed.string();
        EXPECT_TRUE(ReadAll(committed) == f.bytes)
            << f.name << " differs from " << committed.string()
            << "; rebuild it with make_art";
    }
}

TEST(BmpRoundTrip, OddWidthIsPaddedAndReadBack)
{
    art::RgbImage img;
    img.width = 3;
    img.height = 2;
    img.rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const std::vector<uint8_t> b = art::EncodeBmp24(img);
    ASSERT_EQ(b.size(), 54u + 12u * 2);
    // Bottom row first, BGR, padded to 12 bytes.
    EXPECT_EQ(b[54], 12);
    EXPECT_EQ(b[55], 11);
    EXPECT_EQ(b[56], 10);
    EXPECT_EQ(b[63], 0);
    EXPECT_EQ(b[64], 0);
    EXPECT_EQ(b[65], 0);
    EXPECT_EQ(b[66], 3);
    art::RgbImage back;
    ASSERT_TRUE(art::DecodeBmp24(b, back));
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.rgb, img.rgb);
}

} // namespace
