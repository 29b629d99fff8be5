// Whole computer moves over the sample fleet with every number scripted: each shot's target,
// picture, message, large picture, count, hunt state and mask, and the numbers it takes.
#include <gtest/gtest.h>

#include "turn_fixture.h"

namespace {

using namespace turn;

struct Shot {
    std::vector<double> draws;
    int target;
    char shows;  // 'X' hit, 'o' miss
    const char* message;
    const char* picture;
    const char* count;
    const char* state;
    std::size_t maskSize;
};

class Sequence : public TurnTest {
protected:
    void play(const std::vector<Shot>& shots) {
        int n = 0;
        for (const Shot& s : shots) {
            SCOPED_TRACE("shot " + std::to_string(++n));
            std::string expected = grid();
            expected[s.target - 1] = s.shows;
            shoot(s.draws);
            EXPECT_EQ(grid(), expected);
            EXPECT_EQ(f2().LabelL.caption(), s.message);
            EXPECT_EQ(pictureArea(), (std::vector<std::string>{s.picture}));
            EXPECT_EQ(f2().txtVr.text(), s.count);
            EXPECT_EQ(f2().Text2.text(), s.state);
            EXPECT_EQ(mask().size(), s.maskSize);
            EXPECT_EQ(f2().txtHodu.text(), s.shows == 'X' ? "2" : "1");
            if (s.shows == 'o') computerMoves();  // the player's next miss
        }
    }
};

constexpr const char* kMiss = "ImagePromah";

// The first battle of a run: the Линкор is found, hunted through misses and refusals and sunk;
// its surroundings are then refused, and so is a one-cell ship's own cell once it is sunk.
TEST_F(Sequence, HuntsTheLinkorFromItsMiddle) {
    battle(support::kSampleFleet);
    const char* linkor = "Задет ваш ЛИНКОР!";
    play({
        {{cellDraw(0), cellDraw(55)}, 55, 'o', "", kMiss, "", "0", 0},
        {{cellDraw(55), cellDraw(3)}, 3, 'X', linkor, "ImageGLin", "1", "1", 0},
        {{dirDraw(1)}, 13, 'o', "", kMiss, "1", "1", 0},
        {{dirDraw(3), dirDraw(1), dirDraw(0)}, 4, 'X', linkor, "ImageGLin", "2", "2", 0},
        {{sideDraw(0)}, 5, 'o', "", kMiss, "2", "2", 0},
        {{sideDraw(0), sideDraw(1)}, 2, 'X', linkor, "ImageGLin", "3", "3", 0},
        {{sideDraw(0)}, 1, 'X', linkor, "ImageGLin", "4", "4", 0},
        {{cellDraw(12), cellDraw(5), cellDraw(100)},
         100,
         'X',
         "Задет ваш ЛЮГЕР",
         "ImageGLyg",
         "5",
         "1",
         10},
        {{cellDraw(100), cellDraw(90), cellDraw(77)}, 77, 'o', "", kMiss, "5", "0", 13},
    });
    EXPECT_EQ(f2().txtPom.text(), "77");
    EXPECT_EQ(f2().Text1.text(), "0");
}

// A later battle, from the fields the battle reset leaves: a vertical Фрегат hit in its middle,
// a Галеон on the right edge and one in the middle of a row.
TEST_F(Sequence, HuntsAcrossColumnsAndAlongTheRightEdge) {
    battle(support::kSampleFleet);
    for (ui::TextBox* t : {&f2().Text1, &f2().txtPom, &f2().txtVr, &f2().Text2})
        t->setText("0");
    const char* fregat = "Задет ваш ФРЕГАТ!";
    const char* galeon = "Задет ваш ГАЛЕОН!";
    play({
        {{cellDraw(31)}, 31, 'X', fregat, "ImageGFre", "1", "1", 0},
        {{dirDraw(1)}, 41, 'X', fregat, "ImageGFre", "2", "2", 0},
        {{sideDraw(0)}, 51, 'o', "", kMiss, "2", "2", 0},
        {{sideDraw(0), sideDraw(1)}, 21, 'X', fregat, "ImageGFre", "3", "3", 0},
        {{cellDraw(10)}, 10, 'X', galeon, "ImageGGal", "4", "1", 10},
        {{dirDraw(0), dirDraw(3), dirDraw(2)}, 9, 'o', "", kMiss, "4", "1", 10},
        {{dirDraw(2), dirDraw(1)}, 20, 'X', galeon, "ImageGGal", "5", "2", 10},
        {{cellDraw(27)}, 27, 'X', galeon, "ImageGGal", "6", "1", 16},
        {{dirDraw(2)}, 26, 'X', galeon, "ImageGGal", "7", "2", 16},
        {{cellDraw(26), cellDraw(43)}, 43, 'X', "Задет ваш ЛЮГЕР", "ImageGLyg", "8", "1", 28},
    });
    EXPECT_EQ(m().Napravlenie, 2);
    EXPECT_EQ(m().StoronaTret, 1);
}

}  // namespace
