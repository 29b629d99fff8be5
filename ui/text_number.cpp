#include "ui/text_number.h"

#include <limits>

namespace ui {

long toNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Saturate instead of overflowing: a long run of digits must not be undefined behaviour.
    constexpr long kLimit = std::numeric_limits<int>::max();
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) {
            value = kLimit;
        }
    }
    return negative ? -value : value;
}

std::string toText(long value) {
    return std::to_string(value);
}

}  // namespace ui
