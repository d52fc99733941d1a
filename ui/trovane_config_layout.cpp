#include "ui/trovane_config_layout.h"

#include "forms/controls/command_button.h"
#include "forms/controls/frame.h"
#include "forms/controls/hscrollbar.h"
#include "forms/controls/label.h"
#include "forms/controls/option_button.h"
#include "resources/resource_ids.h"
#include "ui/program_title.h"

namespace trovane_config_layout {

namespace {
constexpr auto Label = &forms::makeControl<forms::Label>;
constexpr auto Frame = &forms::makeControl<forms::Frame>;
constexpr auto Option = &forms::makeControl<forms::OptionButton>;
constexpr auto Button = &forms::makeControl<forms::CommandButton>;
constexpr auto HScroll = &forms::makeControl<forms::HScrollBar>;
} // namespace

const forms::FormSpec form{.caption = kProgramTitle,
                           .border = forms::BorderStyle::FixedSingle,
                           .clientWidth = 5460,
                           .clientHeight = 5985,
                           .icon = IDI_TROVANE_CONFIG,
                           .startButton = L"Command2"};

// Where rows overlap, the later lies in front: Frame6 before Frame5, Option4(2) before Option4(1).
// clang-format off
const std::array<forms::ControlSpec, 30> controls{{
    {.kind = Frame,   .name = L"Frame5",                             .rect = {120, 120, 5175, 5175},                          .tabIndex = 1},
    {.kind = Frame,   .name = L"Frame6",                             .rect = {840, 2880, 3735, 735},                          .tabIndex = 24},
    {.kind = Button,  .name = L"Command2",                           .rect = {2280, 5400, 1455, 495}, .caption = L"运行游戏",     .tabIndex = 29},
    {.kind = Button,  .name = L"Command1",                           .rect = {3840, 5400, 1455, 495}, .caption = L"保存所有配置", .tabIndex = 0},
    {.kind = Frame,   .name = L"Frame1",   .container = L"Frame5",   .rect = {720, 240, 3735, 735},                           .tabIndex = 20},
    {.kind = Label,   .name = L"Label3",   .container = L"Frame1",   .rect = {120, 360, 1695, 255},   .caption = L"语言",         .tabIndex = 23},
    {.kind = Option,  .name = L"Option1", .index = 0, .container = L"Frame1", .rect = {1440, 240, 975, 375}, .caption = L"繁體", .tabIndex = 22},
    {.kind = Option,  .name = L"Option1", .index = 1, .container = L"Frame1", .rect = {2640, 240, 975, 375}, .caption = L"简体", .tabIndex = 21},
    {.kind = Frame,   .name = L"Frame2",   .container = L"Frame5",   .rect = {720, 1080, 3735, 735},                          .tabIndex = 16},
    {.kind = Label,   .name = L"Label4",   .container = L"Frame2",   .rect = {120, 360, 1095, 255},   .caption = L"是否全屏",     .tabIndex = 19},
    {.kind = Option,  .name = L"Option3", .index = 0, .container = L"Frame2", .rect = {1440, 240, 1095, 375}, .caption = L"窗口", .tabIndex = 18},
    {.kind = Option,  .name = L"Option3", .index = 1, .container = L"Frame2", .rect = {2640, 240, 975, 375},  .caption = L"全屏", .tabIndex = 17},
    {.kind = Frame,   .name = L"Frame3",   .container = L"Frame5",   .rect = {720, 1920, 3735, 735},                          .tabIndex = 12},
    {.kind = Label,   .name = L"Label5",   .container = L"Frame3",   .rect = {120, 360, 1335, 255},   .caption = L"场景内特效开关", .tabIndex = 15},
    {.kind = Option,  .name = L"Option2", .index = 0, .container = L"Frame3", .rect = {1440, 240, 975, 375}, .caption = L"开启", .tabIndex = 14},
    {.kind = Option,  .name = L"Option2", .index = 1, .container = L"Frame3", .rect = {2640, 240, 975, 375}, .caption = L"关闭", .tabIndex = 13},
    {.kind = Frame,   .name = L"Frame4",   .container = L"Frame5",   .rect = {120, 3600, 4935, 1335},                         .tabIndex = 2},
    {.kind = Label,   .name = L"Label2",   .container = L"Frame4",   .rect = {240, 240, 1335, 255},   .caption = L"音乐音量",     .tabIndex = 11},
    {.kind = HScroll, .name = L"HScroll1", .container = L"Frame4",   .rect = {1320, 240, 2895, 255},                          .tabIndex = 5, .scroll = {0, 127, 0}, .labelledBy = L"Label2", .valueLabel = L"Label7"},
    {.kind = Label,   .name = L"Label7",   .container = L"Frame4",   .rect = {4320, 240, 375, 255},   .caption = L"Label7",       .tabIndex = 9},
    {.kind = Label,   .name = L"Label1",   .container = L"Frame4",   .rect = {240, 600, 1575, 255},   .caption = L"音效音量",     .tabIndex = 10},
    {.kind = HScroll, .name = L"HScroll2", .container = L"Frame4",   .rect = {1320, 600, 2895, 255},                          .tabIndex = 4, .scroll = {0, 127, 0}, .labelledBy = L"Label1", .valueLabel = L"Label8"},
    {.kind = Label,   .name = L"Label8",   .container = L"Frame4",   .rect = {4320, 600, 495, 255},   .caption = L"Label8",       .tabIndex = 8},
    {.kind = Label,   .name = L"Label6",   .container = L"Frame4",   .rect = {240, 960, 975, 255},    .caption = L"游戏速度",     .tabIndex = 7},
    {.kind = HScroll, .name = L"HScroll3", .container = L"Frame4",   .rect = {1320, 960, 2895, 255},                          .tabIndex = 3, .scroll = {1, 100, 1}, .labelledBy = L"Label6", .valueLabel = L"Label9"},
    {.kind = Label,   .name = L"Label9",   .container = L"Frame4",   .rect = {4320, 960, 495, 255},   .caption = L"Label8",       .tabIndex = 6},
    {.kind = Label,   .name = L"Label10",  .container = L"Frame6",   .rect = {240, 360, 1335, 255},   .caption = L"战斗模式",     .tabIndex = 27},
    {.kind = Option,  .name = L"Option4", .index = 0, .container = L"Frame6", .rect = {1440, 240, 975, 375}, .caption = L"回合制",       .tabIndex = 25},
    {.kind = Option,  .name = L"Option4", .index = 1, .container = L"Frame6", .rect = {2640, 240, 975, 375}, .caption = L"无怒气半即时", .tabIndex = 26, .visible = false},
    {.kind = Option,  .name = L"Option4", .index = 2, .container = L"Frame6", .rect = {2640, 240, 975, 375}, .caption = L"半即时",       .tabIndex = 28},
}};
// clang-format on

} // namespace trovane_config_layout
