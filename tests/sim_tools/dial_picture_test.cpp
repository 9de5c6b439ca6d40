// The dial tool: its pictures of every face of the shipped data folder have a needle on
// the tick of every printed mark, at the angle the tool lists; faces are named as the
// command line names them; the folder's own calibration moves the needles.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "hud/texture_catalogue.h"
#include "settings/extended_settings.h"
#include "skin/dial_scales.h"
#include "support/dial_probe.h"
#include "support/huge_png.h"
#include "support/temp_files.h"
#include "support/tool_process.h"
#include "tools/dial_picture.h"
#include "tools/plugin_folder.h"

namespace fs = std::filesystem;
namespace cat = velquist::catalogue;

namespace {

const fs::path shippedGame = fs::path(VELQUIST_SKIN_FOLDER).parent_path();

std::string slashes(std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool isGreenNeedle(int r, int g, int b) {
    return g > 160 && r < 90 && b < 90;
}
// The default faces' ticks are white or light grey on a dark dial.
bool isLightMark(int r, int g, int b) {
    return r > 150 && g > 150 && b > 150;
}

class DialPictures : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::usePluginFolder(shippedGame);
        velquist::readExtendedSettings();
    }
    cairo_surface_t* draw(const sim::DialChoice& dial, const std::vector<sim::DialNeedle>& needles,
                          const std::string& name) {
        const float green[3] = {0, 1, 0};
        const std::string file = (scratch.path() / name).string();
        std::string error;
        EXPECT_TRUE(sim::writeDialPicture(shippedGame, dial, needles, green, file, error)) << error;
        return cairo_image_surface_create_from_png(file.c_str());
    }
    void expectNeedlesOnTicks(const sim::DialChoice& dial) {
        const std::vector<sim::DialNeedle> needles = needlesFor(dial, defaultMarks(dial));
        cairo_surface_t* withNeedles = draw(dial, needles, "needles.png");
        cairo_surface_t* face = draw(dial, {}, "face.png");
        const int side = cairo_image_surface_get_width(face);
        const dial_probe::Point centre{side / 2.0, side / 2.0};
        // The needles turn inside the face; the labels stand beyond it.
        cairo_surface_t* faceImage = cairo_image_surface_create_from_png(
            (shippedGame / "Velquist" /
             (dial.rpm ? "Rpm/Rpm" + std::to_string(cat::rpmDialFullScale[dial.face]) + ".png"
                       : slashes(cat::velocityFaces[dial.face].file)))
                .c_str());
        const double faceRadius = cairo_image_surface_get_width(faceImage) / 2.0;
        cairo_surface_destroy(faceImage);
        for (const sim::DialNeedle& n : needles) {
            const std::string what = sim::dialTitle(dial) + " at " + std::to_string(n.mark);
            const double listed = n.turns - std::floor(n.turns);
            const dial_probe::Point tip =
                dial_probe::farthest(withNeedles, centre, isGreenNeedle, listed, 0.011, faceRadius);
            double off = std::fabs(dial_probe::turnsOf(centre, tip) - listed);
            off = std::min(off, 1 - off);
            EXPECT_LT(off * 360, 1.0) << what << ": the needle is not where the list says";
            EXPECT_TRUE(dial_probe::tipOnTick(face, centre, tip, isLightMark, what));
        }
        cairo_surface_destroy(withNeedles);
        cairo_surface_destroy(face);
    }

    temp_files::Folder scratch;
};

using DialPictureTest = DialPictures;

TEST_F(DialPictureTest, EveryVelocityFaceHasItsNeedleOnEachPrintedSpeed) {
    for (int face = 0; face < cat::velocityFaceCount; ++face)
        expectNeedlesOnTicks({false, face});
}

TEST_F(DialPictureTest, EveryRpmFaceHasItsNeedleOnEachPrintedThousand) {
    for (int face = 0; face < cat::rpmDialCount; ++face)
        expectNeedlesOnTicks({true, face});
}

TEST_F(DialPictureTest, MarksAreThePrintedNumbersAndTheCalibrationSpeeds) {
    // CarSlowMph prints 0 to 180; its calibration adds 90.
    const std::vector<double> marks = sim::defaultMarks({false, 5});
    const std::vector<double> expected = {0, 20, 40, 60, 80, 90, 100, 140, 180};
    EXPECT_EQ(marks, expected);
    const std::vector<double> rpm = sim::defaultMarks({true, 3});  // the 8 thousand face
    EXPECT_EQ(rpm, (std::vector<double>{0, 2, 4, 6, 8}));
}

