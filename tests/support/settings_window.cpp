#include "tests/support/settings_window.h"

#include "tests/support/test_support.h"
#include "ui/trovane_config_layout.h"

#include <stdexcept>

namespace test {

namespace {

int controlId(std::wstring_view name, int index) {
    const auto& rows = trovane_config_layout::controls;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].name == name && rows[i].index == index)
            return static_cast<int>(i) + 1;
    throw std::runtime_error("no such control in the layout");
}

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK matchId(HWND child, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    if (GetDlgCtrlID(child) != search.id)
        return TRUE;
    search.found = child;
    return FALSE;
}

} // namespace

HWND SettingsWindow::control(std::wstring_view name, int index) const {
    Search search{controlId(name, index), nullptr};
    EnumChildWindows(window_, matchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring SettingsWindow::text(std::wstring_view name, int index) const {
    return windowText(control(name, index));
}

bool SettingsWindow::checked(std::wstring_view name, int index) const {
    return SendMessageW(control(name, index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int SettingsWindow::scrollPosition(std::wstring_view name) const {
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(control(name), SB_CTL, &info);
    return info.nPos;
}

void SettingsWindow::click(std::wstring_view name, int index) const {
    PostMessageW(control(name, index), BM_CLICK, 0, 0);
}

} // namespace test
