// Names of parameterised cases, made from the words that describe each row. gtest allows only
// ASCII letters, digits and '_' in a name, and ctest lists the name as it stands, so it is the
// same in every build.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace support {

// Each word capitalised and run together, the ship types spelt in Latin letters, and numbers
// kept apart by '_': "a Линкор, its own cells included" gives "ALinkorItsOwnCellsIncluded",
// "Фрегат 9, 10" gives "Fregat9_10". Throws std::invalid_argument on any other non-ASCII text.
std::string caseName(std::string_view what);

// The name generator for INSTANTIATE_TEST_SUITE_P over rows that say `what` they are.
struct NameFromWhat {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return caseName(info.param.what);
    }
};

}  // namespace support
