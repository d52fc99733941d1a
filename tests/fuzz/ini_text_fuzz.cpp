// Fuzz target for the settings file's text engine (IniText), built natively with libFuzzer,
// AddressSanitizer and UndefinedBehaviorSanitizer. For any bytes as qirmod.ini: reading
// them never crashes, without an edit gives back exactly those bytes, and the seven edits
// of a save are right by the independent reader of saved files (save_oracle).

#include "settings/ini_text.h"
#include "tests/support/save_oracle.h"

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what) {
    if (!holds)
        fail(what);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    settings::IniText text(input);
    check(text.bytes() == input, "reading and writing without an edit changed the bytes");

    std::vector<std::wstring> values;
    values.reserve(std::size(save_oracle::kSavedKeys));
    for (std::size_t k = 0; k < std::size(save_oracle::kSavedKeys); ++k) {
        const save_oracle::SavedKey& key = save_oracle::kSavedKeys[k];
        const int taken = size > k ? data[size - 1 - k] : 0;
        values.push_back(std::to_wstring(key.low + taken % (key.high - key.low + 1)));
        text.set(key.section, key.name, values.back());
    }
    const std::string output = text.bytes();

    const std::string fault = save_oracle::faultOfSave(input, output, values);
    check(fault.empty(), fault.c_str());
    return 0;
}
