#include <gtest/gtest.h>

#include "forms/value.h"

namespace {

using forms::RuntimeError;

int ErrorOf(void (*f)()) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(ValueRules, IntegerConversionRoundsHalvesToEven) {
    EXPECT_EQ(forms::CInt(2.5), 2);
    EXPECT_EQ(forms::CInt(3.5), 4);
    EXPECT_EQ(forms::CInt(-2.5), -2);
    EXPECT_EQ(forms::CInt(-3.5), -4);
    EXPECT_EQ(forms::CInt(76.5), 76);
    EXPECT_EQ(forms::CInt(2.5000001), 3);
    EXPECT_EQ(forms::CLng(-0.5), 0);
    EXPECT_EQ(forms::CInt(32767.4), 32767);
    EXPECT_EQ(forms::CInt(-32768.5), -32768);
}

TEST(ValueRules, IntegerConversionFailsOutsideItsRange) {
    EXPECT_EQ(ErrorOf([] { forms::CInt(32767.5); }), forms::kOverflow);
    EXPECT_EQ(ErrorOf([] { forms::CInt(-32769.0); }), forms::kOverflow);
    EXPECT_EQ(ErrorOf([] { forms::CLng(2147483648.0); }), forms::kOverflow);
    EXPECT_EQ(forms::CLng(-2147483648.0), INT32_MIN);
}

TEST(ValueRules, TextToInteger) {
    EXPECT_EQ(forms::CInt(std::wstring_view(L"50")), 50);
    EXPECT_EQ(forms::CInt(std::wstring_view(L" 110 ")), 110);
    EXPECT_EQ(forms::CInt(std::wstring_view(L"-1")), -1);
    EXPECT_EQ(forms::CInt(std::wstring_view(L"+7")), 7);
    EXPECT_EQ(forms::CInt(std::wstring_view(L"2.5")), 2);
    EXPECT_EQ(forms::CInt(std::wstring_view(L"1e2")), 100);
    EXPECT_EQ(forms::CInt(std::wstring_view(L".5")), 0);
    EXPECT_EQ(ErrorOf([] { forms::CInt(std::wstring_view(L"abc")); }), forms::kTypeMismatch);
    EXPECT_EQ(ErrorOf([] { forms::CInt(std::wstring_view(L"")); }), forms::kTypeMismatch);
    EXPECT_EQ(ErrorOf([] { forms::CInt(std::wstring_view(L" ")); }), forms::kTypeMismatch);
    EXPECT_EQ(ErrorOf([] { forms::CInt(std::wstring_view(L"12x")); }), forms::kTypeMismatch);
    EXPECT_EQ(ErrorOf([] { forms::CInt(std::wstring_view(L"1e")); }), forms::kTypeMismatch);
    EXPECT_EQ(ErrorOf([] { forms::CInt(std::wstring_view(L"40000")); }), forms::kOverflow);
    EXPECT_EQ(ErrorOf([] { forms::CInt(std::wstring_view(L"1e999")); }), forms::kOverflow);
}

TEST(ValueRules, RgbPacksClampsAboveAndFailsBelow) {
    EXPECT_EQ(forms::RGB(50, 100, 110), 0x006E6432u);
    EXPECT_EQ(forms::RGB(255, 255, 0), 0x0000FFFFu);
    EXPECT_EQ(forms::RGB(300, 0, 0), 0x000000FFu);
    EXPECT_EQ(forms::RGB(0, 0, 32767), 0x00FF0000u);
    EXPECT_EQ(forms::RGB(0.5, 1.5, 2.5), 0x00020200u);
    EXPECT_EQ(forms::RGB(-0.5, 0, 0), 0u);  // rounds to 0 before the sign is judged
    EXPECT_EQ(ErrorOf([] { forms::RGB(-1, 0, 0); }), forms::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([] { forms::RGB(0, 0, -1); }), forms::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([] { forms::RGB(0, 40000, 0); }), forms::kOverflow);
    // The question asked in advance agrees with the conversion at its edges.
    EXPECT_TRUE(forms::RGBAccepts(-0.5, 300, 32767.4));
    EXPECT_FALSE(forms::RGBAccepts(0, -0.51, 0));
    EXPECT_FALSE(forms::RGBAccepts(0, 0, 32767.5));
}

TEST(ValueRules, BooleansAreSixteenBitsAndNotComplements) {
    EXPECT_EQ(forms::True, -1);
    EXPECT_EQ(forms::Not(forms::True), forms::False);
    EXPECT_EQ(forms::Not(forms::False), forms::True);
    EXPECT_EQ(forms::Not(1), -2);  // non-zero both ways: a complement, not a logical not
    EXPECT_EQ(forms::ToBoolean(true), forms::True);
}

TEST(ValueRules, SkipModeGoesOnAndKeepsWhatTheFailedStatementWouldHaveSet) {
    int kept = 7;
    int after = 0;
    forms::Skip([&] { kept = forms::CInt(std::wstring_view(L"")); });
    forms::Skip([&] { after = 1; });
    EXPECT_EQ(kept, 7);
    EXPECT_EQ(after, 1);
}

TEST(ValueRules, FalseOnFailureStopsAtTheFirstFailure) {
    int reached = 0;
    bool result = forms::FalseOnFailure([&] {
        reached = 1;
        forms::Raise(forms::kSubscriptOutOfRange);
        reached = 2;
        return true;
    });
    EXPECT_FALSE(result);
    EXPECT_EQ(reached, 1);
    EXPECT_TRUE(forms::FalseOnFailure([] { return true; }));
}

TEST(ValueRules, DecimalTextHasNoSignBlankOrLeadingZero) {
    EXPECT_EQ(forms::Str(50), L"50");
    EXPECT_EQ(forms::Str(0), L"0");
    EXPECT_EQ(forms::Str(-3), L"-3");
}

}  // namespace
