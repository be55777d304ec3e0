#include "autoplay/villain_hunt.h"

namespace cv::autoplay {

Villain* Contracted(const RunningGame& game) {
    Villain* villain = game.villains().Get(game.hero().currentContract());
    return villain && !villain->IsCaught() ? villain : nullptr;
}

int LastSeenContinent(const RunningGame& game, const Villain& villain) {
    if (villain.castle().empty()) return -1;
    for (int i = 0; i < game.world().Count(); ++i) {
        const Location* location = game.world().Get(i);
        if (location && location->FindCastle(villain.castle())) return i;
    }
    return -1;
}

Castle* KnownLair(const RunningGame& game, const Villain& villain) {
    const int continent = LastSeenContinent(game, villain);
    if (!villain.seen() || continent < 0) return nullptr;
    return game.world().Get(continent)->FindCastle(villain.castle());
}

}  // namespace cv::autoplay
