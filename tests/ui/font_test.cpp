// The settings window's font, chosen as the program chooses it when the window loads, on
// the system the test runs in: every character that a visible control shows has a glyph
// in the font that control draws with.

#include "forms/platform/fonts.h"
#include "settings/mod_ini_edit.h"
#include "tests/support/test_support.h"
#include "ui/localisation_step.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

HFONT fontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
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

} // namespace
