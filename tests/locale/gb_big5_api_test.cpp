// The charset rule and the script conversions, to the byte.

#include "locale/code_pages.h"
#include "locale/gb_big5_api.h"
#include "locale/script_mapping.h"

#include "errors/error.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using gb_big5_api::convertScript;
using gb_big5_api::localiseText;

std::string bytesIn(const std::wstring& text, UINT codePage) {
    return *encodeInCodePage(text, codePage);
}

class WithCharset : public testing::Test {
  protected:
    void use(const wchar_t* charset) { gb_big5_api::SystemCharset = charset; }
    void TearDown() override { gb_big5_api::SystemCharset.clear(); }
};

TEST(CharsetRule, OnlyTheChinesePrcLanguageIsGbk) {
    EXPECT_EQ(gb_big5_api::charsetFor(2052), L"GBK");
    EXPECT_EQ(gb_big5_api::charsetFor(1028), L"BIG5");
    EXPECT_EQ(gb_big5_api::charsetFor(1033), L"BIG5");
    EXPECT_EQ(gb_big5_api::charsetFor(0), L"BIG5");
    EXPECT_EQ(gb_big5_api::charsetFor(0x1004), L"BIG5") << "Chinese, Singapore";
}

TEST(ConvertScript, ModeTwoGivesTheBig5BytesOfTheTraditionalFormAsGbkText) {
    const std::wstring converted = convertScript(L"繁體", 2);
    EXPECT_EQ(converted.size(), 2u);
    EXPECT_EQ(bytesIn(converted, 936), "\xC1\x63\xC5\xE9");
    EXPECT_EQ(convertScript(converted, 1), L"繁体");
    EXPECT_EQ(bytesIn(convertScript(L"简体", 2), 936), bytesIn(L"簡體", 950));
}

TEST(ConvertScript, OtherModesGiveTheEmptyText) {
    for (std::int16_t mode : {std::int16_t{0}, std::int16_t{3}, std::int16_t{-1}, std::int16_t{32767}})
        EXPECT_EQ(convertScript(L"繁體", mode), L"") << mode;
}

TEST(ConvertScript, AsciiAndDigitsPassUnchanged) {
    EXPECT_EQ(convertScript(L"Label7 127", 2), L"Label7 127");
    EXPECT_EQ(convertScript(L"", 2), L"");
}

// Conversions whose code page 950 is not installed.
std::optional<std::string> encodeWithout950(std::wstring_view text, UINT codePage) {
    return codePage == 950 ? std::nullopt : encodeInCodePage(text, codePage);
}
std::optional<std::wstring> decodeWithout950(std::string_view bytes, UINT codePage) {
    return codePage == 950 ? std::nullopt : decodeFromCodePage(bytes, codePage);
}
int failingMap(LCID, DWORD, const wchar_t*, int, wchar_t*, int) {
    return 0;
}

TEST(ConvertScript, AFailingStepIsSkippedAndLeavesItsValue) {
    const gb_big5_api::ScriptConversions without950{encodeWithout950, decodeWithout950, mapScript};
    EXPECT_EQ(convertScript(without950, L"简体", 1), L"简体") << "the working text stays as it came";
    EXPECT_EQ(convertScript(without950, L"简体", 2), L"") << "no Big5 bytes: nothing to decode";
    const gb_big5_api::ScriptConversions noMapping{encodeInCodePage, decodeFromCodePage, failingMap};
    EXPECT_EQ(convertScript(noMapping, L"简体", 1), std::wstring(2, L'\0'));
    EXPECT_EQ(convertScript(noMapping, L"简体", 2), std::wstring(2, L'\0'));
}

TEST_F(WithCharset, AnsiBytesToTextDecodesEachByteOnce) {
    use(L"GBK");
    EXPECT_EQ(gb_big5_api::ansiBytesToText(""), L"");
    EXPECT_EQ(gb_big5_api::ansiBytesToText("A"), L"A");
    EXPECT_EQ(gb_big5_api::ansiBytesToText("Label7"), L"Label7");
    EXPECT_EQ(gb_big5_api::ansiBytesToText(bytesIn(L"繁體", CP_ACP)),
              *decodeFromCodePage(bytesIn(L"繁體", CP_ACP), CP_ACP));
    use(L"BIG5");
    EXPECT_EQ(gb_big5_api::ansiBytesToText("Label7"), L"Label7");
}

TEST_F(WithCharset, AnEmptyCharsetIsNotGbk) {
    EXPECT_EQ(localiseText(L"简体"), L"簡體");
    use(L"gbk");
    EXPECT_EQ(localiseText(L"简体"), L"簡體") << "the comparison is case-sensitive";
}

} // namespace
