// The value rules every face relies on: 16-bit booleans, integer conversion
// with ties to even, text to number, RGB, and the two ways a handler can
// treat a failing statement (skip it, or turn the whole call into false).
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "forms/types.h"

namespace forms {

// Run-time error numbers a statement can fail with.
enum ErrorNumber : int {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kFileAlreadyOpen = 55,
};

// The one exception a failing statement throws. Handlers in skip mode swallow
// it per statement; untrapped, the event dispatch reports it and ends the
// program.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    int Number() const { return number_; }
    const std::wstring& Description() const { return description_; }
    const char* what() const noexcept override { return "forms run-time error"; }

private:
    int number_;
    std::wstring description_;
};

[[noreturn]] void Raise(int number);

// Booleans are 16 bits wide: True is all bits set, so Not is a bitwise
// complement and any non-zero value tests as true.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;
constexpr Boolean ToBoolean(bool b) { return b ? True : False; }
constexpr Boolean Not(Boolean b) { return static_cast<Boolean>(~b); }

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

std::int16_t CInt(double value);  // fails with overflow outside -32768..32767
std::int32_t CLng(double value);  // fails with overflow outside the 32-bit range

// Text taken as a number: blanks around it, a sign, digits with an optional
// decimal point and exponent. Anything else (empty text included) fails with
// a type mismatch.
double CDbl(std::wstring_view text);
inline std::int16_t CInt(std::wstring_view text) { return CInt(CDbl(text)); }

// A colour 0x00BBGGRR. Each channel is first converted to a 16-bit integer;
// a channel above 255 counts as 255 and a negative one fails.
// (The parentheses keep the Windows headers' RGB macro off the name.)
Colour(RGB)(double red, double green, double blue);
// Whether RGB takes these channels, asked without the cost of a failure, for
// a caller that meets the failing case on many calls.
bool RGBAccepts(double red, double green, double blue);

// Decimal text of a whole number, as the run-time writes it: no sign for
// positive values, no leading blank, no leading zeros.
std::wstring Str(long long value);

struct TimeOfDay;

// A time of day after a pattern: "hh" "mm" "ss" two-digit hour, minute,
// second; "h" the hour without a leading zero; "AM/PM" the letters AM before
// noon and PM from noon on, and with it a 12-hour clock; ":" the user's time
// separator. Other characters stand for themselves.
std::wstring Format(const TimeOfDay& time, std::wstring_view pattern, wchar_t timeSeparator);

// Skip mode: run one statement; if it fails, go on as if it had not run.
template <class Statement>
void Skip(Statement&& statement) {
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}

// False-on-failure: the body's result, or false as soon as a statement fails.
template <class Body>
bool FalseOnFailure(Body&& body) {
    try {
        return body();
    } catch (const RuntimeError&) {
        return false;
    }
}

}  // namespace forms
