#include "app/command_line.h"

#include "locale/code_pages.h"

namespace {

constexpr std::wstring_view kBlanks = L" \t";

std::wstring_view trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::wstring_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// What follows the program's path, which is quoted or ends at the first blank.
std::wstring_view arguments(std::wstring_view commandLine) {
    commandLine = trimmed(commandLine);
    const std::size_t end =
        commandLine.starts_with(L'"') ? commandLine.find(L'"', 1) : commandLine.find_first_of(kBlanks);
    return end == std::wstring_view::npos ? std::wstring_view{} : trimmed(commandLine.substr(end + 1));
}

} // namespace

bool asksToPlay(std::wstring_view commandLine) {
    const std::wstring_view option = arguments(commandLine);
    return equalIgnoringCase(option, L"/play") || equalIgnoringCase(option, L"-play");
}
