#include "forms/value.h"

#include "forms/window_system.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace forms {

namespace {

const wchar_t* DescriptionOf(int number) {
    switch (number) {
        case kInvalidProcedureCall: return L"Invalid procedure call or argument";
        case kOverflow: return L"Overflow";
        case kSubscriptOutOfRange: return L"Subscript out of range";
        case kDivisionByZero: return L"Division by zero";
        case kTypeMismatch: return L"Type mismatch";
        case kFileNotFound: return L"File not found";
        case kFileAlreadyOpen: return L"File already open";
        default: return L"Application-defined or object-defined error";
    }
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

RuntimeError::RuntimeError(int number) : number_(number), description_(DescriptionOf(number)) {}

void Raise(int number) { throw RuntimeError(number); }

double RoundHalfEven(double value) {
    // Written out rather than left to the floating-point environment, whose
    // rounding mode a library call could have changed.
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) return floor + 1.0;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {

// The whole number a value rounds to, ties to even, when Int holds it: the
// one range rule of CInt, CLng and RGB's channels.
template <class Int>
std::optional<Int> RoundedInto(double value) {
    if (std::isnan(value)) return std::nullopt;
    double rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) return std::nullopt;
    return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t CInt(double value) {
    if (std::optional<std::int16_t> converted = RoundedInto<std::int16_t>(value)) return *converted;
    Raise(kOverflow);
}

std::int32_t CLng(double value) {
    if (std::optional<std::int32_t> converted = RoundedInto<std::int32_t>(value)) return *converted;
    Raise(kOverflow);
}

double CDbl(std::wstring_view text) {
    size_t i = 0;
    size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    std::string ascii;
    if (i < n && (text[i] == L'+' || text[i] == L'-')) ascii += static_cast<char>(text[i++]);
    size_t digits = 0;
    while (i < n && IsDigit(text[i])) { ascii += static_cast<char>(text[i++]); ++digits; }
    if (i < n && text[i] == L'.') {
        ascii += '.';
        ++i;
        while (i < n && IsDigit(text[i])) { ascii += static_cast<char>(text[i++]); ++digits; }
    }
    if (digits == 0) Raise(kTypeMismatch);
    if (i < n && (text[i] == L'e' || text[i] == L'E')) {
        ascii += 'e';
        ++i;
        if (i < n && (text[i] == L'+' || text[i] == L'-')) ascii += static_cast<char>(text[i++]);
        size_t expDigits = 0;
        while (i < n && IsDigit(text[i])) { ascii += static_cast<char>(text[i++]); ++expDigits; }
        if (expDigits == 0) Raise(kTypeMismatch);
    }
    while (i < n && IsBlank(text[i])) ++i;
    if (i != n) Raise(kTypeMismatch);
    double value = std::strtod(ascii.c_str(), nullptr);
    if (std::isinf(value)) Raise(kOverflow);
    return value;
}

bool RGBAccepts(double red, double green, double blue) {
    auto accepts = [](double v) {
        std::optional<std::int16_t> c = RoundedInto<std::int16_t>(v);
        return c.has_value() && *c >= 0;
    };
    return accepts(red) && accepts(green) && accepts(blue);
}

Colour RGB(double red, double green, double blue) {
    auto channel = [](double v) -> Colour {
        std::int16_t c = CInt(v);
        if (c < 0) Raise(kInvalidProcedureCall);
        return c > 255 ? 255u : static_cast<Colour>(c);
    };
    // Converted in argument order, so the first bad channel decides the error.
    Colour r = channel(red);
    Colour g = channel(green);
    Colour b = channel(blue);
    return r | (g << 8) | (b << 16);
}

std::wstring Str(long long value) { return std::to_wstring(value); }

std::wstring Format(const TimeOfDay& time, std::wstring_view pattern, wchar_t timeSeparator) {
    const bool twelveHour = pattern.find(L"AM/PM") != std::wstring_view::npos;
    int hour = time.hour;
    if (twelveHour) {
        hour %= 12;
        if (hour == 0) hour = 12;  // midnight and noon read 12
    }
    auto two = [](int v) {
        std::wstring s = std::to_wstring(v);
        return s.size() < 2 ? L"0" + s : s;
    };
    std::wstring out;
    for (size_t i = 0; i < pattern.size();) {
        std::wstring_view rest = pattern.substr(i);
        if (rest.rfind(L"AM/PM", 0) == 0) {
            out += time.hour < 12 ? L"AM" : L"PM";
            i += 5;
        } else if (rest.rfind(L"hh", 0) == 0) {
            out += two(hour);
            i += 2;
        } else if (rest.rfind(L"mm", 0) == 0) {
            out += two(time.minute);
            i += 2;
        } else if (rest.rfind(L"ss", 0) == 0) {
            out += two(time.second);
            i += 2;
        } else if (rest[0] == L'h') {
            out += std::to_wstring(hour);
            i += 1;
        } else if (rest[0] == L':') {
            out += timeSeparator;
            i += 1;
        } else {
            out += rest[0];
            i += 1;
        }
    }
    return out;
}

}  // namespace forms
