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
    const std::vector<std::string> expected = {
        "face_1066.bmp", "face_1078.bmp", "face_1081.bmp", "face_1088.bmp", "face_1089.bmp",
        "date_1067.bmp", "date_1080.bmp", "date_1082.bmp", "icon_128.ico",
        "icon_1010.ico", "icon_1011.ico", "icon_1019.ico", "icon_1026.ico", "icon_1027.ico",
        "icon_1028.ico", "icon_1029.ico", "icon_1031.ico", "icon_1032.ico", "icon_1034.ico",
        "icon_1048.ico", "icon_1049.ico", "icon_1051.ico", "icon_1052.ico", "icon_1065.ico",
        "icon_1071.ico", "about_1072.bmp",
    };
    for (const std::string& name : expected)
        EXPECT_TRUE(fs::is_regular_file(s_dir / name)) << name;
    EXPECT_EQ(art::BuildAllArt().size(), expected.size());
}

TEST_F(ArtTest, BitmapHeadersAre24BitUncompressed)
{
    ASSERT_TRUE(s_written);
    for (const art::ArtFile& f : art::BuildAllArt()) {
        if (f.name.size() < 4 || f.name.substr(f.name.size() - 4) != ".bmp")
            continue;
        const std::vector<uint8_t> b = ReadAll(s_dir / f.name);
        ASSERT_GE(b.size(), 54u) << f.name;
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32(b, 2), b.size()) << f.name;   // bfSize
        EXPECT_EQ(U32(b, 10), 54u) << f.name;       // bfOffBits
        EXPECT_EQ(U32(b, 14), 40u) << f.name;       // biSize
        EXPECT_EQ(U16(b, 26), 1u) << f.name;        // biPlanes
        EXPECT_EQ(U16(b, 28), 24u) << f.name;       // biBitCount
        EXPECT_EQ(U32(b, 30), 0u) << f.name;        // BI_RGB
        const uint32_t w = U32(b, 18), h = U32(b, 22);
        EXPECT_EQ(b.size(), 54u + ((w * 3 + 3) & ~3u) * h) << f.name;
    }
}

TEST_F(ArtTest, FacesAre100By100)
{
    for (int id : art::FaceIds()) {
        const art::RgbImage img = LoadBmp(art::FaceFileName(id));
        EXPECT_EQ(img.width, 100) << id;
        EXPECT_EQ(img.height, 100) << id;
    }
    EXPECT_EQ(art::FaceIds(), (std::vector<int>{1066, 1078, 1081, 1088, 1089}));
}

TEST_F(ArtTest, DateWindowsAre18By14)
{
    for (int id : art::DateWindowIds()) {
        const art::RgbImage img = LoadBmp(art::DateWindowFileName(id));
        EXPECT_EQ(img.width, 18) << id;
        EXPECT_EQ(img.height, 14) << id;
        // Opaque everywhere: the clock copies it without a key colour.
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x)
                EXPECT_FALSE(IsMagenta(PixelAt(img, x, y))) << id;
    }
    EXPECT_EQ(art::DateWindowIds(), (std::vector<int>{1067, 1080, 1082}));
}

TEST_F(ArtTest, FaceCornersAreKeyAndCentreIsNot)
{
    for (int id : art::FaceIds()) {
        const art::RgbImage img = LoadBmp(art::FaceFileName(id));
        ASSERT_EQ(img.width, 100);
        ASSERT_EQ(img.height, 100);
        EXPECT_TRUE(IsMagenta(PixelAt(img, 0, 0))) << id;
        EXPECT_TRUE(IsMagenta(PixelAt(img, 99, 0))) << id;
        EXPECT_TRUE(IsMagenta(PixelAt(img, 0, 99))) << id;
        EXPECT_TRUE(IsMagenta(PixelAt(img, 99, 99))) << id;
        EXPECT_FALSE(IsMagenta(PixelAt(img, 50, 50))) << id;
        // The centre cap is dark.
        const Rgb8 cap = PixelAt(img, 50, 50);
        EXPECT_LT(cap.r + cap.g + cap.b, 3 * 100) << id;
    }
}

TEST_F(ArtTest, FacesHaveNoKeyColouredFringe)
{
    for (int id : art::FaceIds()) {
        const art::RgbImage img = LoadBmp(art::FaceFileName(id));
        ASSERT_EQ(img.width, 100);
        int bad = 0;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) {
                const Rgb8 p = PixelAt(img, x, y);
                if (!IsMagenta(p) && DistanceSquaredToMagenta(p) <= 60 * 60)
                    ++bad;
            }
        EXPECT_EQ(bad, 0) << id;
    }
}

