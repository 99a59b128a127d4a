#include "win32/fonts.h"

namespace tint::win32 {

FontCache::FontCache() {
    // The message font can show the Chinese captions through the system's
    // font linking; the stock GUI font is the last resort.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        messageFont_ = OwnedFont(::CreateFontIndirectW(&metrics.lfMessageFont));
        controlFont_ = messageFont_.Get();
    }
    if (controlFont_ == nullptr) controlFont_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HFONT FontCache::For(const forms::FontSpec& spec) {
    if (spec.name.empty()) return controlFont_;
    std::wstring key = spec.name + L"|" + std::to_wstring(spec.points) + L"|" + (spec.bold ? L"b" : L"") + L"|" + std::to_wstring(spec.charset);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.Get();
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(spec.points * dpi / 72.0 + 0.5);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = static_cast<BYTE>(spec.charset);
    lf.lfQuality = DEFAULT_QUALITY;
    ::lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    OwnedFont font(::CreateFontIndirectW(&lf));
    if (font.Get() == nullptr) return controlFont_;
    HFONT made = font.Get();
    fonts_.emplace(key, std::move(font));
    return made;
}

}  // namespace tint::win32
