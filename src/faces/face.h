// A face: one decorated window of the program. The three faces share all of
// their code here and differ only by their FaceProfile and their design,
// which the files named after each face supply.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "forms/forms.h"
#include "forms/win_api.h"
#include "themes/theme.h"

namespace tint::faces {

inline constexpr wchar_t kFormCaption[] = L"Quorlan皮肤v5.1(国际劳动节特别奉献版)";
inline constexpr wchar_t kProgramTitle[] = L"Brindlemark王v5.1";
inline constexpr wchar_t kNotReadyMessage[] = L"StdPicture not of bitmap type";

using forms::Boolean;
using themes::FaceId;

class Program;

// A design rectangle given in twips, turned into the pixels the controls use.
forms::PixelRect Twips(int left, int top, int width, int height);

class Face : public forms::Form {
public:
    Face(Program& program, FaceId id);

    FaceId Id() const { return id_; }
    const themes::FaceProfile& Profile() const { return profile_; }

    // ---- controls, in design order ----
    forms::TextBox Text5{*this, nullptr, L"Text5"};
    forms::TextBox Text4{*this, nullptr, L"Text4"};
    forms::TextBox Text3{*this, nullptr, L"Text3"};
    forms::CommandButton Command2{*this, nullptr, L"Command2"};
    forms::OptionButton Option1{*this, nullptr, L"Option1"};
    forms::PictureBox picToolBar{*this, nullptr, L"picToolBar"};
    forms::CommandButton cmdExit{*this, &picToolBar, L"cmdExit"};
    forms::CommandButton cmdClock{*this, &picToolBar, L"cmdClock"};
    forms::CommandButton cmdMusic{*this, &picToolBar, L"cmdMusic"};
    forms::CommandButton Command1{*this, &picToolBar, L"Command1", true};
    forms::PictureBox picBody{*this, nullptr, L"picBody"};
    forms::Menu mnuFile{*this, L"mnuFile"};
    forms::MenuItem mnuFileMusic{mnuFile, L"mnuFileMusic"};
    forms::MenuItem mnuFileClock{mnuFile, L"mnuFileClock"};
    forms::MenuItem mnuFileExit{mnuFile, L"mnuFileExit"};
    forms::Timer Timer1{*this, false, 10};
    forms::Timer Timer2{*this, true, 0};

    // ---- form-level fields ----
    std::array<std::int32_t, 2> memDC{};
    std::array<std::int32_t, 2> oldBitmap{};
    std::array<std::int32_t, 2> oldPalette{};
    std::array<std::int32_t, 2> halftonePalette{};
    std::int32_t bodyWidth = 0;
    std::int32_t bodyHeight = 0;
    std::int32_t scrollStart = 0;
    std::int32_t scrollTop = 0;
    std::int16_t lineGap = 0;
    std::wstring musicFile;
    Boolean musicFound = forms::False;
    Boolean musicOn = forms::False;
    Boolean clockOn = forms::False;
    std::int32_t savedPrimaryColour = 0;
    std::int32_t savedAccentColour = 0;
    Boolean stopRequested = forms::False;
    Boolean picturesReady = forms::False;

    // ---- handlers ----
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(Boolean& cancel, std::int16_t& unloadMode) override;
    void cmdExit_Click();
    void mnuFileExit_Click();
    void Command2_Click();

protected:
    // Called by each face's constructor once its own design is in place:
    // lays the build's differences over it.
    void ApplyThemeDesign();

private:
    void SetSysColour(std::int32_t element, std::uint32_t colour);

    Program& program_;
    FaceId id_;
    const themes::FaceProfile& profile_;
    forms::WinApi& api_;
};

// The program's global face instances, each created on first reference.
class Program {
public:
    Program(forms::Application& app, forms::WinApi& api, const themes::ThemeTable& theme);
    ~Program();

    forms::Application& App() { return app_; }
    forms::WinApi& Api() { return api_; }
    const themes::ThemeTable& Theme() const { return theme_; }

    Face& Get(FaceId id);
    bool Exists(FaceId id) const { return faces_[static_cast<int>(id)] != nullptr; }
    Face& frmFancyfrm() { return Get(FaceId::Startup); }
    Face& frmFancyfrm1() { return Get(FaceId::Second); }
    Face& frmFancyfrm2() { return Get(FaceId::Third); }

    // Starts on the start-up face and runs until the program ends.
    void Run();

private:
    forms::Application& app_;
    forms::WinApi& api_;
    const themes::ThemeTable& theme_;
    std::array<std::unique_ptr<Face>, 3> faces_;
};

// Defined by each face's own file.
std::unique_ptr<Face> Make_frmFancyfrm(Program& program);
std::unique_ptr<Face> Make_frmFancyfrm1(Program& program);
std::unique_ptr<Face> Make_frmFancyfrm2(Program& program);

}  // namespace tint::faces