TEST_F(ArtTest, FaceDialIsSolidAndDateAreaIsClean)
{
    for (int id : art::FaceIds()) {
        const art::RgbImage img = LoadBmp(art::FaceFileName(id));
        ASSERT_EQ(img.width, 100);
        // No hole of key colour anywhere inside the dial.
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const int dx = x - 50, dy = y - 50;
                if (dx * dx + dy * dy <= 47 * 47) {
                    EXPECT_FALSE(IsMagenta(PixelAt(img, x, y))) << id << " " << x << "," << y;
                }
            }
        // The date window's place is light.
        for (int y = 42; y <= 56; ++y)
            for (int x = 67; x <= 85; ++x) {
                const Rgb8 p = PixelAt(img, x, y);
                EXPECT_GT(p.r + p.g + p.b, 3 * 150) << id << " " << x << "," << y;
            }
    }
}

// The About box is white and shows the picture as it is: no key colour, an
// untouched white border, and a real picture inside it.
TEST_F(ArtTest, AboutPictureIsOpaqueOnWhite)
{
    EXPECT_EQ(art::AboutPictureFileName(), "about_1072.bmp");
    const art::RgbImage img = LoadBmp(art::AboutPictureFileName());
    ASSERT_EQ(img.width, 128);
    ASSERT_EQ(img.height, 128);
    const std::vector<uint8_t> b = ReadAll(s_dir / art::AboutPictureFileName());
    ASSERT_GE(b.size(), 54u);
    EXPECT_EQ(U16(b, 28), 24u);
    const auto isWhite = [](const Rgb8& p) { return p.r == 255 && p.g == 255 && p.b == 255; };
    EXPECT_TRUE(isWhite(PixelAt(img, 0, 0)));
    EXPECT_TRUE(isWhite(PixelAt(img, 127, 0)));
    EXPECT_TRUE(isWhite(PixelAt(img, 0, 127)));
    EXPECT_TRUE(isWhite(PixelAt(img, 127, 127)));
    int drawn = 0, magenta = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const Rgb8 p = PixelAt(img, x, y);
            if (!isWhite(p))
                ++drawn;
            if (IsMagenta(p))
                ++magenta;
        }
    EXPECT_EQ(magenta, 0);
    const int area = img.width * img.height;
    EXPECT_GE(drawn * 100, area * 20);
    EXPECT_LE(drawn * 100, area * 80);
    // The clock's red centre, and the file holds exactly what is drawn.
    const Rgb8 centre = PixelAt(img, 45, 81);
    EXPECT_GT(centre.r, 180);
    EXPECT_LT(centre.g, 90);
    EXPECT_EQ(art::MakeAboutPicture().rgb, img.rgb);
}

TEST_F(ArtTest, IconHasThreeImages)
{
    for (int id : art::IconIds()) {
        const std::vector<uint8_t> b = ReadAll(s_dir / art::IconFileName(id));
        ASSERT_GE(b.size(), 6u);
        EXPECT_EQ(U16(b, 0), 0u);
        EXPECT_EQ(U16(b, 2), 1u);
        ASSERT_EQ(U16(b, 4), 3u);
        const int sizes[] = {16, 32, 48};
        for (int i = 0; i < 3; ++i) {
            const size_t e = 6 + 16 * i;
            ASSERT_GE(b.size(), e + 16);
            EXPECT_EQ(b[e], sizes[i]);
            EXPECT_EQ(b[e + 1], sizes[i]);
            EXPECT_EQ(U16(b, e + 4), 1u);   // planes
            EXPECT_EQ(U16(b, e + 6), 32u);  // bits per pixel
            const uint32_t bytes = U32(b, e + 8), offset = U32(b, e + 12);
            const uint32_t n = static_cast<uint32_t>(sizes[i]);
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

// Menus and buttons show the icons at 16 x 16, so every icon needs a real
// body at every size, not a faint smudge, on a transparent background. At
// 16 x 16 the edges must mostly fall on pixel edges: a picture made largely
// of half-covered pixels (say, drawn half a pixel off the grid) looks blurred.
TEST_F(ArtTest, IconsHaveSolidCrispPictures)
{
    for (int id : art::IconIds()) {
        for (int size : art::IconSizes()) {
            const art::RgbaImage img = art::MakeIconImage(id, size);
            ASSERT_EQ(img.width, size) << id;
            ASSERT_EQ(img.height, size) << id;
            ASSERT_EQ(img.rgba.size(), static_cast<size_t>(size) * size * 4) << id;
            int opaque = 0, partial = 0;
            for (size_t i = 3; i < img.rgba.size(); i += 4) {
                if (img.rgba[i] == 255)
                    ++opaque;
                else if (img.rgba[i] != 0)
                    ++partial;
            }
            const int area = size * size;
            EXPECT_GE(opaque * 100, area * 12) << id << " at " << size;
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
