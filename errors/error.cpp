#include "errors/error.h"

namespace errors {

Error overflowError() {
    return {number::Overflow, L"Overflow"};
}

Error typeMismatchError() {
    return {number::TypeMismatch, L"Type mismatch"};
}

Error missingElementError(int index) {
    return {number::ControlArrayElementMissing,
            L"Control array element '" + std::to_wstring(index) + L"' doesn't exist"};
}

Error invalidPropertyValueError() {
    return {number::InvalidPropertyValue, L"Invalid property value"};
}

Error propertyNotSupportedError(std::wstring_view property) {
    return {number::PropertyNotSupported,
            L"Object doesn't support this property or method: " + std::wstring(property)};
}

} // namespace errors
