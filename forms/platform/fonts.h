#pragma once
// The one font a form draws its controls with: the system's message font, unless that
// lacks a character the form shows; then, at the same size, a font that has them all.

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace forms {

// Whether the font, as the system realises it, has a glyph of its own for every
// character of the text.
bool fontCovers(HFONT font, std::wstring_view text);

// A font compiled into the program (an RCDATA resource) and the family it holds: the last
// resort where the system has no font for the text. It is loaded for this process alone,
// never installed, and only when it is needed; none when the resource is 0.
struct CompiledInFont {
    int resource = 0;
    std::wstring_view face;
};

// The face of the form's font for the text at the DPI, or empty for the message font:
// the message font if it covers the text, else the first preferred face that is
// installed and covers it, else the first Chinese font the system lists that does, else
// the compiled-in font where that does.
std::wstring chooseFontFace(UINT dpi, std::wstring_view text, std::span<const wchar_t* const> preferredFaces,
                            const CompiledInFont& lastResort = {});

// Loads the compiled-in font for this process, once; false when it cannot be loaded.
bool loadCompiledInFont(const CompiledInFont& font);

// The form's font at the DPI: the message font at the height given (lfHeight), in the face
// given unless that is empty.
HFONT createFormFont(UINT dpi, LONG height, const std::wstring& face);

} // namespace forms
