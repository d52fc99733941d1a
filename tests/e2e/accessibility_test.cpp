// The settings window as assistive software reads it from another process: each control
// that a player can reach has its true role, its name in the script shown, its state and
// its value, and each option tells its group; each label is static text named by what it
// shows; a default action clicks. Each control's object is one COM object, with only the
// interfaces of its own. UI Automation's clients (Narrator, gamepad layers) see the same
// types and names.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "tests/support/player.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <oleacc.h>
#include <servprov.h>

#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace {

// UI Automation's flat client API, loaded from the system's uiautomationcore.dll.
using UiaNode = void*;
using UiaNodeFromHandle = HRESULT(WINAPI*)(HWND, UiaNode*);
using UiaGetPropertyValue = HRESULT(WINAPI*)(UiaNode, int, VARIANT*);
using UiaNodeRelease = BOOL(WINAPI*)(UiaNode);
constexpr int kUiaControlTypeProperty = 30003;
constexpr int kUiaNameProperty = 30005;
constexpr LONG kUiaButton = 50000, kUiaRadioButton = 50013, kUiaScrollBar = 50014, kUiaText = 50020;

struct Expected {
    const wchar_t* control;
    int index;
    LONG role;
    const wchar_t* simplified; // name, and for an option its group's label
    const wchar_t* traditional;
    const wchar_t* value; // a scroll bar's; an option's: "checked" when selected
};

// The labels, the numbers beside the scroll bars among them, and what each one shows.

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
    {L"Label3", -1, ROLE_SYSTEM_STATICTEXT, L"语言", L"語言", nullptr},
    {L"Label4", -1, ROLE_SYSTEM_STATICTEXT, L"是否全屏", L"是否全屏", nullptr},
    {L"Label5", -1, ROLE_SYSTEM_STATICTEXT, L"场景内特效开关", L"場景內特效開關", nullptr},
    {L"Label10", -1, ROLE_SYSTEM_STATICTEXT, L"战斗模式", L"戰鬥模式", nullptr},
    {L"Label2", -1, ROLE_SYSTEM_STATICTEXT, L"音乐音量", L"音樂音量", nullptr},
    {L"Label1", -1, ROLE_SYSTEM_STATICTEXT, L"音效音量", L"音效音量", nullptr},
    {L"Label6", -1, ROLE_SYSTEM_STATICTEXT, L"游戏速度", L"遊戲速度", nullptr},
    {L"Label7", -1, ROLE_SYSTEM_STATICTEXT, L"0", L"0", nullptr},
    {L"Label8", -1, ROLE_SYSTEM_STATICTEXT, L"127", L"127", nullptr},
    {L"Label9", -1, ROLE_SYSTEM_STATICTEXT, L"50", L"50", nullptr},
};

// The texts in the system's script: the name shown, and after a bar an option's group's label.
std::wstring textsShown(const Expected& expected) {
    return GetSystemDefaultLangID() == 2052 ? expected.simplified : expected.traditional;
}

std::wstring nameShown(const Expected& expected) {
    const std::wstring texts = textsShown(expected);
    return texts.substr(0, texts.find(L'|'));
}

std::wstring groupShown(const Expected& expected) {
    const std::wstring texts = textsShown(expected);
    return texts.find(L'|') == std::wstring::npos ? L"" : texts.substr(texts.find(L'|') + 1);
}

std::wstring describe(const Expected& expected) {
    return std::wstring(expected.control) + L"(" + std::to_wstring(expected.index) + L")";
}

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
    HRESULT doDefaultAction() const { return object_->accDoDefaultAction(self()); }
    HRESULT select(LONG flags) const { return object_->accSelect(flags, self()); }
    IAccessible* object() const { return object_; }
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

    // The program on the worked example, in a game folder of a Chinese name; its window.
    HWND startOnTheWorkedExample() {
        test::writeFile(game.file(L"qirmod.ini"), test::kWorkedExample);
        run = std::make_unique<test::ProgramRun>(test::installProgram(game.path()), L"", game.path());
        return run->waitForWindow(forms::kFormClass, kProgramTitle, 15000);
    }

    test::TempFolder game{L"游戏"};
    std::unique_ptr<test::ProgramRun> run;
};

