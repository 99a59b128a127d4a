#include <gtest/gtest.h>

#include <sstream>

#include "doubles/test_program.h"
#include "faces/face.h"

namespace {

using tint::faces::Face;
using tint::faces::Program;
using tint::testing::FakeWindowSystem;
using tint::testing::RecordingWinApi;
using tint::testing::TestProgram;
namespace themes = tint::themes;
using themes::FaceId;

class Pictures : public ::testing::Test, protected TestProgram {
protected:

    // The blue channel of each gradient band, in painting order.
    std::vector<int> BandBlues() const {
        std::vector<int> blues;
        for (const std::string& line : system.log) {
            if (line.rfind("FillBox", 0) != 0) continue;
            std::istringstream in(line.substr(8));
            long long x1, y1, x2, y2, colour;
            in >> x1 >> y1 >> x2 >> y2 >> colour;
            blues.push_back(static_cast<int>((colour >> 16) & 0xFF));
        }
        return blues;
    }

    Face& LoadWithBodyHeight(FaceId id, int innerHeight) {
        Face& face = program.Get(id);
        face.picBody.Design().rect.height = innerHeight + 2;
        face.Load();
        return face;
    }

};

TEST_F(Pictures, GradientOfTwentyPixelsRoundsHalvesToEvenAndRaisesBelowZero) {
    Face& face = LoadWithBodyHeight(FaceId::Startup, 20);
    EXPECT_EQ(BandBlues(), (std::vector<int>{255, 166, 76, 0}));
    // Red and green come from the theme; each band is 7 rows over the full width.
    const auto& pixels = system.windows.at(face.picBody.hWnd()).image;
    EXPECT_EQ(pixels.At(0, 0), forms::RGB(255, 150, 255));
    EXPECT_EQ(pixels.At(600, 13), forms::RGB(255, 150, 166));
    EXPECT_EQ(pixels.At(300, 19), forms::RGB(255, 150, 76));  // the last band, y 21, lies below the area
}

TEST_F(Pictures, GradientOfTheDesignHeightHasEightyBands) {
    LoadWithBodyHeight(FaceId::Startup, 555);
    std::vector<int> blues = BandBlues();
    ASSERT_EQ(blues.size(), 80u);
    EXPECT_EQ(blues.front(), 255);
    EXPECT_EQ(blues[1], 252);
    EXPECT_EQ(blues[2], 249);
    EXPECT_EQ(blues.back(), 1);
}

TEST_F(Pictures, GradientFromAStartOf200) {
    LoadWithBodyHeight(FaceId::Second, 555);
    std::vector<int> blues = BandBlues();
    ASSERT_EQ(blues.size(), 80u);
    EXPECT_EQ(blues.front(), 200);
    EXPECT_EQ(blues.back(), 1);
    EXPECT_TRUE(std::is_sorted(blues.rbegin(), blues.rend()));
}

TEST_F(Pictures, GradientBecomesThePictureAndSlotZero) {
    Face& face = program.frmFancyfrm();
    face.Load();
    EXPECT_EQ(face.sourcePictures[0].Handle(), face.picBody.Picture().Handle());
    EXPECT_EQ(face.sourcePictures[0].Type(), forms::Picture::kBitmap);
    EXPECT_EQ(face.sourcePictures[0].Height(), 557);
    // Slot 0 holds that bitmap; slot 1 the logo as loaded.
    auto selects = api.CallsStartingWith("SelectObject");
    ASSERT_EQ(selects.size(), 2u);
    EXPECT_EQ(selects[0], "SelectObject " + std::to_string(face.memDC[0]) + " " + std::to_string(face.sourcePictures[0].Handle()));
    EXPECT_EQ(selects[1], "SelectObject " + std::to_string(face.memDC[1]) + " " + std::to_string(system.pictures[L"logo"].Handle()));
    EXPECT_EQ(face.picturesReady, forms::True);
}

TEST_F(Pictures, PreparingASlotMakesFourCallsAndKeepsTheirResults) {
    Face& face = program.frmFancyfrm();
    face.Load();
    api.calls.clear();
    forms::Picture bitmap = system.MakeBitmap(4, 4, [](int, int) { return 0u; });
    EXPECT_TRUE(face.PreparePictureDC(bitmap, 1));
    ASSERT_EQ(api.calls.size(), 4u);
    EXPECT_EQ(api.calls[0], "CreateHalftonePalette 0");
    EXPECT_EQ(api.calls[1], "CreateCompatibleDC 0");
    EXPECT_EQ(api.calls[2], "SelectPalette " + std::to_string(face.memDC[1]) + " " + std::to_string(face.halftonePalette[1]) + " true");
    EXPECT_EQ(api.calls[3], "SelectObject " + std::to_string(face.memDC[1]) + " " + std::to_string(bitmap.Handle()));
    EXPECT_NE(face.oldPalette[1], 0);
    EXPECT_NE(face.oldBitmap[1], 0);
}

TEST_F(Pictures, NoBitmapOrNoSuchSlotPreparesNothing) {
    Face& face = program.frmFancyfrm();
    face.Load();
    api.calls.clear();
    const auto before = face.memDC;
    EXPECT_FALSE(face.PreparePictureDC(system.MakeIcon(32, 32), 0));
    EXPECT_FALSE(face.PreparePictureDC(forms::Picture(), 1));
    EXPECT_FALSE(face.PreparePictureDC(system.MakeBitmap(1, 1, [](int, int) { return 0u; }), 2));
    EXPECT_TRUE(api.calls.empty());
    EXPECT_EQ(face.memDC, before);
}

TEST_F(Pictures, ShadingTableBrightThenDarkFromTheBrightCopy) {
    const int channels[] = {0, 5, 15, 100, 195, 196, 255};
    const int bright[] = {0, 6, 19, 130, 253, 255, 255};
    const int dark[] = {0, 2, 8, 52, 101, 102, 102};
    // One channel value per column, in all three channels at once, and in
    // red alone lower down so a swapped channel would show.
    system.pictures[L"logo"] = system.MakeBitmap(32, 32, [&](int x, int y) {
        unsigned c = static_cast<unsigned>(channels[x % 7]);
        return y < 16 ? forms::Colour(c | (c << 8) | (c << 16)) : forms::Colour(c);
    });
    Face& face = program.frmFancyfrm();
    face.Load();
    const auto& brightImage = system.windows.at(face.picLogo(1).hWnd()).image;
    const auto& darkImage = system.windows.at(face.picLogo(0).hWnd()).image;
    for (int i = 0; i < 7; ++i) {
        unsigned b = static_cast<unsigned>(bright[i]);
        unsigned d = static_cast<unsigned>(dark[i]);
        EXPECT_EQ(brightImage.At(i, 3), b | (b << 8) | (b << 16)) << channels[i];
        EXPECT_EQ(darkImage.At(i, 3), d | (d << 8) | (d << 16)) << channels[i];
        EXPECT_EQ(darkImage.At(i, 20), d) << channels[i];
    }
    // Both copies are their boxes' pictures; one yield per column per pass.
    EXPECT_EQ(face.picLogo(1).Picture().Type(), forms::Picture::kBitmap);
    EXPECT_NE(face.picLogo(0).Picture().Handle(), system.pictures[L"logo"].Handle());
    EXPECT_EQ(system.doEventsCalls, 64);
}

TEST_F(Pictures, FactorOfExactlyOneLeavesTheDestinationUntouched) {
    Face& face = program.frmFancyfrm();
    face.Load();
    const forms::Picture before = face.picLogo(1).Picture();
    const auto pixels = system.windows.at(face.picLogo(1).hWnd()).image.pixels;
    const int yields = system.doEventsCalls;
    face.ShadePicture(face.picLogo(0), face.picLogo(1), 1.0f);
    EXPECT_EQ(face.picLogo(1).Picture().Handle(), before.Handle());
    EXPECT_EQ(system.windows.at(face.picLogo(1).hWnd()).image.pixels, pixels);
    EXPECT_EQ(system.doEventsCalls, yields);
}

TEST_F(Pictures, LogoThatIsNoBitmapLeavesTheFaceNotReadyWithSlotZeroAndTheBrightCopy) {
    forms::Picture icon = system.MakeIcon(32, 32);
    system.pictures[L"logo"] = icon;
    Face& face = program.frmFancyfrm();
    face.Load();
    EXPECT_EQ(face.picturesReady, forms::False);
    EXPECT_NE(face.memDC[0], 0);
    EXPECT_EQ(face.memDC[1], 0);
    EXPECT_EQ(face.sourcePictures[1].Handle(), icon.Handle());
    EXPECT_EQ(face.picLogo(1).Picture().Type(), forms::Picture::kBitmap);  // the bright copy
    EXPECT_EQ(face.picLogo(0).Picture().Handle(), icon.Handle());          // no dark copy
    EXPECT_EQ(system.doEventsCalls, 32);
}

TEST_F(Pictures, ReadyFaceAppliesItsThemeAtItsFirstActivation) {
    program.Run();
    EXPECT_TRUE(system.messageBoxes.empty());
    EXPECT_EQ(api.sysColours[7], 0x006E6432u);
    EXPECT_EQ(api.sysColours[3], 0x0000FFFFu);
    EXPECT_TRUE(program.frmFancyfrm().Timer2.Enabled());
}

}  // namespace
