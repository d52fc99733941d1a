#include "forms/core/error.h"

namespace forms {

Error overflowError() {
    return {error_number::Overflow, L"Overflow"};
}

Error typeMismatchError() {
    return {error_number::TypeMismatch, L"Type mismatch"};
}

Error missingElementError(int index) {
    return {error_number::ControlArrayElementMissing,
            L"Control array element '" + std::to_wstring(index) + L"' doesn't exist"};
}

Error invalidPropertyValueError() {
    return {error_number::InvalidPropertyValue, L"Invalid property value"};
}

Error propertyNotSupportedError(std::wstring_view property) {
    return {error_number::PropertyNotSupported,
            L"Object doesn't support this property or method: " + std::wstring(property)};
}

} // namespace forms
