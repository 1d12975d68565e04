#include "Manifest.h"
#include "draw/BackgroundDraw.h"

namespace artgen {

namespace {

template <int Quest>
void drawQuest(Canvas& c)
{
    drawQuestBackground(c, Quest);
}

// Frame 512 by 256, stretched over the play field. Quests 2, 11 and 21 are keyed red: the game
// shows what lies behind them through their holes (the dark gateway, the sliding door, a deep pit).
const ArtEntry kBackgrounds[] = {
    {"Quest1", 512, 256, 512, 256, 1, kKeyNone, drawQuest<1>},
    {"Quest2", 512, 256, 512, 256, 1, kKeyRed, drawQuest<2>},
    {"Quest3", 512, 256, 512, 256, 1, kKeyNone, drawQuest<3>},
    {"Quest4", 512, 256, 512, 256, 1, kKeyNone, drawQuest<4>},
    {"Quest5", 512, 256, 512, 256, 1, kKeyNone, drawQuest<5>},
    {"Quest6", 512, 256, 512, 256, 1, kKeyNone, drawQuest<6>},
    {"Quest7", 512, 256, 512, 256, 1, kKeyNone, drawQuest<7>},
    {"Quest8", 512, 256, 512, 256, 1, kKeyNone, drawQuest<8>},
    {"Quest9", 512, 256, 512, 256, 1, kKeyNone, drawQuest<9>},
    {"Quest10", 512, 256, 512, 256, 1, kKeyNone, drawQuest<10>},

    {"Quest11", 512, 256, 512, 256, 1, kKeyRed, drawQuest<11>},
    {"Quest12", 512, 256, 512, 256, 1, kKeyNone, drawQuest<12>},
    {"Quest13", 512, 256, 512, 256, 1, kKeyNone, drawQuest<13>},
    {"Quest14", 512, 256, 512, 256, 1, kKeyNone, drawQuest<14>},
    {"Quest15", 512, 256, 512, 256, 1, kKeyNone, drawQuest<15>},
    {"Quest16", 512, 256, 512, 256, 1, kKeyNone, drawQuest<16>},
    {"Quest17", 512, 256, 512, 256, 1, kKeyNone, drawQuest<17>},
    {"Quest18", 512, 256, 512, 256, 1, kKeyNone, drawQuest<18>},
    {"Quest19", 512, 256, 512, 256, 1, kKeyNone, drawQuest<19>},
    {"Quest20", 512, 256, 512, 256, 1, kKeyNone, drawQuest<20>},

    {"Quest21", 512, 256, 512, 256, 1, kKeyRed, drawQuest<21>},
    {"Quest22", 512, 256, 512, 256, 1, kKeyNone, drawQuest<22>},
    {"Quest23", 512, 256, 512, 256, 1, kKeyNone, drawQuest<23>},
    {"Quest24", 512, 256, 512, 256, 1, kKeyNone, drawQuest<24>},
    {"Quest25", 512, 256, 512, 256, 1, kKeyNone, drawQuest<25>},

    {"Quest31", 512, 256, 512, 256, 1, kKeyNone, drawQuest<31>},
    {"Quest32", 512, 256, 512, 256, 1, kKeyNone, drawQuest<32>},
    {"Quest33", 512, 256, 512, 256, 1, kKeyNone, drawQuest<33>},
    {"Quest34", 512, 256, 512, 256, 1, kKeyNone, drawQuest<34>},
    {"Quest35", 512, 256, 512, 256, 1, kKeyNone, drawQuest<35>},
    {"Quest36", 512, 256, 512, 256, 1, kKeyNone, drawQuest<36>},
    {"Quest37", 512, 256, 512, 256, 1, kKeyNone, drawQuest<37>},
    {"Quest38", 512, 256, 512, 256, 1, kKeyNone, drawQuest<38>},
    {"Quest39", 512, 256, 512, 256, 1, kKeyNone, drawQuest<39>},
    {"Quest40", 512, 256, 512, 256, 1, kKeyNone, drawQuest<40>},

    {"Quest41", 512, 256, 512, 256, 1, kKeyNone, drawQuest<41>},
    {"Quest42", 512, 256, 512, 256, 1, kKeyNone, drawQuest<42>},
    {"Quest43", 512, 256, 512, 256, 1, kKeyNone, drawQuest<43>},
    {"Quest44", 512, 256, 512, 256, 1, kKeyNone, drawQuest<44>},
    {"Quest45", 512, 256, 512, 256, 1, kKeyNone, drawQuest<45>},

    {"Quest51", 512, 256, 512, 256, 1, kKeyNone, drawQuest<51>},
    {"Quest52", 512, 256, 512, 256, 1, kKeyNone, drawQuest<52>},
    {"Quest53", 512, 256, 512, 256, 1, kKeyNone, drawQuest<53>},
    {"Quest54", 512, 256, 512, 256, 1, kKeyNone, drawQuest<54>},
    {"Quest55", 512, 256, 512, 256, 1, kKeyNone, drawQuest<55>},
    {"Quest56", 512, 256, 512, 256, 1, kKeyNone, drawQuest<56>},
    {"Quest57", 512, 256, 512, 256, 1, kKeyNone, drawQuest<57>},
    {"Quest58", 512, 256, 512, 256, 1, kKeyNone, drawQuest<58>},
    {"Quest59", 512, 256, 512, 256, 1, kKeyNone, drawQuest<59>},
    {"Quest60", 512, 256, 512, 256, 1, kKeyNone, drawQuest<60>},
};

}  // namespace

std::span<const ArtEntry> backgroundArt() { return kBackgrounds; }

}  // namespace artgen
