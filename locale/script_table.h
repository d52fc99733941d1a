#pragma once
// The program's one-for-one character table between simplified and traditional
// Chinese, sorted by the character mapped from (generated: locale/script_table.cpp).

#include <span>

namespace script_table {

struct ScriptPair {
    wchar_t from;
    wchar_t to;
};

extern const std::span<const ScriptPair> simplifiedToTraditional;
extern const std::span<const ScriptPair> traditionalToSimplified;

} // namespace script_table
