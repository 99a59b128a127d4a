// Answers to another process's questions about a face's controls (the
// end-to-end probe); the questions are in probe_protocol.h.
#include "win32/probe_protocol.h"
#include "win32/win32_window_system.h"

namespace tint::win32 {

std::optional<LRESULT> Win32WindowSystem::AnswerProbe(HWND form, UINT msg, WPARAM wp) {
    static const UINT findControl = ::RegisterWindowMessageW(probe::kFindControl);
    static const UINT findCommand = ::RegisterWindowMessageW(probe::kFindCommand);
    static const UINT getCaption = ::RegisterWindowMessageW(probe::kGetCaption);
    static const UINT getToolTip = ::RegisterWindowMessageW(probe::kGetToolTip);
    static const UINT nameOf = ::RegisterWindowMessageW(probe::kNameOf);
    auto text = [](const std::wstring& t) -> LRESULT { return ::GlobalAddAtomW(t.empty() ? L"(none)" : t.c_str()); };
    if (msg == nameOf) {
        Record* control = RecordOf(reinterpret_cast<HWND>(wp));
        return control != nullptr && !control->isForm && FormWindowOf(*control) == form ? text(control->spec.name) : 0;
    }
    if (msg != findControl && msg != findCommand && msg != getCaption && msg != getToolTip) return std::nullopt;
    wchar_t name[256] = {};
    if (::GlobalGetAtomNameW(static_cast<ATOM>(wp), name, 256) == 0) return 0;
    for (const auto& [handle, other] : records_) {
        if (other->isForm || other->spec.name != name || FormWindowOf(*other) != form) continue;
        if (msg == findCommand) return other->spec.id;
        if (msg == getCaption) return text(other->spec.caption);
        if (msg == getToolTip) return text(other->spec.toolTip);
        return reinterpret_cast<LRESULT>(other->hwnd);
    }
    return 0;
}

}  // namespace tint::win32
