#include "doubles/fake_window_system.h"

#include <algorithm>
#include <utility>

namespace tint::testing {

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += (c < 128) ? static_cast<char>(c) : '?';
    return out;
}

namespace {

forms::Colour Solid(forms::OleColour c) { return forms::IsSystemColour(c) ? 0x00C0C0C0u : c; }

void Resize(FakeWindowSystem::PixelMap& map, int width, int height, forms::Colour fill) {
    FakeWindowSystem::PixelMap resized{width, height, std::vector<forms::Colour>(static_cast<size_t>(width) * height, fill)};
    for (int y = 0; y < std::min(height, map.height); ++y) {
        for (int x = 0; x < std::min(width, map.width); ++x) resized.pixels[static_cast<size_t>(y) * width + x] = map.At(x, y);
    }
    map = std::move(resized);
}

}  // namespace

FakeWindowSystem::FakeWindowSystem() {
    // Every picture the faces carry, as plain bitmaps of the design's sizes.
    auto pattern = [](int x, int y) { return forms::Colour((x * 8) | ((y * 8) << 8) | (100u << 16)); };
    pictures[L"logo"] = MakeBitmap(32, 32, pattern);
    pictures[L"banner"] = MakeBitmap(400, 120, pattern);
    for (const wchar_t* name : {L"sword", L"music_on", L"music_off", L"clock_on", L"clock_off", L"exit"}) pictures[name] = MakeBitmap(16, 16, pattern);
}

forms::Picture FakeWindowSystem::MakeBitmap(int width, int height, const std::function<forms::Colour(int, int)>& colour) {
    forms::Handle h = next_++;
    PixelMap& map = bitmaps[h];
    map = {width, height, std::vector<forms::Colour>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) map.pixels[static_cast<size_t>(y) * width + x] = colour(x, y);
    }
    return forms::Picture(forms::Picture::kBitmap, h, width, height);
}

forms::Picture FakeWindowSystem::MakeIcon(int width, int height) { return forms::Picture(forms::Picture::kIcon, next_++, width, height); }

forms::Picture FakeWindowSystem::LoadPicture(const std::wstring& name) {
    auto it = pictures.find(name);
    return it == pictures.end() ? forms::Picture() : it->second;
}

void FakeWindowSystem::SetPicture(forms::Handle control, const forms::Picture& picture) {
    Window& w = windows.at(control);
    w.spec.picture = picture;
    if (w.spec.kind != forms::ControlKind::PictureBox) return;
    // The picture becomes the image's background.
    std::fill(w.image.pixels.begin(), w.image.pixels.end(), Solid(w.spec.backColour));
    auto it = bitmaps.find(picture.Handle());
    if (picture.Type() != forms::Picture::kBitmap || it == bitmaps.end()) return;
    for (int y = 0; y < std::min(w.image.height, it->second.height); ++y) {
        for (int x = 0; x < std::min(w.image.width, it->second.width); ++x) w.image.pixels[static_cast<size_t>(y) * w.image.width + x] = it->second.At(x, y);
    }
}

forms::Handle FakeWindowSystem::ImageDC(forms::Handle box) { return kImageDCBase + box; }

forms::Picture FakeWindowSystem::CopyImage(forms::Handle box) {
    const PixelMap& image = windows.at(box).image;
    forms::Handle h = next_++;
    bitmaps[h] = image;
    log.push_back("CopyImage " + std::to_string(box) + " -> " + std::to_string(h));
    return forms::Picture(forms::Picture::kBitmap, h, image.width, image.height);
}

void FakeWindowSystem::FillBox(forms::Handle box, int x1, int y1, int x2, int y2, forms::Colour colour) {
    log.push_back("FillBox " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " + std::to_string(y2) + " " +
                  std::to_string(colour));
    PixelMap& image = windows.at(box).image;
    for (int y = std::max(0, y1); y < std::min(y2, image.height); ++y) {
        for (int x = std::max(0, x1); x < std::min(x2, image.width); ++x) image.pixels[static_cast<size_t>(y) * image.width + x] = colour;
    }
}

void FakeWindowSystem::SetPixel(forms::Handle box, int x, int y, forms::Colour colour) {
    PixelMap& image = windows.at(box).image;
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
    image.pixels[static_cast<size_t>(y) * image.width + x] = colour;
}

forms::Colour FakeWindowSystem::GetPixel(forms::Handle box, int x, int y) {
    const PixelMap& image = windows.at(box).image;
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return 0xFFFFFFFFu;
    return image.At(x, y);
}

void FakeWindowSystem::SetForeColour(forms::Handle box, forms::Colour colour) {
    log.push_back("SetForeColour " + std::to_string(box) + " " + std::to_string(colour));
    windows.at(box).foreColour = colour;
}

void FakeWindowSystem::SetFont(forms::Handle box, const forms::FontSpec& font) { windows.at(box).spec.font = font; }

forms::PixelSize FakeWindowSystem::MeasureText(forms::Handle box, const std::wstring& text) {
    // Made-up metrics that grow with the size and the length, like real ones.
    int points = static_cast<int>(windows.at(box).spec.font.points);
    return {static_cast<int>(text.size()) * points / 2, points + points / 2};
}

void FakeWindowSystem::PrintText(forms::Handle box, int x, int y, const std::wstring& text) {
    log.push_back("PrintText " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(windows.at(box).spec.font.points) + " " +
                  Narrow(text));
}

forms::Handle FakeWindowSystem::FormDC(forms::Handle form) { return kFormDCBase + form; }

