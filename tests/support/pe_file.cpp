#include "tests/support/pe_file.h"

#include "tests/support/test_support.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace test {

PeFile::PeFile(const std::wstring& path) : bytes_(readFile(path)) {}

const IMAGE_NT_HEADERS& PeFile::headers() const {
    return at<IMAGE_NT_HEADERS>(static_cast<std::size_t>(at<IMAGE_DOS_HEADER>(0).e_lfanew));
}

std::set<std::string> PeFile::importedDlls() const {
    std::set<std::string> names;
    const auto& directory = headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (std::size_t offset = fileOffset(directory.VirtualAddress);;
         offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto& entry = at<IMAGE_IMPORT_DESCRIPTOR>(offset);
        if (entry.Name == 0)
            break;
        std::string name(&bytes_[fileOffset(entry.Name)]);
        std::transform(name.begin(), name.end(), name.begin(), [](char c) { return char(std::tolower(c)); });
        names.insert(name);
    }
    return names;
}

std::size_t PeFile::fileOffset(DWORD rva) const {
    const auto& nt = headers();
    const auto* section = IMAGE_FIRST_SECTION(&nt);
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i, ++section)
        if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
            return rva - section->VirtualAddress + section->PointerToRawData;
    throw std::runtime_error("address outside the sections");
}

} // namespace test
