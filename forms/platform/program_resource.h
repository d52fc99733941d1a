#pragma once
// The raw data resources compiled into the running program.

#include <cstdint>
#include <span>

namespace forms {

// The bytes of the program's RCDATA resource with the id, or none when it has no such one.
// They stay valid for the whole run.
std::span<const std::uint8_t> programResource(int id);

} // namespace forms
