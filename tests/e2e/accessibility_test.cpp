// The settings window as assistive software reads it from another process: each control
// that a player can reach has its true role, its name in the script shown, its state and
// its value, and each option tells its group.

#include "app/forms/application.h"
#include "app/forms/form.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <string>

namespace {

struct Expected {
    const wchar_t* control;
    int index;
    LONG role;
    const wchar_t* simplified; // name, and for an option its group's label
    const wchar_t* traditional;
    const wchar_t* value; // a scroll bar's; an option's: "checked" when selected
};

// The worked example: simplified, window, effects off, semi-real-time, 50, 127, 0.
constexpr Expected kControls[] = {
    {L"Command1", -1, ROLE_SYSTEM_PUSHBUTTON, L"保存所有配置", L"保存所有配置", nullptr},
    {L"Command2", -1, ROLE_SYSTEM_PUSHBUTTON, L"运行游戏", L"運行遊戲", nullptr},
    {L"Option1", 0, ROLE_SYSTEM_RADIOBUTTON, L"繁體|语言", L"繁體|語言", nullptr},
    {L"Option1", 1, ROLE_SYSTEM_RADIOBUTTON, L"简体|语言", L"簡體|語言", L"checked"},
    {L"Option3", 0, ROLE_SYSTEM_RADIOBUTTON, L"窗口|是否全屏", L"窗口|是否全屏", L"checked"},
    {L"Option3", 1, ROLE_SYSTEM_RADIOBUTTON, L"全屏|是否全屏", L"全屏|是否全屏", nullptr},
    {L"Option2", 0, ROLE_SYSTEM_RADIOBUTTON, L"开启|场景内特效开关", L"開啟|場景內特效開關", nullptr},
    {L"Option2", 1, ROLE_SYSTEM_RADIOBUTTON, L"关闭|场景内特效开关", L"關閉|場景內特效開關", L"checked"},
    {L"Option4", 0, ROLE_SYSTEM_RADIOBUTTON, L"回合制|战斗模式", L"回合制|戰鬥模式", nullptr},
    {L"Option4", 2, ROLE_SYSTEM_RADIOBUTTON, L"半即时|战斗模式", L"半即時|戰鬥模式", L"checked"},
    {L"HScroll1", -1, ROLE_SYSTEM_SCROLLBAR, L"音乐音量", L"音樂音量", L"0"},
    {L"HScroll2", -1, ROLE_SYSTEM_SCROLLBAR, L"音效音量", L"音效音量", L"127"},
    {L"HScroll3", -1, ROLE_SYSTEM_SCROLLBAR, L"游戏速度", L"遊戲速度", L"50"},
};

VARIANT self() {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

// One control's accessible object, read through the interfaces a screen reader uses.
class Accessible {
  public:
    explicit Accessible(HWND control) {
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object_));
    }
    ~Accessible() {
        if (object_)
            object_->Release();
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    bool found() const { return object_ != nullptr; }
    LONG role() const {
        VARIANT role;
        VariantInit(&role);
        return SUCCEEDED(object_->get_accRole(self(), &role)) && role.vt == VT_I4 ? role.lVal : 0;
    }
    LONG state() const {
        VARIANT state;
        VariantInit(&state);
        return SUCCEEDED(object_->get_accState(self(), &state)) && state.vt == VT_I4 ? state.lVal : 0;
    }
    std::wstring name() const { return text(&IAccessible::get_accName); }
    std::wstring value() const { return text(&IAccessible::get_accValue); }
    std::wstring description() const { return text(&IAccessible::get_accDescription); }

  private:
    std::wstring text(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*)) const {
        BSTR text = nullptr;
        if ((object_->*read)(self(), &text) != S_OK || !text)
            return {};
        std::wstring result(text, SysStringLen(text));
        SysFreeString(text);
        return result;
    }

    IAccessible* object_ = nullptr;
};

class Accessibility : public testing::Test {
  protected:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(Accessibility, EveryReachableControlTellsItsRoleNameStateAndValue) {
    test::TempFolder game(L"游戏");
    test::writeFile(game.file(L"qirmod.ini"), test::kWorkedExample);
    test::ProgramRun run(test::installProgram(game.path()), L"", game.path());
    HWND window = run.waitForWindow(forms::kFormClass, forms::kProgramTitle, 15000);
    ASSERT_TRUE(window);
    const test::SettingsWindow settings(window);
    const bool simplified = GetSystemDefaultLangID() == 2052;
    for (const Expected& expected : kControls) {
        const Accessible control(settings.control(expected.control, expected.index));
        ASSERT_TRUE(control.found()) << expected.control;
        const std::wstring texts = simplified ? expected.simplified : expected.traditional;
        const std::wstring name = texts.substr(0, texts.find(L'|'));
        const std::wstring group =
            texts.find(L'|') == std::wstring::npos ? L"" : texts.substr(texts.find(L'|') + 1);
        const std::wstring what =
            std::wstring(expected.control) + L"(" + std::to_wstring(expected.index) + L")";
        EXPECT_EQ(control.role(), expected.role) << what;
        EXPECT_EQ(control.name(), name) << what;
        EXPECT_TRUE(control.state() & STATE_SYSTEM_FOCUSABLE) << what;
        if (expected.role == ROLE_SYSTEM_RADIOBUTTON) {
            EXPECT_EQ(control.description(), group) << what;
            EXPECT_EQ((control.state() & STATE_SYSTEM_CHECKED) != 0, expected.value != nullptr) << what;
        } else if (expected.role == ROLE_SYSTEM_SCROLLBAR) {
            EXPECT_EQ(control.value(), expected.value) << what;
        }
    }
    EXPECT_TRUE(Accessible(settings.control(L"Command1")).state() & STATE_SYSTEM_FOCUSED)
        << "the first focus";

    HWND speed = settings.control(L"HScroll3");
    SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(speed)); // its right arrow
    EXPECT_EQ(Accessible(speed).value(), L"51");
    settings.click(L"Option3", 1);
    EXPECT_TRUE(Accessible(settings.control(L"Option3", 1)).state() & STATE_SYSTEM_CHECKED);
    EXPECT_FALSE(Accessible(settings.control(L"Option3", 0)).state() & STATE_SYSTEM_CHECKED);
}

} // namespace
