#include "forms/platform/fonts.h"

#include "forms/platform/dpi.h"
#include "forms/platform/program_resource.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace forms {

namespace {

LOGFONTW withFace(LOGFONTW font, std::wstring_view face) {
    if (face.empty())
        return font;
    const std::size_t length = std::min(face.size(), std::size_t{LF_FACESIZE - 1});
    std::copy_n(face.data(), length, font.lfFaceName);
    font.lfFaceName[length] = L'\0';
    font.lfCharSet = DEFAULT_CHARSET; // the face decides, not a character set
    return font;
}

// A memory device context with the font selected, for questions about the realised font.
class FontOnDc {
  public:
    explicit FontOnDc(HFONT font) : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, font)) {}
    ~FontOnDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    FontOnDc(const FontOnDc&) = delete;
    FontOnDc& operator=(const FontOnDc&) = delete;
    HDC dc() const { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// The face that the system realises for the font, when it covers the text; else empty.
std::wstring coveringFace(const LOGFONTW& font, std::wstring_view text) {
    HFONT handle = CreateFontIndirectW(&font);
    std::wstring face;
    if (fontCovers(handle, text)) {
        FontOnDc selected(handle);
        wchar_t name[LF_FACESIZE] = L"";
        GetTextFaceW(selected.dc(), LF_FACESIZE, name);
        face = name;
    }
    DeleteObject(handle);
    return face;
}

int CALLBACK noteFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
    if (font->lfFaceName[0] != L'@') // vertical variants of the same faces
        reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(font->lfFaceName);
    return 1;
}

// The installed families of the character set, or of the one face when it is given.
std::vector<std::wstring> installedFamilies(BYTE charSet, std::wstring_view face = {}) {
    LOGFONTW query = withFace(LOGFONTW{}, face);
    query.lfCharSet = charSet;
    std::vector<std::wstring> faces;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, noteFamily, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    return faces;
}

} // namespace

bool fontCovers(HFONT font, std::wstring_view text) {
    if (text.empty())
        return true;
    FontOnDc selected(font);
    std::vector<WORD> glyphs(text.size());
    const DWORD found = GetGlyphIndicesW(selected.dc(), text.data(), static_cast<int>(text.size()),
                                         glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    return found == text.size() && std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

bool loadCompiledInFont(const CompiledInFont& font) {
    static std::set<int> loaded;
    if (loaded.contains(font.resource))
        return true;
    const std::span<const std::uint8_t> bytes = programResource(font.resource);
    DWORD fonts = 0;
    if (bytes.empty() || !AddFontMemResourceEx(const_cast<std::uint8_t*>(bytes.data()),
                                               static_cast<DWORD>(bytes.size()), nullptr, &fonts))
        return false;
    loaded.insert(font.resource); // for the rest of the run
    return true;
}

std::wstring chooseFontFace(UINT dpi, std::wstring_view text, std::span<const wchar_t* const> preferredFaces,
                            const CompiledInFont& lastResort) {
    const LOGFONTW message = messageFont(dpi);
    if (!coveringFace(message, text).empty())
        return {};
    for (const wchar_t* face : preferredFaces)
        if (!installedFamilies(DEFAULT_CHARSET, face).empty())
            if (std::wstring covering = coveringFace(withFace(message, face), text); !covering.empty())
                return covering;
    for (const BYTE charSet : {BYTE{GB2312_CHARSET}, BYTE{CHINESEBIG5_CHARSET}})
        for (const std::wstring& face : installedFamilies(charSet))
            if (std::wstring covering = coveringFace(withFace(message, face), text); !covering.empty())
                return covering;
    if (lastResort.resource && loadCompiledInFont(lastResort))
        return coveringFace(withFace(message, lastResort.face), text);
    return {};
}

HFONT createFormFont(UINT dpi, LONG height, const std::wstring& face) {
    LOGFONTW font = withFace(messageFont(dpi), face);
    font.lfHeight = height;
    return CreateFontIndirectW(&font);
}

} // namespace forms
