#pragma once
// A little reader of a PE image file: its headers and the DLLs it imports.

#include <windows.h>

#include <set>
#include <string>

namespace test {

class PeFile {
  public:
    explicit PeFile(const std::wstring& path);

    // The image's headers, for the architecture of this build (the program's own).
    const IMAGE_NT_HEADERS& headers() const;
    // The imported DLLs' names, in lower case.
    std::set<std::string> importedDlls() const;

  private:
    template <typename T> const T& at(std::size_t offset) const {
        return *reinterpret_cast<const T*>(bytes_.data() + offset);
    }
    std::size_t fileOffset(DWORD rva) const;

    std::string bytes_;
};

} // namespace test