TEST(DialChoiceTest, FacesAreNamedWithoutRegardToCase) {
    std::string error;
    auto d = sim::chooseDial("carfast", "KMH", error);
    ASSERT_TRUE(d);
    EXPECT_EQ(cat::velocityFaces[d->face].file, std::string("Velocity\\CarKmhFast.png"));
    d = sim::chooseDial("LinSlow", "knots", error);
    ASSERT_TRUE(d);
    EXPECT_EQ(cat::velocityFaces[d->face].file, std::string("Velocity\\LinKnoSlow.png"));
    d = sim::chooseDial("RPM", "12", error);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->rpm);
    EXPECT_EQ(cat::rpmDials[d->face], std::string("Rpm\\Rpm12.png"));
}

TEST(DialChoiceTest, FacesThatDoNotExistAreRefused) {
    std::string error;
    EXPECT_FALSE(sim::chooseDial("CarFast", "kno", error));
    EXPECT_NE(error.find("no face in kno"), std::string::npos);
    EXPECT_FALSE(sim::chooseDial("rpm", "7", error));
    EXPECT_FALSE(sim::chooseDial("Fast", "mph", error));
    EXPECT_FALSE(sim::chooseDial("Max", "mps", error));
}

TEST(DialCommandTest, TheFoldersCalibrationPlacesTheNeedles) {
    temp_files::Folder game;
    fs::copy(VELQUIST_SKIN_FOLDER, game.path() / "Velquist", fs::copy_options::recursive);
    temp_files::writeFile(game.path() / "Velquist" / "settingsExtended.ini",
                          "[CONSTANTS]\npicLinSlowMphDeg1=3600\npicLinSlowMphDeg2=3600\n");
    const std::string out = (game.path() / "dial.png").string();
    const tool_process::Result r =
        tool_process::run({"dial", "LinSlow", "mph", "--game", game.path().string(), "--out", out,
                           "--marks", "0,30,60"});
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(r.out, "0 mph: 247.50 degrees\n30 mph: 303.75 degrees\n60 mph: 360.00 degrees\n");
    EXPECT_TRUE(fs::exists(out));
}

TEST(DialCommandTest, BadWordsAndMissingImages) {
    temp_files::Folder game;
    fs::create_directories(game.path() / "Velquist");
    const std::string dir = game.path().string();
    EXPECT_EQ(tool_process::run({"dial", "Max"}).exitCode, 2);
    EXPECT_EQ(tool_process::run({"dial", "Max", "mph", "--marks", "1,x"}).exitCode, 2);
    EXPECT_EQ(tool_process::run({"dial", "Max", "mph", "--colour", "300,0,0"}).exitCode, 2);
    const tool_process::Result r =
        tool_process::run({"dial", "rpm", "8", "--game", dir, "--out", dir + "/x.png"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.errors.find("Rpm8.png"), std::string::npos) << r.errors;
    // A face far too large to decode is refused at once.
    fs::create_directories(game.path() / "Velquist" / "Rpm");
    huge_png::write(game.path() / "Velquist" / "Rpm" / "Rpm8.png", 20000, 20000);
    const tool_process::Result huge =
        tool_process::run({"dial", "rpm", "8", "--game", dir, "--out", dir + "/x.png"}, {}, 60);
    EXPECT_EQ(huge.exitCode, 1);  // -1 when it was stopped after 60 s
    EXPECT_NE(huge.errors.find("20000 x 20000 px is larger than 4096 px a side"), std::string::npos)
        << huge.errors;
    EXPECT_FALSE(fs::exists(dir + "/x.png"));
}

// One picture shows at most sixty needles; a longer list is a bad command line.
TEST(DialCommandTest, AtMostSixtyMarks) {
    temp_files::Folder out;
    auto marks = [](size_t n) {
        std::string list = "0";
        for (size_t i = 1; i < n; ++i)
            list += "," + std::to_string(i);
        return list;
    };
    const std::string file = (out.path() / "dial.png").string();
    tool_process::Result r = tool_process::run(
        {"dial", "Max", "mph", "--marks", marks(sim::dialMarksMax), "--out", file});
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(tool_process::lines(r.out).size(), sim::dialMarksMax);
    fs::remove(file);
    r = tool_process::run(
        {"dial", "Max", "mph", "--marks", marks(sim::dialMarksMax + 1), "--out", file});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.errors.find("--marks takes up to 60 numbers"), std::string::npos) << r.errors;
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
