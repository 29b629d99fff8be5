// Numbers kept in text fields are decimal text. Reading never fails: leading blanks are
// skipped, an optional sign and the digits that follow are taken, and anything else (empty
// text, letters) reads as 0. Writing gives plain decimal text with a leading minus.
#pragma once

#include <string>
#include <string_view>

namespace ui {

long toNumber(std::string_view text);
std::string toText(long value);

}  // namespace ui
