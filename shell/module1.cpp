#include "shell/module1.h"

namespace game {

void Module1::reset() {
    for (int i = 1; i <= 100; ++i) {
        PoleIgroka[i] = 0;
        SosediPopadaniy[i] = 0;
        KorablKletki[i] = 0;
        VystrelyIgroka[i] = 0;
        ZapretKomp[i] = 0;
    }
    for (int i = 1; i <= 8; ++i) {
        Sosedi[i] = 0;
        SosediVraga[i] = 0;
    }
    for (int i = 1; i <= 4; ++i)
        TekKorabl[i] = 0;
    for (int i = 1; i <= 20; ++i)
        FlotVraga[i] = 0;
    SchetDoli = 0;
    HodComp = 0;
    SchetTaimera = 0;
    RazmerKorablya = 0;
    StoronaTret = 0;
    Napravlenie = 0;
    StoronaChetv = 0;
    Popadanie = 0;
    Natsiya = 0;
    Itog = 0;
}

}  // namespace game
