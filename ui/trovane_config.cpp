#include "ui/trovane_config.h"

#include "forms/core/application.h"
#include "forms/core/conversions.h"
#include "forms/input/gamepad.h"
#include "forms/platform/message_box.h"
#include "locale/gb_big5_api.h"
#include "resources/resource_ids.h"
#include "settings/mod_ini_edit.h"
#include "ui/game_launch.h"
#include "ui/localisation_step.h"
#include "ui/trovane_config_layout.h"

namespace {

using forms::MsgBoxButtons;
using forms::MsgBoxResult;

// Fonts with every character of the window, for the script it shows: Windows' own UI
// fonts first, then those common on Linux, where players run the program under Wine.
constexpr const wchar_t* kSimplifiedFaces[] = {
    L"Microsoft YaHei UI",  L"Microsoft YaHei",  L"SimSun",
    L"WenQuanYi Micro Hei", L"Noto Sans CJK SC", L"WenQuanYi Zen Hei"};
constexpr const wchar_t* kTraditionalFaces[] = {
    L"Microsoft JhengHei UI", L"Microsoft JhengHei", L"PMingLiU",
    L"WenQuanYi Micro Hei",   L"Noto Sans CJK TC",   L"WenQuanYi Zen Hei"};

// The system's wording for an error code, without the trailing line break.
std::wstring systemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message = length ? std::wstring(buffer, length) : L"Error " + std::to_wstring(error) + L".";
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message;
}

} // namespace

Trovane_Config::Trovane_Config()
    : Form(trovane_config_layout::form, trovane_config_layout::controls),
      SettingsControls{controlArray<forms::OptionButton>(L"Option1"),
                       controlArray<forms::OptionButton>(L"Option2"),
                       controlArray<forms::OptionButton>(L"Option3"),
                       controlArray<forms::OptionButton>(L"Option4"),
                       control<forms::HScrollBar>(L"HScroll1"),
                       control<forms::HScrollBar>(L"HScroll2"),
                       control<forms::HScrollBar>(L"HScroll3"),
                       control<forms::Label>(L"Label7"),
                       control<forms::Label>(L"Label8"),
                       control<forms::Label>(L"Label9")},
      Command1(control<forms::CommandButton>(L"Command1")),
      Command2(control<forms::CommandButton>(L"Command2")) {
    HScroll1.onChange([this] { HScroll1_Change(); });
    HScroll2.onChange([this] { HScroll2_Change(); });
    HScroll3.onChange([this] { HScroll3_Change(); });
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
}

void Trovane_Config::readINI() {
    settings_binding::readINI(*this);
}

void Trovane_Config::Form_Load() {
    ModINIedit::INIFileName = forms::applicationDirectory() + L"\\qirmod.ini";
    readINI();
    localisationStep(*this);
    forms::gamepad::start(); // the window and its message boxes take the pad; the splash does not
}

void Trovane_Config::Form_Unload(std::int16_t& /*Cancel*/) {
    forms::end();
}

std::span<const wchar_t* const> Trovane_Config::preferredFontFaces() const {
    if (gb_big5_api::SystemCharset == L"GBK")
        return kSimplifiedFaces;
    return kTraditionalFaces;
}

// Readable where the system has no Chinese font at all: the characters of the window, cut
// from a Debian font at build time (tools/make_fallback_font.py).
forms::CompiledInFont Trovane_Config::lastResortFont() const {
    return {IDR_FALLBACK_FONT, kFallbackFontFace};
}

void Trovane_Config::HScroll1_Change() {
    Label7.setCaption(forms::toText(HScroll1.value()));
}

void Trovane_Config::HScroll2_Change() {
    Label8.setCaption(forms::toText(HScroll2.value()));
}

void Trovane_Config::HScroll3_Change() {
    Label9.setCaption(forms::toText(HScroll3.value()));
}

void Trovane_Config::Command1_Click() {
    if (forms::msgBox(L"Are You Sure?", kConfirmTitle, MsgBoxButtons::YesNo) != MsgBoxResult::Yes)
        return;
    if (const DWORD failure = writeINI(); failure != ERROR_SUCCESS)
        return reportSaveFailure(failure);
    forms::msgBox(L"Done", kSaveTitle, MsgBoxButtons::OK);
}

void Trovane_Config::Command2_Click() {
    if (const DWORD failure = writeINI(); failure != ERROR_SUCCESS)
        reportSaveFailure(failure);
    launchGame();
}

DWORD Trovane_Config::writeINI() {
    return settings_binding::writeINI(*this);
}

void Trovane_Config::reportSaveFailure(DWORD error) {
    forms::msgBox(L"Could not save the settings to " + ModINIedit::INIFileName + L": " + systemMessage(error),
                  kSaveTitle, MsgBoxButtons::OK);
}