TEST_F(Accessibility, EveryReachableControlTellsItsRoleNameStateAndValue) {
    HWND window = startOnTheWorkedExample();
    ASSERT_TRUE(window);
    const test::SettingsWindow settings(window);
    for (const Expected& expected : kControls) {
        const Accessible control(settings.control(expected.control, expected.index));
        ASSERT_TRUE(control.found()) << expected.control;
        const std::wstring what = describe(expected);
        EXPECT_EQ(control.role(), expected.role) << what;
        EXPECT_EQ(control.name(), nameShown(expected)) << what;
        if (expected.role != ROLE_SYSTEM_STATICTEXT) {
            EXPECT_TRUE(control.state() & STATE_SYSTEM_FOCUSABLE) << what;
        }
        if (expected.role == ROLE_SYSTEM_RADIOBUTTON) {
            EXPECT_EQ(control.description(), groupShown(expected)) << what;
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

// A container's children as a screen reader lists them: the accessible children of its client
// area, each known by its window (nullptr for one that is no window).
std::vector<HWND> accessibleChildren(HWND container) {
    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(container, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&client))))
        return {};
    LONG count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    AccessibleChildren(client, 0, count, children.data(), &obtained);
    std::vector<HWND> windows;
    for (VARIANT& child : std::span(children).first(static_cast<std::size_t>(obtained))) {
        IAccessible* object = nullptr;
        HWND window = nullptr;
        if (child.vt == VT_DISPATCH && child.pdispVal &&
            SUCCEEDED(
                child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object)))) {
            WindowFromAccessibleObject(object, &window);
            object->Release();
        }
        windows.push_back(window);
        VariantClear(&child);
    }
    client->Release();
    return windows;
}

// Within each container a screen reader meets the controls row by row, left to right: a
// question, then its answers; in the volume frame the name, the bar and the number. At the
// top level the frames come first (Frame6, in front of Frame5, before it), then the run
// button before the save button. The covered Option4(1) stays behind Option4(2). Each frame
// is a group, named by its question where it holds one.
TEST_F(Accessibility, AScreenReaderMeetsTheControlsInReadingOrderAndTheFramesAsGroups) {
    HWND window = startOnTheWorkedExample();
    ASSERT_TRUE(window);
    const test::SettingsWindow settings(window);
    struct Named {
        const wchar_t* name;
        int index = forms::kNotAnArray;
    };
    struct Container {
        const wchar_t* name; // nullptr for the window itself
        const wchar_t* question;
        std::vector<Named> children;
    };
    const Container containers[] = {
        {nullptr, nullptr, {{L"Frame6"}, {L"Frame5"}, {L"Command2"}, {L"Command1"}}},
        {L"Frame5", nullptr, {{L"Frame1"}, {L"Frame2"}, {L"Frame3"}, {L"Frame4"}}},
        {L"Frame1", L"Label3", {{L"Label3"}, {L"Option1", 0}, {L"Option1", 1}}},
        {L"Frame2", L"Label4", {{L"Label4"}, {L"Option3", 0}, {L"Option3", 1}}},
        {L"Frame3", L"Label5", {{L"Label5"}, {L"Option2", 0}, {L"Option2", 1}}},
        {L"Frame4",
         nullptr,
         {{L"Label2"},
          {L"HScroll1"},
          {L"Label7"},
          {L"Label1"},
          {L"HScroll2"},
          {L"Label8"},
          {L"Label6"},
          {L"HScroll3"},
          {L"Label9"}}},
        {L"Frame6", L"Label10", {{L"Label10"}, {L"Option4", 0}, {L"Option4", 2}, {L"Option4", 1}}},
    };
    for (const Container& container : containers) {
        HWND shown = container.name ? settings.control(container.name) : window;
        std::vector<HWND> expected;
        for (const Named& child : container.children)
            expected.push_back(settings.control(child.name, child.index));
        EXPECT_EQ(accessibleChildren(shown), expected) << (container.name ? container.name : L"the window");
        if (!container.name)
            continue;
        const Accessible frame(shown);
        EXPECT_EQ(frame.role(), ROLE_SYSTEM_GROUPING) << container.name;
        EXPECT_EQ(frame.name(), container.question ? settings.text(container.question) : L"")
            << container.name;
    }
}

// A screen reader's default action presses a button or selects an option as a click does,
// and its selection takes the focus, but neither acts while another handler waits: here the
// save button's, in its confirm box.
TEST_F(Accessibility, TheDefaultActionClicksButStartsNothingInsideAnotherHandler) {
    const std::wstring settingsFile = game.file(L"qirmod.ini"), gameLog = game.file(L"qir_trovane.log");
    test::writeFile(settingsFile, test::kWorkedExample);
    run = std::make_unique<test::ProgramRun>(test::installProgram(game.path(), true), L"", game.path());
    HWND window = run->waitForWindow(forms::kFormClass, kProgramTitle, 15000);
    ASSERT_TRUE(window);
    const test::SettingsWindow settings(window);
    ASSERT_EQ(Accessible(settings.control(L"Command2")).select(SELFLAG_TAKEFOCUS), S_OK);
    EXPECT_EQ(test::focusOf(window), settings.control(L"Command2"));
    ASSERT_EQ(Accessible(settings.control(L"Command1")).doDefaultAction(), S_OK);
    HWND confirm = run->waitForWindow(test::kMessageBoxClass, kConfirmTitle, 5000);
    ASSERT_TRUE(confirm) << "the save button was pressed";
    EXPECT_TRUE(FAILED(Accessible(settings.control(L"Command2")).doDefaultAction()));
    EXPECT_TRUE(FAILED(Accessible(settings.control(L"Option3", 1)).select(SELFLAG_TAKEFOCUS)));
    test::pressButton(confirm, IDNO);
    ASSERT_TRUE(test::waitUntil(
        [&] { return !test::findWindow(run->processId(), test::kMessageBoxClass, kConfirmTitle); }));

    ASSERT_EQ(Accessible(settings.control(L"Option3", 1)).doDefaultAction(), S_OK);
    ASSERT_TRUE(test::waitUntil([&] { return settings.checked(L"Option3", 1); }))
        << "full screen was selected";
    EXPECT_FALSE(test::fileExists(gameLog)) << "the refused run button ran after all";
    EXPECT_EQ(test::readFile(settingsFile), test::kWorkedExample);
    ASSERT_EQ(Accessible(settings.control(L"Command2")).doDefaultAction(), S_OK);
    ASSERT_TRUE(test::waitUntil([&] { return test::fileExists(gameLog); }, 10000)) << "the game started";
    EXPECT_EQ(test::readFile(settingsFile),
              "[set]\r\nsimple=1\r\nfullscreen=1\r\neffect=1\r\nBattleMode=2\r\n"
              "[constant]\r\nGame_Speed=50\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n");
}

