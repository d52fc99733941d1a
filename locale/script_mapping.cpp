#include "locale/script_mapping.h"

#include "locale/script_table.h"

#include <algorithm>

namespace {

wchar_t mapped(std::span<const script_table::ScriptPair> table, wchar_t character) {
    const auto found = std::lower_bound(table.begin(), table.end(), character,
                                        [](const auto& pair, wchar_t key) { return pair.from < key; });
    return found != table.end() && found->from == character ? found->to : character;
}

} // namespace

int mapScript(LCID /*locale*/, DWORD flags, const wchar_t* source, int sourceLength, wchar_t* destination,
              int destinationLength) {
    if ((flags != LCMAP_SIMPLIFIED_CHINESE && flags != LCMAP_TRADITIONAL_CHINESE) || !source ||
        sourceLength < 0 || !destination || destinationLength < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto table = flags == LCMAP_TRADITIONAL_CHINESE ? script_table::simplifiedToTraditional
                                                          : script_table::traditionalToSimplified;
    const int count = std::min(sourceLength, destinationLength);
    for (int i = 0; i < count; ++i)
        destination[i] = mapped(table, source[i]);
    return count;
}
