// The character table and the mapping built on it.

#include "locale/code_pages.h"
#include "locale/script_mapping.h"
#include "locale/script_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using script_table::ScriptPair;

void expectSortedAndUnique(std::span<const ScriptPair> table) {
    EXPECT_TRUE(std::adjacent_find(table.begin(), table.end(), [](const ScriptPair& a, const ScriptPair& b) {
                    return a.from >= b.from;
                }) == table.end());
    EXPECT_GT(table.size(), 2000u);
}

TEST(ScriptTable, BothDirectionsAreSortedWithoutRepeats) {
    expectSortedAndUnique(script_table::simplifiedToTraditional);
    expectSortedAndUnique(script_table::traditionalToSimplified);
}

// Every traditional result survives the way localisation takes it: Big5 bytes carried as
// code-page-936 text and read back as Big5.
TEST(ScriptTable, EveryTraditionalResultSurvivesTheBig5RoundTrip) {
    int lost = 0;
    for (const ScriptPair& pair : script_table::simplifiedToTraditional) {
        const std::wstring character(1, pair.to);
        const auto big5 = encodeInCodePage(character, 950);
        const auto carried = decodeFromCodePage(*big5, 936);
        const auto back = decodeFromCodePage(*encodeInCodePage(*carried, 936), 950);
        if (*back != character)
            ++lost;
    }
    EXPECT_EQ(lost, 0);
}

TEST(ScriptMapping, MapsOneUnitForOneWithinTheDestination) {
    const std::wstring source = L"简体Ab1";
    std::wstring destination(source.size(), L'\0');
    EXPECT_EQ(mapScript(1028, LCMAP_TRADITIONAL_CHINESE, source.data(), 5, destination.data(), 5), 5);
    EXPECT_EQ(destination, L"簡體Ab1");
    std::wstring shorter(3, L'\0');
    shorter.push_back(L'x');
    EXPECT_EQ(mapScript(1028, LCMAP_TRADITIONAL_CHINESE, source.data(), 5, shorter.data(), 3), 3);
    EXPECT_EQ(shorter, std::wstring(L"簡體A") + L'x') << "never past the destination length";
    EXPECT_EQ(mapScript(2052, LCMAP_SIMPLIFIED_CHINESE, L"遊戲", 2, destination.data(), 2), 2);
    EXPECT_EQ(destination.substr(0, 2), L"游戏");
}

TEST(ScriptMapping, OtherFlagsFail) {
    wchar_t destination[2] = {0, 0};
    EXPECT_EQ(mapScript(2052, LCMAP_UPPERCASE, L"ab", 2, destination, 2), 0);
    EXPECT_EQ(mapScript(2052, LCMAP_SIMPLIFIED_CHINESE | LCMAP_TRADITIONAL_CHINESE, L"ab", 2, destination, 2),
              0);
    EXPECT_EQ(destination[0], L'\0');
}

} // namespace
