// The built Trovane_Config.exe as a file: version block, icon, picture, imports and
// the security flags of its PE header.

#include "forms/core/application.h"
#include "resources/resource_ids.h"
#include "resources/version.h"
#include "tests/support/pe_file.h"
#include "tests/support/test_support.h"
#include "ui/program_title.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

std::wstring exePath() {
    return forms::applicationDirectory() + L"\\Trovane_Config.exe";
}

std::wstring versionString(const std::vector<BYTE>& block, const std::wstring& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\080404B0\\" + name;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length))
        return L"<missing>";
    return static_cast<const wchar_t*>(value);
}

TEST(ExeFile, VersionBlockIsSimplifiedChineseWithTheProgramsNames) {
    const DWORD size = GetFileVersionInfoSizeW(exePath().c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(exePath().c_str(), 0, size, block.data()));
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
    EXPECT_EQ(versionString(block, L"FileVersion"), L"" TROVANE_VERSION_TEXT);
    EXPECT_EQ(versionString(block, L"ProductVersion"), L"" TROVANE_VERSION_TEXT);
    EXPECT_EQ(versionString(block, L"InternalName"), kProgramTitle);
    EXPECT_EQ(versionString(block, L"OriginalFilename"), L"Trovane_Config.exe");
}

// The icon's images, one for each size that Windows asks for from 100 % to 200 % and that
// Explorer's largest view shows: 256 is written as 0 in the group.
TEST(ExeFile, CarriesTheIconInEverySizeAndTheSplashPicture) {
    HMODULE exe =
        LoadLibraryExW(exePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(exe);
    HRSRC group =
        FindResourceW(exe, MAKEINTRESOURCEW(IDI_TROVANE_CONFIG), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_TRUE(group);
    const auto* header = static_cast<const BYTE*>(LockResource(LoadResource(exe, group)));
    std::vector<int> sizes;
    for (WORD image = 0; image < *reinterpret_cast<const WORD*>(header + 4); ++image) {
        const BYTE* entry = header + 6 + 14 * image; // GRPICONDIRENTRY
        EXPECT_EQ(entry[0], entry[1]) << "square";
        EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 24) << "bits per pixel";
        sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    HRSRC picture = FindResourceW(exe, MAKEINTRESOURCEW(IDR_SPLASH_PICTURE), MAKEINTRESOURCEW(10));
    ASSERT_TRUE(picture);
    const auto* jpeg = static_cast<const unsigned char*>(LockResource(LoadResource(exe, picture)));
    EXPECT_EQ(std::memcmp(jpeg, "\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01", 13), 0);
    FreeLibrary(exe);
}

// Only DLLs that Windows always takes from its system folder (known DLLs): the loader
// resolves imports before the program can restrict where DLLs come from.
TEST(ExeFile, ImportsOnlyWindowsKnownDlls) {
    const std::set<std::string> known{"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"};
    for (const std::string& dll : test::PeFile(exePath()).importedDlls())
        EXPECT_TRUE(known.count(dll)) << dll;
}

// Under Wine the planted-DLL test cannot fail for this (Wine loads those DLLs before the
// program starts), so the exe is checked for the call that restricts the search.
TEST(ExeFile, RestrictsDllLoadingToTheSystemFolder) {
    EXPECT_NE(test::readFile(exePath()).find("SetDefaultDllDirectories"), std::string::npos);
}

// High-entropy addresses exist only for 64-bit images.
TEST(ExeFile, HeaderAsksForAslrAndDep) {
    const test::PeFile exe(exePath());
    const auto& headers = exe.headers();
    const bool is64Bit = sizeof(void*) == 8;
    EXPECT_EQ(headers.FileHeader.Machine, is64Bit ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386);
    const auto flags = headers.OptionalHeader.DllCharacteristics;
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
    EXPECT_EQ((flags & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA) != 0, is64Bit);
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
}

// Without a requested execution level, Windows virtualizes the 32-bit program's writes
// in protected folders exactly as it does the game's, so both see one qirmod.ini.
TEST(ExeFile, ManifestKeepsCommonControlsAndDpiButRequestsNoExecutionLevel) {
    HMODULE exe =
        LoadLibraryExW(exePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(exe);
    HRSRC resource = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_TRUE(resource);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(exe, resource))),
                               SizeofResource(exe, resource));
    FreeLibrary(exe);
    for (const char* needed : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0", "PerMonitorV2",
                               "<dpiAware", "supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(needed), std::string::npos) << needed;
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
}

} // namespace
