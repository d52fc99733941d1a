#pragma once
// The toolkit's number conversions, with its error numbers.

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// Plain decimal text: no blanks, no leading zeros, a minus sign only when negative.
std::wstring toText(std::int32_t value);

// Decimal text to a 16-bit integer. Blanks around the number and one sign are
// accepted; anything else (empty text included) is a type mismatch (13), and a
// number outside -32768..32767 an overflow (6).
std::int16_t toInteger16(std::wstring_view text);

// 32-bit to 16-bit; overflow (6) outside -32768..32767.
std::int16_t narrow16(std::int32_t value);

} // namespace forms
