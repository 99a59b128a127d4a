// Answers to another process's questions about a face's controls (the
// end-to-end probe); the questions are in probe_protocol.h.
#include "win32/probe_protocol.h"
#include "win32/win32_window_system.h"

#include <string>
#include <string_view>

namespace tint::win32 {

std::wstring Win32WindowSystem::PlaceOf(const Record& windowless) {
    if (!windowless.spec.visible || !::IsWindowVisible(windowless.parent)) return L"";
    const Record* container = Find(records_, windowless.parent);
    if (container == nullptr) return L"";
    POINT at{windowless.spec.rect.left, windowless.spec.rect.top};
    ::ClientToScreen(windowless.parent, &at);
    return (container->isForm ? std::wstring(L"form") : container->spec.name) + L" " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y) + L" " +
           std::to_wstring(windowless.spec.rect.width) + L" " + std::to_wstring(windowless.spec.rect.height);
}

LRESULT Win32WindowSystem::AnswerProbe(HWND form, WPARAM wp, LPARAM lp) {
    // The question comes from any process of the session. The system has
    // copied cbData bytes for us, but what they hold, and how long they say
    // the name is, is not to be trusted.
    const auto* question = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    if (question == nullptr || (question->dwData != probe::kCaption && question->dwData != probe::kToolTip && question->dwData != probe::kPlace)) {
        return FALSE;
    }
    if (question->lpData == nullptr || question->cbData == 0 || question->cbData % sizeof(wchar_t) != 0 ||
        question->cbData > probe::kMaxName * sizeof(wchar_t)) {
        return FALSE;
    }
    const std::wstring_view name(static_cast<const wchar_t*>(question->lpData), question->cbData / sizeof(wchar_t));
    for (const auto& [handle, control] : records_) {
        if (control->isForm || control->spec.name != name || FormWindowOf(*control) != form) continue;
        const bool caption = question->dwData == probe::kCaption;
        const bool place = question->dwData == probe::kPlace;
        if ((caption || place) && control->hwnd != nullptr) return FALSE;
        const std::wstring text = place ? PlaceOf(*control) : caption ? control->spec.caption : control->spec.toolTip;
        COPYDATASTRUCT answer{probe::kAnswer, static_cast<DWORD>(text.size() * sizeof(wchar_t)), const_cast<wchar_t*>(text.c_str())};
        // An asker that has gone, or hangs, must not hold the face up.
        DWORD_PTR ignored = 0;
        return ::SendMessageTimeoutW(reinterpret_cast<HWND>(wp), WM_COPYDATA, reinterpret_cast<WPARAM>(form), reinterpret_cast<LPARAM>(&answer),
                                     SMTO_ABORTIFHUNG, 1000, &ignored) != 0;
    }
    return FALSE;
}

}  // namespace tint::win32
