#include <gtest/gtest.h>

#include "shell/module1.h"

namespace {

TEST(Module1Test, ResetZeroesEveryElementFromOneAndLeavesElementZero) {
    game::Module1 m;
    m.PoleIgroka.fill(7);
    m.Sosedi.fill(7);
    m.TekKorabl.fill(7);
    m.FlotVraga.fill(7);
    m.SosediVraga.fill(7);
    m.SosediPopadaniy.fill(7);
    m.KorablKletki.fill(7);
    m.ZapretKomp.fill(7);
    m.VystrelyIgroka.fill(7);
    m.SchetDoli = m.SchetTaimera = m.RazmerKorablya = m.Napravlenie = m.StoronaChetv =
        m.StoronaTret = m.HodComp = m.Popadanie = m.Natsiya = m.Itog = 7;

    m.reset();

    auto zeroFromOne = [](const auto& a) {
        for (std::size_t i = 1; i < a.size(); ++i) {
            if (a[i] != 0) return false;
        }
        return a[0] == 7;  // element 0 is never touched
    };
    EXPECT_TRUE(zeroFromOne(m.PoleIgroka));
    EXPECT_TRUE(zeroFromOne(m.Sosedi));
    EXPECT_TRUE(zeroFromOne(m.TekKorabl));
    EXPECT_TRUE(zeroFromOne(m.FlotVraga));
    EXPECT_TRUE(zeroFromOne(m.SosediVraga));
    EXPECT_TRUE(zeroFromOne(m.SosediPopadaniy));
    EXPECT_TRUE(zeroFromOne(m.KorablKletki));
    EXPECT_TRUE(zeroFromOne(m.ZapretKomp));
    EXPECT_TRUE(zeroFromOne(m.VystrelyIgroka));
    for (int v : {m.SchetDoli, m.SchetTaimera, m.RazmerKorablya, m.Napravlenie, m.StoronaChetv,
                  m.StoronaTret, m.HodComp, m.Popadanie, m.Natsiya, m.Itog}) {
        EXPECT_EQ(v, 0);
    }
}

}  // namespace
