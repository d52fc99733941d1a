// The built Trovane_Config.exe as a file: version block, icon, picture, imports and
// the security flags of its PE header.

#include "resources/resource_ids.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

namespace {

std::wstring exePath() {
    return test::binaryFolder() + L"\\Trovane_Config.exe";
}

std::wstring versionString(const std::vector<BYTE>& block, const std::wstring& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\080404B0\\" + name;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length))
        return L"<missing>";
    return static_cast<const wchar_t*>(value);
}

// A little reader of the PE image in the file.
class PeFile {
  public:
    explicit PeFile(const std::wstring& path) : bytes_(test::readFile(path)) {}

    const IMAGE_NT_HEADERS64& headers() const {
        const auto& dos = at<IMAGE_DOS_HEADER>(0);
        return at<IMAGE_NT_HEADERS64>(static_cast<std::size_t>(dos.e_lfanew));
    }

    std::set<std::string> importedDlls() const {
        std::set<std::string> names;
        const auto& directory = headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (std::size_t offset = fileOffset(directory.VirtualAddress);;
             offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto& entry = at<IMAGE_IMPORT_DESCRIPTOR>(offset);
            if (entry.Name == 0)
                break;
            std::string name(&bytes_[fileOffset(entry.Name)]);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](char c) { return char(std::tolower(c)); });
            names.insert(name);
        }
        return names;
    }

  private:
    template <typename T> const T& at(std::size_t offset) const {
        return *reinterpret_cast<const T*>(bytes_.data() + offset);
    }
    std::size_t fileOffset(DWORD rva) const {
        const auto& nt = headers();
        const auto* section = IMAGE_FIRST_SECTION(&nt);
        for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i, ++section)
            if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
                return rva - section->VirtualAddress + section->PointerToRawData;
        throw std::runtime_error("address outside the sections");
    }
    std::string bytes_;
};

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
    EXPECT_EQ(versionString(block, L"FileVersion"), L"1.00");
    EXPECT_EQ(versionString(block, L"ProductVersion"), L"1.00");
    EXPECT_EQ(versionString(block, L"InternalName"), L"Trovane_Config");
    EXPECT_EQ(versionString(block, L"OriginalFilename"), L"Trovane_Config.exe");
}

TEST(ExeFile, CarriesOne32PixelIconAndTheSplashPicture) {
    HMODULE exe =
        LoadLibraryExW(exePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(exe);
    HRSRC group =
        FindResourceW(exe, MAKEINTRESOURCEW(IDI_TROVANE_CONFIG), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_TRUE(group);
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(exe, group)));
    EXPECT_EQ(header[2], 1) << "one image";
    const auto* entry = reinterpret_cast<const BYTE*>(header + 3);
    EXPECT_EQ(entry[0], 32);
    EXPECT_EQ(entry[1], 32);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 24) << "bits per pixel";
    HRSRC picture = FindResourceW(exe, MAKEINTRESOURCEW(IDR_SPLASH_PICTURE), MAKEINTRESOURCEW(10));
    ASSERT_TRUE(picture);
    const auto* jpeg = static_cast<const unsigned char*>(LockResource(LoadResource(exe, picture)));
    EXPECT_EQ(std::memcmp(jpeg, "\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01", 13), 0);
    FreeLibrary(exe);
}

TEST(ExeFile, ImportsOnlyWindowsOwnDlls) {
    const std::set<std::string> allowed{"kernel32.dll", "user32.dll",  "gdi32.dll",         "comctl32.dll",
                                        "shell32.dll",  "ole32.dll",   "windowscodecs.dll", "msvcrt.dll",
                                        "advapi32.dll", "oleaut32.dll"};
    for (const std::string& dll : PeFile(exePath()).importedDlls())
        EXPECT_TRUE(allowed.count(dll)) << dll;
}

TEST(ExeFile, HeaderAsksForAslrAndDep) {
    const auto flags = PeFile(exePath()).headers().OptionalHeader.DllCharacteristics;
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA);
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
}

} // namespace
