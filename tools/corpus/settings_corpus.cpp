#include "tools/corpus/settings_corpus.h"

#include <array>
#include <cctype>
#include <optional>
#include <random>

namespace corpus {

namespace {

struct Key {
    const char* section;
    const char* name;
    int low;
    int high;
};

constexpr std::array<Key, 7> kKeys{{{"set", "simple", 0, 1},
                                    {"set", "fullscreen", 0, 1},
                                    {"set", "effect", 0, 1},
                                    {"set", "BattleMode", 0, 2},
                                    {"constant", "Game_Speed", 1, 100},
                                    {"constant", "SOUND_VOLUME", 0, 127},
                                    {"constant", "MUSIC_VOLUME", 0, 127}}};

// Values that test the edges of the conversions and the ranges.
const std::vector<std::string> kOddValues{
    "",         " ",      "-1",         "2",          "3",          "0",           "1",     "100",
    "101",      "127",    "128",        "-65536",     "-65535",     "65536",       "32767", "32768",
    "-32768",   "-32769", "2147483647", "2147483648", "4294967296", "99999999999", "abc",   "1a",
    "0x10",     "1.5",    "1e2",        "+1",         "-0",         "007",         " 5 ",   "\t2",
    "\xA3\xB1", "1 2",    "--1",        "+",          "\"1\"",      "1;comment",   "=1"};

std::string valueOf(std::mt19937& random, const Key& key) {
    return std::to_string(std::uniform_int_distribution<int>(key.low, key.high)(random));
}

class Writer {
  public:
    explicit Writer(std::mt19937& random) : random_(random) {}

    // A whole file of the seven keys, each key given its value by `value` (nullptr: left out).
    template <typename Value> std::string file(Value value, const std::string& lineEnd = "\r\n") {
        std::string text;
        for (const char* section : {"set", "constant"}) {
            text += std::string("[") + section + "]" + lineEnd;
            for (const Key& key : kKeys)
                if (std::string(key.section) == section)
                    if (const auto line = value(key))
                        text += std::string(key.name) + "=" + *line + lineEnd;
        }
        return text;
    }

    std::string validFile(const std::string& lineEnd = "\r\n") {
        return file([&](const Key& key) { return std::optional<std::string>(valueOf(random_, key)); },
                    lineEnd);
    }

  private:
    std::mt19937& random_;
};

std::string utf16WithBom(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

void addValidFiles(std::vector<Case>& cases, std::mt19937& random) {
    Writer writer(random);
    const char* lineEnds[] = {"\r\n", "\n", "\r"};
    for (int i = 0; i < 90; ++i) {
        const std::string lineEnd = lineEnds[i % 3];
        cases.push_back(
            {std::string("valid, line ends ") + std::to_string(i % 3), writer.validFile(lineEnd)});
    }
    for (int i = 0; i < 10; ++i) {
        // The other section and its key are named in Chinese, in code-page-936 bytes.
        std::string text = std::string("; settings of the game\r\n\r\n") + writer.validFile() +
                           "\r\n[\xC6\xE4\xCB\xFB]\r\n\xC3\xFB\xD7\xD6=\xD6\xD0\xCE\xC4 value\r\n";
        cases.push_back({"valid with comments and another section", text});
        std::string spaced; // "[ SET ]", "SIMPLE = 1"
        for (const char c : writer.validFile()) {
            const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            spaced += c == '=' ? " = " : c == '[' ? "[ " : c == ']' ? " ]" : std::string(1, upper);
        }
        cases.push_back({"names in capitals, blanks inside [] and around =", spaced});
        cases.push_back({"a key before the first section", "simple=9\r\n" + writer.validFile()});
        const std::string valid = writer.validFile();
        cases.push_back({"no line end at the end", valid.substr(0, valid.size() - 2)});
    }
}

void addOddValues(std::vector<Case>& cases, std::mt19937& random) {
    Writer writer(random);
    for (const Key& target : kKeys) {
        for (const std::string& odd : kOddValues)
            cases.push_back({std::string(target.name) + "=" + odd, writer.file([&](const Key& key) {
                                 return std::optional<std::string>(&key == &target ? odd
                                                                                   : valueOf(random, key));
                             })});
        cases.push_back({std::string(target.name) + " missing", writer.file([&](const Key& key) {
                             return &key == &target ? std::nullopt
                                                    : std::optional<std::string>(valueOf(random, key));
                         })});
    }
}

void addStructuralDamage(std::vector<Case>& cases, std::mt19937& random) {
    Writer writer(random);
    for (int i = 0; i < 10; ++i) {
        const std::string valid = writer.validFile();
        const auto constant = valid.find("[constant]");
        cases.push_back({"no [set] section", valid.substr(constant)});
        cases.push_back({"no [constant] section", valid.substr(0, constant)});
        cases.push_back({"sections repeated", valid + writer.validFile()});
        cases.push_back({"keys repeated", valid.substr(0, constant) + "simple=" + valueOf(random, kKeys[0]) +
                                              "\r\n" + valid.substr(constant)});
        cases.push_back({"blanks around keys and values", writer.file([&](const Key& key) {
                             std::string padded = " ";
                             padded += valueOf(random, key);
                             padded += ' ';
                             return std::optional<std::string>(padded);
                         })});
        cases.push_back({"section names in other case",
                         "[SET]\r\nsimple=1\r\nfullscreen=0\r\neffect=1\r\nBattleMode=2\r\n"
                         "[Constant]\r\nGame_Speed=5\r\nSOUND_VOLUME=6\r\nMUSIC_VOLUME=7\r\n"});
        cases.push_back({"UTF-8 byte-order mark", std::string("\xEF\xBB\xBF") + writer.validFile()});
        cases.push_back({"UTF-16 byte-order mark", utf16WithBom(writer.validFile())});
        std::string withNul = writer.validFile();
        withNul.insert(std::uniform_int_distribution<std::size_t>(0, withNul.size())(random), 1, '\0');
        cases.push_back({"a NUL byte", withNul});
        cases.push_back(
            {"a 64 KB line", std::string("; ") + std::string(65536, 'x') + "\r\n" + writer.validFile()});
    }
    cases.push_back({"empty file", ""});
    cases.push_back({"qirmod.ini is a folder", "", true});
    std::string large = writer.validFile();
    while (large.size() < 10 * 1024 * 1024)
        large += "; padding padding padding padding padding padding padding padding padding padding\r\n";
    cases.push_back({"a 10 MB file", large});
}

void addRandomBytes(std::vector<Case>& cases, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 20; ++i) {
        std::string bytes(static_cast<std::size_t>(std::uniform_int_distribution<int>(1, 4096)(random)),
                          '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        cases.push_back({"random bytes", bytes});
    }
    Writer writer(random);
    for (int i = 0; i < 20; ++i) {
        std::string text = writer.validFile();
        for (int flips = 0; flips < 3; ++flips)
            text[std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random)] =
                static_cast<char>(byte(random));
        cases.push_back({"valid with three bytes changed", text});
    }
}

} // namespace

std::vector<Case> generate(unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Case> cases;
    addValidFiles(cases, random);
    addOddValues(cases, random);
    addStructuralDamage(cases, random);
    addRandomBytes(cases, random);
    return cases;
}

} // namespace corpus
