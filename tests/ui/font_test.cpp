// The settings window's font, chosen as the program chooses it when the window loads, on
// the system the test runs in: every character that a visible control shows has a glyph
// in the font that control draws with.

#include "forms/core/application.h"
#include "forms/platform/dpi.h"
#include "forms/platform/fonts.h"
#include "locale/gb_big5_api.h"
#include "resources/resource_ids.h"
#include "settings/mod_ini_edit.h"
#include "tests/support/test_support.h"
#include "ui/localisation_step.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"
#include "ui/trovane_config_layout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

namespace {

HFONT fontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

// The face that the system realises for the font.
std::wstring faceOf(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    return face;
}

class FontCoverage : public testing::Test {
  protected:
    void SetUp() override {
        ModINIedit::INIFileName = folder.file(L"qirmod.ini");
        test::writeFile(ModINIedit::INIFileName, test::kWorkedExample);
        form.create();
        form.readINI();
        localisationStep(form);
        form.fitFont();
        std::printf("font face: %ls\n",
                    form.fontFace().empty() ? L"(message font)" : form.fontFace().c_str());
    }

    test::TempFolder folder;
    Trovane_Config form;
};

TEST_F(FontCoverage, EveryVisibleControlsTextHasAGlyphInItsFont) {
    int checked = 0;
    for (int index = 0; index < form.count(); ++index) {
        const auto& control = dynamic_cast<const forms::FormControl&>(form.controls(index));
        const std::wstring text = test::windowText(control.hwnd());
        const bool visible = GetWindowLongPtrW(control.hwnd(), GWL_STYLE) & WS_VISIBLE;
        if (!visible || text.empty())
            continue;
        ASSERT_TRUE(fontOf(control.hwnd())) << std::wstring(control.name());
        EXPECT_TRUE(forms::fontCovers(fontOf(control.hwnd()), text))
            << std::wstring(control.name()) << L": " << text;
        ++checked;
    }
    EXPECT_EQ(checked, 20); // captions and numbers; the frames have none
}

TEST_F(FontCoverage, NumberLabelsCanShowEveryDigitAndTheMinusSign) {
    EXPECT_TRUE(forms::fontCovers(fontOf(form.Label7.hwnd()), L"-0123456789"));
}

// The font compiled into the program is the window's where no installed face has every
// character it shows (the group sets TROVANE_EXPECT_COMPILED_IN_FONT), and nowhere else;
// drawn at the message font's size, as every face is.
TEST_F(FontCoverage, TheCompiledInFontIsTheLastResortAtTheMessageFontsSize) {
    const bool expected = GetEnvironmentVariableW(L"TROVANE_EXPECT_COMPILED_IN_FONT", nullptr, 0) > 0;
    EXPECT_EQ(form.fontFace() == kFallbackFontFace, expected) << form.fontFace();
    LOGFONTW used{};
    GetObjectW(fontOf(form.Command1.hwnd()), sizeof used, &used);
    NONCLIENTMETRICSW system{};
    system.cbSize = sizeof system;
    ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0, form.dpi()));
    EXPECT_EQ(used.lfHeight, system.lfMessageFont.lfHeight)
        << "the system's message font's, at the window's DPI";
}

// Every caption of the window in both scripts, as the program converts them, the window
// titles and the number labels' characters have glyphs in the compiled-in font.
TEST(CompiledInFont, CoversEveryCaptionInBothScripts) {
    constexpr forms::CompiledInFont kFont{IDR_FALLBACK_FONT, kFallbackFontFace};
    ASSERT_TRUE(forms::loadCompiledInFont(kFont));
    std::wstring text = std::wstring(kProgramTitle) + L"-0123456789";
    const std::wstring charset =
        std::exchange(gb_big5_api::SystemCharset, L"BIG5"); // as a traditional system shows them
    for (const forms::ControlSpec& row : trovane_config_layout::controls)
        text += std::wstring(row.caption) + gb_big5_api::localiseText(std::wstring(row.caption));
    gb_big5_api::SystemCharset = charset;
    HFONT font = forms::createFormFont(GetDpiForSystem(), forms::messageFont(GetDpiForSystem()).lfHeight,
                                       kFallbackFontFace);
    EXPECT_EQ(faceOf(font), kFallbackFontFace) << "no other face stands in for it";
    EXPECT_TRUE(forms::fontCovers(font, text));
    DeleteObject(font);
}

} // namespace