// Each control's object answers for itself alone. An interface of the standard object that
// it is built on would break COM's identity, and the standard object's IServiceProvider
// tells UI Automation to read the standard object instead of it.
TEST_F(Accessibility, EachControlIsOneObjectWithOnlyItsOwnInterfaces) {
    Trovane_Config form;
    form.create();
    const Accessible control(form.Command1.hwnd());
    ASSERT_TRUE(control.found());
    IUnknown* identity = nullptr;
    ASSERT_EQ(control.object()->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(&identity)),
              S_OK);
    for (const IID& own : {__uuidof(IUnknown), __uuidof(IDispatch), __uuidof(IAccessible)}) {
        IUnknown* asked = nullptr;
        ASSERT_EQ(control.object()->QueryInterface(own, reinterpret_cast<void**>(&asked)), S_OK);
        IUnknown* itsIdentity = nullptr;
        asked->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(&itsIdentity));
        EXPECT_EQ(itsIdentity, identity);
        itsIdentity->Release();
        asked->Release();
    }
    for (const IID& foreign : {__uuidof(IServiceProvider), __uuidof(IOleWindow), __uuidof(IEnumVARIANT)}) {
        void* asked = reinterpret_cast<void*>(1);
        EXPECT_EQ(control.object()->QueryInterface(foreign, &asked), E_NOINTERFACE);
        EXPECT_EQ(asked, nullptr);
    }
    identity->Release();
}

// What a UI Automation client reads of each control through its bridge from the control's
// accessible object: the control type of its role, and its name. Windows has the client, and
// Wine since version 10; older Wines have none, and the test is skipped there.
TEST_F(Accessibility, UiAutomationSeesEachControlsTypeAndName) {
    const auto wineVersion = reinterpret_cast<const char* (*)()>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
    if (wineVersion && std::atoi(wineVersion()) < 10)
        GTEST_SKIP() << "Wine " << wineVersion() << " has no UI Automation client";
    HMODULE core = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    ASSERT_TRUE(core);
    const auto nodeFromHandle = reinterpret_cast<UiaNodeFromHandle>(
        reinterpret_cast<void*>(GetProcAddress(core, "UiaNodeFromHandle")));
    const auto propertyValue = reinterpret_cast<UiaGetPropertyValue>(
        reinterpret_cast<void*>(GetProcAddress(core, "UiaGetPropertyValue")));
    const auto release =
        reinterpret_cast<UiaNodeRelease>(reinterpret_cast<void*>(GetProcAddress(core, "UiaNodeRelease")));
    ASSERT_TRUE(nodeFromHandle && propertyValue && release);

    HWND window = startOnTheWorkedExample();
    ASSERT_TRUE(window);
    const test::SettingsWindow settings(window);
    for (const Expected& expected : kControls) {
        UiaNode node = nullptr;
        ASSERT_EQ(nodeFromHandle(settings.control(expected.control, expected.index), &node), S_OK);
        VARIANT type, name;
        VariantInit(&type);
        VariantInit(&name);
        EXPECT_EQ(propertyValue(node, kUiaControlTypeProperty, &type), S_OK);
        EXPECT_EQ(propertyValue(node, kUiaNameProperty, &name), S_OK);
        const LONG expectedType = expected.role == ROLE_SYSTEM_PUSHBUTTON    ? kUiaButton
                                  : expected.role == ROLE_SYSTEM_RADIOBUTTON ? kUiaRadioButton
                                  : expected.role == ROLE_SYSTEM_SCROLLBAR   ? kUiaScrollBar
                                                                             : kUiaText;
        EXPECT_EQ(type.vt == VT_I4 ? type.lVal : 0, expectedType) << describe(expected);
        EXPECT_EQ(name.vt == VT_BSTR ? std::wstring(name.bstrVal, SysStringLen(name.bstrVal)) : L"",
                  nameShown(expected))
            << describe(expected);
        VariantClear(&type);
        VariantClear(&name);
        release(node);
    }
    FreeLibrary(core);
}

} // namespace
