#include "forms/core/conversions.h"

#include "errors/error.h"

#include <limits>

namespace forms {

namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::wstring_view trimBlanks(std::wstring_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::wstring toText(std::int32_t value) {
    return std::to_wstring(value);
}

std::int16_t toInteger16(std::wstring_view text) {
    text = trimBlanks(text);
    const bool negative = !text.empty() && text.front() == L'-';
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+'))
        text.remove_prefix(1);
    if (text.empty())
        throw errors::typeMismatchError();
    // Accumulate with a ceiling so that any run of digits reports overflow, not wrap-around.
    constexpr std::int64_t ceiling = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (wchar_t c : text) {
        if (!isDigit(c))
            throw errors::typeMismatchError();
        if (magnitude <= ceiling)
            magnitude = magnitude * 10 + (c - L'0');
    }
    if (magnitude > ceiling)
        throw errors::overflowError();
    return narrow16(static_cast<std::int32_t>(negative ? -magnitude : magnitude));
}

std::int16_t narrow16(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw errors::overflowError();
    return static_cast<std::int16_t>(value);
}

} // namespace forms
