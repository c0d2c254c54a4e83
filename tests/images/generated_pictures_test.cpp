#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

struct ExpectedPicture {
    std::string name;
    bool bitmap; // a BMP in images/, else a PNG in icons/
    int width;
    int height;
    // What the bitmap's edge must show to blend into where it is drawn.
    std::optional<QRgb> background;
};

void PrintTo(const ExpectedPicture& picture, std::ostream* out) {
    *out << picture.name;
}

constexpr QRgb kDialogGrey = qRgb(240, 240, 240);
constexpr QRgb kTableRow = qRgb(255, 255, 200);

std::vector<ExpectedPicture> bitmaps() {
    std::vector<ExpectedPicture> list = {
        // The board draws the logo at 196 x 50 and printed pages copy its top-left 200 x 50.
        {"logo.bmp", true, 200, 50, std::nullopt},
        {"drapeauArrivee.bmp", true, 24, 24, std::nullopt},
        {"voyantVert.bmp", true, 24, 24, kDialogGrey},
        {"voyantRouge.bmp", true, 24, 24, kDialogGrey},
        {"FlecheHaut.bmp", true, 16, 16, kTableRow},
        {"FlecheBas.bmp", true, 16, 16, kTableRow},
        {"impression.bmp", true, 32, 32, kDialogGrey},
    };
    for (int step = 1; step <= 4; ++step)
        list.push_back(
            {"voyantScanPuce" + std::to_string(step) + ".bmp", true, 24, 24, kDialogGrey});
    return list;
}

std::vector<ExpectedPicture> icons() {
    std::vector<ExpectedPicture> list = {{"racedesk.png", false, 64, 64, std::nullopt}};
    for (const int side : {48, 128, 256})
        list.push_back(
            {"racedesk-" + std::to_string(side) + ".png", false, side, side, std::nullopt});
    for (const char* name : {"start", "stop", "clear", "results", "print", "new_race", "save",
                             "quit", "circuits", "clubs", "drivers", "frequencies", "transponders",
                             "planning", "sounds", "display", "interface", "checked"})
        list.push_back({std::string(name) + ".png", false, 32, 32, std::nullopt});
    for (const char* name : {"folder", "track", "participants", "parameters", "composition",
                             "category", "heat_empty", "classification", "heat_done", "trophy"})
        list.push_back({"tree_" + std::string(name) + ".png", false, 16, 16, std::nullopt});
    return list;
}

std::vector<ExpectedPicture> allPictures() {
    std::vector<ExpectedPicture> all = bitmaps();
    const std::vector<ExpectedPicture> more = icons();
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

std::string pathOf(const ExpectedPicture& picture) {
    return std::string(picture.bitmap ? RACEDESK_IMAGES_DIR : RACEDESK_ICONS_DIR) + "/" +
           picture.name;
}

QImage load(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32);
}

std::set<QRgb> coloursOf(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours;
}

std::uint32_t littleEndian(const std::vector<unsigned char>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + std::size_t(i)];
    return value;
}

class GeneratedPicture : public ::testing::TestWithParam<ExpectedPicture> {};

TEST_P(GeneratedPicture, loadsAtItsSizeWithRealContent) {
    const ExpectedPicture& expected = GetParam();
    const std::string path = pathOf(expected);
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    const QImage image = load(path);
    ASSERT_FALSE(image.isNull()) << path << " does not load";
    EXPECT_EQ(image.width(), expected.width);
    EXPECT_EQ(image.height(), expected.height);
    // A drawing has shapes, edges and shading; a flat or two-tone picture is no drawing.
    EXPECT_GE(coloursOf(image).size(), 4u);
}

TEST_P(GeneratedPicture, hasTheFormatItsReadersExpect) {
    const ExpectedPicture& expected = GetParam();
    std::ifstream in(pathOf(expected), std::ios::binary);
    std::vector<unsigned char> header(54);
    in.read(reinterpret_cast<char*>(header.data()), std::streamsize(header.size()));
    ASSERT_TRUE(in) << "file shorter than any image header";
    if (expected.bitmap) {
        ASSERT_EQ(header[0], 'B');
        ASSERT_EQ(header[1], 'M');
        EXPECT_EQ(littleEndian(header, 18, 4), std::uint32_t(expected.width));
        EXPECT_EQ(littleEndian(header, 22, 4), std::uint32_t(expected.height)); // bottom-up
        EXPECT_EQ(littleEndian(header, 28, 2), 24u) << "bits per pixel";
        EXPECT_EQ(littleEndian(header, 30, 4), 0u) << "compression";
    } else {
        const std::array<unsigned char, 8> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        EXPECT_TRUE(std::equal(png.begin(), png.end(), header.begin()));
        const QImage image = load(pathOf(expected));
        ASSERT_TRUE(image.hasAlphaChannel());
        const std::set<QRgb> colours = coloursOf(image);
        EXPECT_TRUE(std::any_of(colours.begin(), colours.end(), [](QRgb c) {
            return qAlpha(c) == 0;
        })) << "an icon is drawn on a transparent ground";
        EXPECT_TRUE(std::any_of(colours.begin(), colours.end(), [](QRgb c) {
            return qAlpha(c) == 255;
        })) << "an icon has solid parts";
    }
}

