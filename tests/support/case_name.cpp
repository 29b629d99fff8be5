#include "support/case_name.h"

#include <stdexcept>
#include <utility>

namespace support {

namespace {

constexpr std::pair<std::string_view, std::string_view> kLatin[] = {
    {"Линкор", "Linkor"},
    {"Фрегат", "Fregat"},
    {"Галеон", "Galeon"},
    {"Люгер", "Lyuger"},
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiAlnum(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::string caseName(std::string_view what) {
    std::string text(what);
    for (const auto& [cyrillic, spelt] : kLatin) {
        for (auto at = text.find(cyrillic); at != std::string::npos; at = text.find(cyrillic, at))
            text.replace(at, cyrillic.size(), spelt);
    }
    std::string name;
    bool wordStart = true;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            throw std::invalid_argument(std::string(what) + ": a word with no Latin spelling");
        }
        if (!isAsciiAlnum(c)) {
            wordStart = true;
            continue;
        }
        if (wordStart && !name.empty() && isDigit(name.back()) && isDigit(c)) name += '_';
        if (wordStart && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        name += c;
        wordStart = false;
    }
    return name;
}

}  // namespace support
