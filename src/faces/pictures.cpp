// The background gradient, the two picture slots and the shaded logo copies.
#include "faces/face.h"

#include <cstdlib>

namespace tint::faces {

using forms::False;

void Face::GradientStep() {
    const int red = profile_.gradientRed;
    const int green = profile_.gradientGreen;
    float blue = profile_.gradientStart;
    // Single precision, as the bands' colours depend on its rounding.
    const float step = static_cast<float>(7 * (0 - profile_.gradientStart)) / static_cast<float>(picBody.ScaleHeight());
    const float bound = static_cast<float>(picBody.ScaleHeight()) + 1.0f;
    for (int y = 0; y <= bound; y += 7) {
        if (blue < 0) blue = 0;
        picBody.LineFilledBox(0, y, picBody.ScaleWidth(), y + 7, forms::RGB(red, green, forms::CInt(blue)));
        blue = blue + step;
    }
    picBody.SetPicture(picBody.Image());
    sourcePictures[0] = picBody.Picture();
}

bool Face::PreparePictureDC(forms::Picture pic, std::int16_t slot) {
    return forms::FalseOnFailure([&] {
        if (pic.Type() != forms::Picture::kBitmap) return false;
        if (slot < 0 || slot > 1) forms::Raise(forms::kSubscriptOutOfRange);
        halftonePalette[slot] = api_.CreateHalftonePalette(0);
        memDC[slot] = api_.CreateCompatibleDC(0);
        oldPalette[slot] = api_.SelectPalette(memDC[slot], halftonePalette[slot], true);
        oldBitmap[slot] = api_.SelectObject(memDC[slot], pic.Handle());
        return true;
    });
}

void Face::ShadePicture(forms::PictureBox& src, forms::PictureBox& dst, float factor) {
    if (factor == 1.0f) return;
    const int width = static_cast<int>(src.ScaleWidth());
    for (int x = 0; x < width; ++x) {
        const int height = static_cast<int>(src.ScaleHeight());
        for (int y = 0; y < height; ++y) {
            const std::int32_t c = src.Point(x, y);
            const int red = std::abs(c % 256);
            const int green = std::abs((c / 256) % 256);
            const int blue = std::abs((c / 65536) % 256);
            // The channel times the single-precision factor, exact in double.
            const double f = factor;
            dst.PSet(x, y, forms::RGB(forms::RoundHalfEven(red * f), forms::RoundHalfEven(green * f), forms::RoundHalfEven(blue * f)));
        }
        // Lets other faces' ticks and clicks run while a face loads.
        App().DoEvents();
    }
    dst.SetPicture(dst.Image());
}

void Face::PictureStep() {
    picturesReady = forms::ToBoolean(PreparePictureDC(picBody.Picture(), 0));
    if (picturesReady == False) return;
    ShadePicture(picLogo(0), picLogo(1), 1.3f);
    sourcePictures[1] = picLogo(0).Picture();
    picturesReady = forms::ToBoolean(PreparePictureDC(sourcePictures[1], 1));
    if (picturesReady != False) ShadePicture(picLogo(1), picLogo(0), 0.4f);
}

}  // namespace tint::faces