forms::Handle FakeWindowSystem::CreateForm(const forms::FormSpec& spec, forms::WindowEvents& events) {
    forms::Handle h = next_++;
    Window& w = windows[h];
    w.isForm = true;
    w.formSpec = spec;
    w.events = &events;
    w.form = h;
    log.push_back("CreateForm " + std::to_string(h));
    return h;
}

void FakeWindowSystem::DestroyForm(forms::Handle form) {
    log.push_back("DestroyForm " + std::to_string(form));
    windows.erase(form);
}

forms::Handle FakeWindowSystem::CreateControl(forms::Handle form, forms::Handle parent, const forms::ControlSpec& spec) {
    forms::Handle h = next_++;
    Window& w = windows[h];
    w.spec = spec;
    w.form = form;
    w.parent = parent;
    w.visible = spec.visible;
    if (spec.kind == forms::ControlKind::PictureBox) {
        int border = forms::BorderWidth(spec.border);
        Resize(w.image, std::max(0, spec.rect.width - 2 * border), std::max(0, spec.rect.height - 2 * border), Solid(spec.backColour));
        SetPicture(h, spec.picture);
    }
    return h;
}

void FakeWindowSystem::ShowForm(forms::Handle form, forms::Handle owner) {
    log.push_back("ShowForm " + std::to_string(form) + " owner " + std::to_string(owner));
    Window& w = windows.at(form);
    w.visible = true;
    w.owner = owner;
    Activate(form);
}

void FakeWindowSystem::HideForm(forms::Handle form) {
    log.push_back("HideForm " + std::to_string(form));
    windows.at(form).visible = false;
}

forms::PixelSize FakeWindowSystem::ClientSize(forms::Handle form) { return windows.at(form).formSpec.clientSize; }

void FakeWindowSystem::SetVisible(forms::Handle control, bool visible) { windows.at(control).visible = visible; }

void FakeWindowSystem::SetEnabled(forms::Handle control, bool enabled) { windows.at(control).spec.enabled = enabled; }

void FakeWindowSystem::SetCaption(forms::Handle control, const std::wstring& text) {
    Window& w = windows.at(control);
    log.push_back("SetCaption " + Narrow(w.spec.name) + " " + Narrow(text));
    w.spec.caption = text;
}

std::wstring FakeWindowSystem::GetCaption(forms::Handle control) { return windows.at(control).spec.caption; }

void FakeWindowSystem::SetToolTip(forms::Handle control, const std::wstring& text) { windows.at(control).spec.toolTip = text; }

void FakeWindowSystem::SetBounds(forms::Handle control, const forms::PixelRect& rect) {
    Window& w = windows.at(control);
    w.spec.rect = rect;
    if (w.spec.kind != forms::ControlKind::PictureBox) return;
    int border = forms::BorderWidth(w.spec.border);
    Resize(w.image, std::max(0, rect.width - 2 * border), std::max(0, rect.height - 2 * border), Solid(w.spec.backColour));
}

void FakeWindowSystem::SetBorder(forms::Handle control, forms::BorderStyle border) {
    windows.at(control).spec.border = border;
    SetBounds(control, windows.at(control).spec.rect);
}

void FakeWindowSystem::SetChecked(forms::Handle control, bool checked) { windows.at(control).checked = checked; }

bool FakeWindowSystem::GetChecked(forms::Handle control) { return windows.at(control).checked; }

void FakeWindowSystem::SetTimer(forms::Handle form, int timerId, int intervalMs) {
    log.push_back("SetTimer " + std::to_string(form) + " " + std::to_string(timerId) + " " + std::to_string(intervalMs));
    windows.at(form).timers[timerId] = intervalMs;
}

void FakeWindowSystem::Post(std::function<void()> task) { posted_.push_back(std::move(task)); }

void FakeWindowSystem::DoEvents() {
    ++doEventsCalls;
    if (onDoEvents) onDoEvents();
    RunPosted();
}

void FakeWindowSystem::RunMessageLoop() { RunPosted(); }

void FakeWindowSystem::ShowMessage(forms::Handle owner, const std::wstring& text, const std::wstring& title) {
    log.push_back("MessageBox " + Narrow(text));
    messageBoxes.push_back({owner, text, title});
    // Closing the box gives the activation back to its owner, as Windows does.
    if (owner != 0 && windows.count(owner) != 0) windows.at(owner).events->OnActivated();
}

void FakeWindowSystem::EndProgram() {
    log.push_back("End");
    throw ProgramEnded{};
}

void FakeWindowSystem::RunPosted() {
    while (!posted_.empty()) {
        std::function<void()> task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
}

void FakeWindowSystem::Activate(forms::Handle form) {
    active = form;
    windows.at(form).events->OnActivated();
}

forms::Handle FakeWindowSystem::Find(forms::Handle form, const std::wstring& controlName) const {
    for (const auto& [h, w] : windows) {
        if (!w.isForm && w.form == form && w.spec.name == controlName) return h;
    }
    throw std::out_of_range("no control " + Narrow(controlName));
}

void FakeWindowSystem::Click(forms::Handle form, const std::wstring& controlName) {
    const Window& control = windows.at(Find(form, controlName));
    windows.at(form).events->OnCommand(control.spec.id);
}

void FakeWindowSystem::Close(forms::Handle form, int mode) { windows.at(form).events->OnCloseRequest(mode); }

void FakeWindowSystem::Tick(forms::Handle form, int timerId) { windows.at(form).events->OnTimer(timerId); }

}  // namespace tint::testing
