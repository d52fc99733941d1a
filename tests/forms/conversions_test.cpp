#include "errors/error.h"
#include "forms/core/application.h"
#include "forms/core/conversions.h"

#include <gtest/gtest.h>

namespace {

std::int32_t errorOf(std::wstring_view text) {
    try {
        forms::toInteger16(text);
    } catch (const errors::Error& error) {
        return error.number();
    }
    return 0;
}

TEST(Conversions, TextToInteger16AcceptsBlanksSignsAndLeadingZeros) {
    EXPECT_EQ(forms::toInteger16(L"1"), 1);
    EXPECT_EQ(forms::toInteger16(L" \t42 "), 42);
    EXPECT_EQ(forms::toInteger16(L"+7"), 7);
    EXPECT_EQ(forms::toInteger16(L"-0"), 0);
    EXPECT_EQ(forms::toInteger16(L"01"), 1);
    EXPECT_EQ(forms::toInteger16(L"-32768"), -32768);
    EXPECT_EQ(forms::toInteger16(L"32767"), 32767);
}

TEST(Conversions, AnythingElseIsATypeMismatch) {
    for (const wchar_t* text :
         {L"", L"  ", L"1.5", L"1e3", L"0x10", L"abc", L"- 1", L"1 2", L"--1", L"+", L"１"})
        EXPECT_EQ(errorOf(text), 13) << text;
}

TEST(Conversions, NumbersBeyondSixteenBitsOverflow) {
    for (const wchar_t* text : {L"32768", L"-32769", L"65536", L"2147483648", L"99999999999999999999999"})
        EXPECT_EQ(errorOf(text), 6) << text;
    EXPECT_THROW(forms::narrow16(32768), errors::Error);
    EXPECT_THROW(forms::narrow16(-65536), errors::Error);
    EXPECT_EQ(forms::narrow16(-32768), -32768);
}

TEST(RuntimeError, TextShowsNumberDescriptionAndContext) {
    errors::Error mismatch(13, L"Type mismatch");
    EXPECT_EQ(forms::runtimeErrorText(mismatch), L"Run-time error '13':\n\nType mismatch");
    errors::Error missing(static_cast<std::int32_t>(0x80040001),
                          L"INI Section constant Key Game_Speed Not found");
    missing.setContext(L"Settings file: C:\\game\\qirmod.ini");
    EXPECT_EQ(forms::runtimeErrorText(missing),
              L"Run-time error '-2147221503 (80040001)':\n\nINI Section constant Key Game_Speed Not found\n\n"
              L"Settings file: C:\\game\\qirmod.ini");
}

} // namespace
