// The Wine prefix and locale that a group of tests runs in give the DPI and ANSI code
// page that the group is meant to test, at the default text size (which tests of bigger
// text set for themselves and put back); otherwise its results would prove nothing.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace {

UINT expected(const char* name) {
    const char* value = std::getenv(name);
    return value ? static_cast<UINT>(std::atoi(value)) : 0;
}

TEST(Environment, DpiCodePageAndTextSizeAreTheOnesNamed) {
    if (const UINT dpi = expected("TROVANE_EXPECT_DPI")) {
        EXPECT_EQ(GetDpiForSystem(), dpi);
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
        EXPECT_GE(metrics.lfMessageFont.lfHeight, -MulDiv(9, static_cast<int>(dpi), 72))
            << "9 points at most: Wine's default is 8 under some locales, 9 under others";
    }
    if (const UINT codePage = expected("TROVANE_EXPECT_ACP")) {
        EXPECT_EQ(GetACP(), codePage);
    }
}

} // namespace
