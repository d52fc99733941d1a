#include "locale/gb_big5_api.h"

#include "errors/error.h"
#include "locale/code_pages.h"
#include "locale/script_mapping.h"

#include <string_view>

namespace gb_big5_api {

std::wstring SystemCharset;

namespace {

constexpr LANGID kChinesePrc = 2052;
constexpr LCID kLocalePrc = 2052;    // code page 936
constexpr LCID kLocaleTaiwan = 1028; // code page 950
constexpr UINT kGbk = 936;
constexpr UINT kBig5 = 950;

// Maps the whole text into as many NULs; a failed mapping leaves the NULs.
std::wstring mapped(const ScriptConversions& conversions, const std::wstring& text, LCID locale,
                    DWORD flags) {
    std::wstring result(text.size(), L'\0');
    const int length = static_cast<int>(text.size());
    conversions.map(locale, flags, text.data(), length, result.data(), length);
    return result;
}

// Runs one step: the target keeps its value when the step cannot produce one.
template <typename Value> void step(Value& target, std::optional<Value> produced) {
    if (produced)
        target = std::move(*produced);
}

std::wstring toSimplified(const ScriptConversions& conversions, const std::wstring& text) {
    std::string bytes;
    std::wstring working = text;
    step(bytes, conversions.encode(text, kGbk));
    step(working, conversions.decode(bytes, kBig5));
    return mapped(conversions, working, kLocalePrc, LCMAP_SIMPLIFIED_CHINESE);
}

std::wstring toTraditionalAsGbk(const ScriptConversions& conversions, const std::wstring& text) {
    const std::wstring working = mapped(conversions, text, kLocaleTaiwan, LCMAP_TRADITIONAL_CHINESE);
    std::string bytes;
    std::wstring result;
    step(bytes, conversions.encode(working, kBig5));
    step(result, conversions.decode(bytes, kGbk));
    return result;
}

template <typename Value> Value orInvalidCall(std::optional<Value> value) {
    if (!value)
        throw errors::Error(errors::number::InvalidProcedureCall, L"Invalid procedure call or argument");
    return std::move(*value);
}

} // namespace

std::wstring charsetFor(LANGID language) {
    return language == kChinesePrc ? L"GBK" : L"BIG5";
}

void applyCharsetRule() {
    SystemCharset = charsetFor(GetSystemDefaultLangID());
}

const ScriptConversions& systemConversions() {
    static const ScriptConversions conversions{encodeInCodePage, decodeFromCodePage, mapScript};
    return conversions;
}

std::wstring convertScript(const ScriptConversions& conversions, const std::wstring& text,
                           std::int16_t mode) {
    switch (mode) {
    case 1:
        return toSimplified(conversions, text);
    case 2:
        return toTraditionalAsGbk(conversions, text);
    default:
        return std::wstring();
    }
}

std::wstring convertScript(const std::wstring& text, std::int16_t mode) {
    return convertScript(systemConversions(), text, mode);
}

std::wstring ansiBytesToText(const std::string& bytes) {
    if (bytes.empty())
        return std::wstring();
    std::wstring text = orInvalidCall(decodeFromCodePage(bytes, CP_ACP));
    if (SystemCharset == L"BIG5")
        text = convertScript(text, 2);
    return text;
}

// Mode 2's result carries the Big5 bytes of the traditional form as code-page-936 text;
// read back as Big5 they spell that form, which is what a Unicode window must show.
std::wstring localiseText(const std::wstring& text) {
    if (SystemCharset == L"GBK" || text.empty())
        return text;
    return orInvalidCall(
        decodeFromCodePage(orInvalidCall(encodeInCodePage(convertScript(text, 2), kGbk)), kBig5));
}

} // namespace gb_big5_api
