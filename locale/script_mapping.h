#pragma once
// The character mapping of the script conversion, with the contract of LCMapStringW for
// LCMAP_SIMPLIFIED_CHINESE and LCMAP_TRADITIONAL_CHINESE: one unit for one unit into the
// destination, never more than its length, returning the count written (0 on failure).
// It uses the program's own table on every platform, so that Windows and Wine convert
// alike; the locale is accepted for the contract's sake and does not change the result.

#include <windows.h>

int mapScript(LCID locale, DWORD flags, const wchar_t* source, int sourceLength, wchar_t* destination,
              int destinationLength);
