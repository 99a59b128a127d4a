// Clock, locale and file services.
#include "win32/win32_window_system.h"

namespace tint::win32 {

std::wstring Win32WindowSystem::TodayAsText() {
    wchar_t text[128] = {};
    int length = ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 128);
    return std::wstring(text, length > 0 ? static_cast<size_t>(length - 1) : 0);
}

forms::TimeOfDay Win32WindowSystem::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

wchar_t Win32WindowSystem::TimeSeparator() {
    wchar_t separator[8] = {};
    return ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, 8) > 1 ? separator[0] : L':';
}

std::wstring Win32WindowSystem::ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L"";
    // A drive's root keeps its separator ("C:\"); any other folder loses it.
    return path.substr(0, slash == 2 && path[1] == L':' ? slash + 1 : slash);
}

bool Win32WindowSystem::CanOpenForInput(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

}  // namespace tint::win32
