// The Wine prefix and locale that a group of tests runs in give the DPI and ANSI code
// page that the group is meant to test; otherwise its results would prove nothing.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace {

UINT expected(const char* name) {
    const char* value = std::getenv(name);
    return value ? static_cast<UINT>(std::atoi(value)) : 0;
}

TEST(Environment, DpiAndCodePageAreTheOnesNamed) {
    if (const UINT dpi = expected("TROVANE_EXPECT_DPI")) {
        EXPECT_EQ(GetDpiForSystem(), dpi);
    }
    if (const UINT codePage = expected("TROVANE_EXPECT_ACP")) {
        EXPECT_EQ(GetACP(), codePage);
    }
}

} // namespace
