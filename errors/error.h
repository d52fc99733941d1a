#pragma once
// Run-time errors of the program: a 32-bit number and a description, raised as
// exceptions and shown by the run-time error box at the event boundary.

#include <cstdint>
#include <string>

namespace errors {

class Error {
  public:
    Error(std::int32_t number, std::wstring description)
        : number_(number), description_(std::move(description)) {}

    std::int32_t number() const noexcept { return number_; }
    const std::wstring& description() const noexcept { return description_; }

    // What failed and where, in words a player can act on; shown below the description.
    const std::wstring& context() const noexcept { return context_; }
    void setContext(std::wstring context) { context_ = std::move(context); }

  private:
    std::int32_t number_;
    std::wstring description_;
    std::wstring context_;
};

// The run-time error numbers that the program raises.
namespace number {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t OutOfMemory = 7;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t InternalError = 51;
inline constexpr std::int32_t ControlArrayElementMissing = 340;
inline constexpr std::int32_t InvalidPropertyValue = 380;
inline constexpr std::int32_t ObjectRequired = 424;
inline constexpr std::int32_t PropertyNotSupported = 438;
inline constexpr std::int32_t InvalidPicture = 481;
} // namespace number

Error overflowError();
Error typeMismatchError();
Error missingElementError(int index);
Error invalidPropertyValueError();
Error propertyNotSupportedError(std::wstring_view property);

} // namespace errors
