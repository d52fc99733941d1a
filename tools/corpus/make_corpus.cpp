// Writes the corpus into a folder, one numbered file per case, for reading by hand:
//   make_corpus.exe FOLDER [SEED]
#include "tools/corpus/settings_corpus.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_corpus FOLDER [SEED]\n");
        return 2;
    }
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20261207u;
    int number = 0;
    for (const corpus::Case& testCase : corpus::generate(seed)) {
        char name[32];
        std::snprintf(name, sizeof name, "/%04d.ini", ++number);
        if (std::FILE* file = std::fopen((std::string(argv[1]) + name).c_str(), "wb")) {
            std::fwrite(testCase.bytes.data(), 1, testCase.bytes.size(), file);
            std::fclose(file);
        }
        std::printf("%04d %s%s\n", number, testCase.name.c_str(), testCase.folder ? " (a folder)" : "");
    }
    return 0;
}
