#pragma once
// A reproducible corpus of qirmod.ini files, valid and broken, for running the program
// against: the same seed gives the same cases, byte for byte.

#include <string>
#include <vector>

namespace corpus {

struct Case {
    std::string name;    // what the case is about, for reports
    std::string bytes;   // the file's contents
    bool folder = false; // qirmod.ini is a folder instead of a file
};

std::vector<Case> generate(unsigned seed);

} // namespace corpus
