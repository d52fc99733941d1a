#include "ui/trovane_main.h"

#include "resources/resource_ids.h"
#include "ui/trovane_config.h"

namespace {

constexpr forms::FormSpec kForm{.caption = kSplashTitle,
                                .border = forms::BorderStyle::None,
                                .clientWidth = 5085,
                                .clientHeight = 2760,
                                .navigable = false,
                                .growsWithText = false};

// clang-format off
constexpr forms::ControlSpec kLayout[] = {
    {.kind = forms::makeControl<forms::Image>, .name = L"Image1", .rect = {0, 0, 5055, 2730}, .picture = IDR_SPLASH_PICTURE},
    {.kind = forms::makeControl<forms::Timer>, .name = L"Timer1", .rect = {4680, 2280, 0, 0}, .interval = 1000},
};
// clang-format on

} // namespace

Trovane_Main::Trovane_Main()
    : Form(kForm, kLayout), Image1(control<forms::Image>(L"Image1")),
      Timer1(control<forms::Timer>(L"Timer1")) {
    Timer1.onTimer([this] { Timer1_Timer(); });
}

void Trovane_Main::Timer1_Timer() {
    Timer1.setEnabled(false);
    unload();
}

void Trovane_Main::Form_Unload(std::int16_t& /*Cancel*/) {
    forms::defaultInstance<Trovane_Config>().show();
}
