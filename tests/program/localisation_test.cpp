// The real program's captions, read from its live window, under the system language
// that the test group runs in: as authored on Simplified Chinese, traditional elsewhere.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "ui/program_title.h"

#include <gtest/gtest.h>

namespace {

struct Caption {
    const wchar_t* name;
    int index;
    const wchar_t* simplified;
    const wchar_t* traditional;
};

constexpr Caption kCaptions[] = {
    {L"Command2", -1, L"运行游戏", L"運行遊戲"},
    {L"Command1", -1, L"保存所有配置", L"保存所有配置"},
    {L"Label3", -1, L"语言", L"語言"},
    {L"Option1", 0, L"繁體", L"繁體"},
    {L"Option1", 1, L"简体", L"簡體"},
    {L"Label4", -1, L"是否全屏", L"是否全屏"},
    {L"Option3", 0, L"窗口", L"窗口"},
    {L"Option3", 1, L"全屏", L"全屏"},
    {L"Label5", -1, L"场景内特效开关", L"場景內特效開關"},
    {L"Option2", 0, L"开启", L"開啟"},
    {L"Option2", 1, L"关闭", L"關閉"},
    {L"Label2", -1, L"音乐音量", L"音樂音量"},
    {L"Label1", -1, L"音效音量", L"音效音量"},
    {L"Label6", -1, L"游戏速度", L"遊戲速度"},
    {L"Label10", -1, L"战斗模式", L"戰鬥模式"},
    {L"Option4", 0, L"回合制", L"回合制"},
    {L"Option4", 1, L"无怒气半即时", L"無怒氣半即時"},
    {L"Option4", 2, L"半即时", L"半即時"},
    {L"Label7", -1, L"80", L"80"},
    {L"Label8", -1, L"100", L"100"},
    {L"Label9", -1, L"50", L"50"},
    {L"Frame5", -1, L"", L""},
};

TEST(ProgramLocalisation, CaptionsSuitTheSystemLanguageBeforeTheWindowAppears) {
    test::TempFolder game(L"遊戲");
    test::writeFile(game.file(L"qirmod.ini"),
                    "[set]\r\nsimple=1\r\nfullscreen=0\r\neffect=1\r\nBattleMode=1\r\n"
                    "[constant]\r\nGame_Speed=50\r\nSOUND_VOLUME=100\r\nMUSIC_VOLUME=80\r\n");
    test::ProgramRun run(test::installProgram(game.path()), L"", game.path());
    HWND window = run.waitForWindow(forms::kFormClass, kProgramTitle, 15000);
    ASSERT_TRUE(window);
    const test::SettingsWindow settings(window);
    const bool simplified = GetSystemDefaultLangID() == 2052;
    for (const Caption& caption : kCaptions)
        EXPECT_EQ(settings.text(caption.name, caption.index),
                  simplified ? caption.simplified : caption.traditional)
            << caption.name << "(" << caption.index << ")";
    EXPECT_EQ(test::windowText(window), kProgramTitle) << "the title is not a control";
    EXPECT_TRUE(settings.checked(L"Option4", 1));
}

} // namespace
