// Choosing a ship type by its picture.
#include <ostream>
#include <string>
#include <vector>

#include "placement/placement_fixture.h"
#include "support/case_name.h"

namespace placement_test {
namespace {

struct TypeRow {
    int length;
    const char* text;
    ui::TextBox game::Form1::*stock;
    const char* stockAfter;
};

TEST_F(PlacementTest, AChoicePreparesTheFirstSegmentOfItsType) {
    const std::vector<TypeRow> rows = {{1, "Люгер", &game::Form1::txtLyger, "3"},
                                       {2, "Галеон", &game::Form1::txtGaleon, "2"},
                                       {3, "Фрегат", &game::Form1::txtFregat, "1"},
                                       {4, "Линкор", &game::Form1::txtLinkor, "0"}};
    for (const TypeRow& row : rows) {
        SCOPED_TRACE(row.text);
        // Left-overs of an earlier ship, which the choice must not let through.
        f1().txtKletka.setText("77");
        f1().txtMemory.setText("66");
        f1().txtNomerdoli.setText("5");
        m().SchetDoli = 3;
        m().TekKorabl = {0, 9, 8, 7, 6};
        Snapshot expected = snapshot();

        choose(row.length);

        expected.texts["txtUtschot"] = std::to_string(row.length);
        expected.texts["txtKorabl"] = row.text;
        expected.texts[(f1().*row.stock).name()] = row.stockAfter;
        // GCC 12 at -O2 and above warns of overlapping copies here (-Wrestrict), a false positive
        // of its inlined std::string code (GCC bugs 105329, 105651); Clang has no such warning.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
        expected.texts["txtKletka"] = "0";
        expected.texts["txtMemory"] = "0";
        expected.texts["txtNomerdoli"] = "1";
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
        expected.RazmerKorablya = row.length;
        expected.SchetDoli = 0;
        expected.TekKorabl = {0, 0, 0, 0, 0};
        expectSame(expected, snapshot());

        f1().cmdOtmena.click();  // gives the ship back before the next row
    }
}

struct RefusalCase {
    const char* what;
    std::vector<Step> before;
    int length;  // of the type whose choice is refused
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.what;
}

class RefusedChoiceTest : public PlacementTest,
                          public ::testing::WithParamInterface<RefusalCase> {};

// A refused choice changes nothing at all, and runs no marking either.
TEST_P(RefusedChoiceTest, ChangesNothing) {
    run(GetParam().before);
    const Snapshot before = snapshot();
    choose(GetParam().length);
    expectSame(before, snapshot());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedChoiceTest,
    ::testing::Values(
        RefusalCase{"while a Фрегат has one cell left", {choice(3), cell(45), cell(46)}, 1},
        RefusalCase{"a Линкор under way", {choice(4), cell(45)}, 4},
        RefusalCase{"the Линкор is used up", {choice(4), cell(1), cell(2), cell(3), cell(4)}, 4},
        RefusalCase{
            "all four Люгер are taken",
            {choice(1), cell(1), choice(1), cell(3), choice(1), cell(5), choice(1), cell(7)},
            1}),
    support::NameFromWhat{});

}  // namespace
}  // namespace placement_test
