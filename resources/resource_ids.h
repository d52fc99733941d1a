#pragma once
// Resource identifiers shared by the resource script and the code.

#define IDI_TROVANE_CONFIG 1
#define IDR_SPLASH_PICTURE 101
// The font for systems without a Chinese font (tools/make_fallback_font.py), and its family.
#define IDR_FALLBACK_FONT 102
#ifndef RC_INVOKED
inline constexpr wchar_t kFallbackFontFace[] = L"Trovane Fallback";
#endif