std::string testName(const ::testing::TestParamInfo<ExpectedPicture>& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '.', '_');
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(All, GeneratedPicture, ::testing::ValuesIn(allPictures()), testName);

std::vector<ExpectedPicture> bitmapsOnABackground() {
    std::vector<ExpectedPicture> list = bitmaps();
    std::erase_if(list, [](const ExpectedPicture& picture) { return !picture.background; });
    return list;
}

class BitmapOnBackground : public ::testing::TestWithParam<ExpectedPicture> {};

TEST_P(BitmapOnBackground, edgesBlendIntoTheBackgroundItIsDrawnOn) {
    const ExpectedPicture& expected = GetParam();
    const QImage image = load(pathOf(expected));
    ASSERT_FALSE(image.isNull());
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
        EXPECT_EQ(QColor(image.pixel(x, y)), QColor(*expected.background))
            << "corner " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, BitmapOnBackground, ::testing::ValuesIn(bitmapsOnABackground()),
                         testName);

// Share of pixels whose colour (alpha included) differs by more than a quarter of full scale
// in some channel.
double differingShare(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int most =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            differing += most > 64 ? 1 : 0;
        }
    }
    return double(differing) / (a.width() * a.height());
}

QImage icon(const char* name) {
    return load(std::string(RACEDESK_ICONS_DIR) + "/" + name);
}

QImage bitmap(const char* name) {
    return load(std::string(RACEDESK_IMAGES_DIR) + "/" + name);
}

// How much darker than white the picture is on average, opaque parts only, 0 to 255.
double inkOf(const QImage& image) {
    double ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ink += (255 - qGray(p)) * qAlpha(p) / 255.0;
        }
    }
    return ink / (image.width() * image.height());
}

TEST(TreeHeatIcons, heatWithResultsStandsOutFromEmptyHeat) {
    const QImage empty = icon("tree_heat_empty.png");
    const QImage done = icon("tree_heat_done.png");
    ASSERT_FALSE(empty.isNull());
    ASSERT_FALSE(done.isNull());
    ASSERT_EQ(empty.size(), done.size());
    // A director scanning the tree must see the difference: a large part of the icon changes,
    // and the stored heat is clearly the heavier, darker mark.
    EXPECT_GT(differingShare(empty, done), 0.2);
    EXPECT_GT(inkOf(done), 2 * inkOf(empty));
}

TEST(IndicatorLights, connectedIsGreenAndNotConnectedIsRed) {
    const QImage green = bitmap("voyantVert.bmp");
    const QImage red = bitmap("voyantRouge.bmp");
    ASSERT_FALSE(green.isNull());
    ASSERT_FALSE(red.isNull());
    const QColor greenCentre = green.pixelColor(12, 13);
    const QColor redCentre = red.pixelColor(12, 13);
    EXPECT_GT(greenCentre.green(), greenCentre.red() + 60);
    EXPECT_GT(greenCentre.green(), greenCentre.blue() + 60);
    EXPECT_GT(redCentre.red(), redCentre.green() + 60);
    EXPECT_GT(redCentre.red(), redCentre.blue() + 60);
}

TEST(ScanLight, everyStepOfTheAnimationIsADifferentPicture) {
    std::vector<QImage> steps;
    for (int step = 1; step <= 4; ++step) {
        const std::string name = "voyantScanPuce" + std::to_string(step) + ".bmp";
        steps.push_back(bitmap(name.c_str()));
        ASSERT_FALSE(steps.back().isNull()) << name;
    }
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_GT(differingShare(steps[i - 1], steps[i]), 0.03) << "step " << i + 1;
}

// The row where the arrow is widest: the base of its head, on the side it points to.
int widestRow(const QImage& arrow) {
    const QRgb ground = arrow.pixel(0, 0);
    int widest = -1;
    int best = 0;
    for (int y = 0; y < arrow.height(); ++y) {
        int width = 0;
        for (int x = 0; x < arrow.width(); ++x)
            width += qGray(ground) - qGray(arrow.pixel(x, y)) > 100 ? 1 : 0;
        if (width > best) {
            best = width;
            widest = y;
        }
    }
    return widest;
}

TEST(Arrows, upPointsUpAndDownPointsDown) {
    const QImage up = bitmap("FlecheHaut.bmp");
    const QImage down = bitmap("FlecheBas.bmp");
    ASSERT_FALSE(up.isNull());
    ASSERT_FALSE(down.isNull());
    const int middle = up.height() / 2;
    const int upRow = widestRow(up);
    const int downRow = widestRow(down);
    ASSERT_GE(upRow, 0) << "no arrow drawn";
    ASSERT_GE(downRow, 0) << "no arrow drawn";
    EXPECT_LT(upRow, middle);
    EXPECT_GE(downRow, middle);
}

} // namespace
