#pragma once

#include <string>

#include "game/model/villain.h"
#include "game/world/castle.h"

namespace cv {

class World;

// The roaming monsters ("Mon"): they lay claim to every castle at first and
// take back any that is left without a garrison.
Ref<CastleRuler> MakeMonstersRuler(Castle& castle);
// A villain ("Vil"), who from now on sits in this castle.
Ref<CastleRuler> MakeVillainRuler(Castle& castle, Ref<Villain> villain);
// The hero ("My"), once his siege is won.
Ref<CastleRuler> MakeHeroRuler(Castle& castle);

// The ruler a castle's record names by its type id; a villain is known by
// number only until ReconnectVillains. Fatal "Invalid Castle owner ID: <%s>"
// for any other type.
Ref<CastleRuler> ReadRuler(Castle& castle, ChunkReader& in);
// Gives every restored villain ruler its villain from `villains` and tells
// him the castle he sits in; fatal "Invalid number of Villain = %d" for a
// number the table lacks. Runs after the continents are read and before the
// villains' own states, which then take precedence.
void ReconnectVillains(World& world, const VillainTable& villains);

// "Castle <CASTLE> is under no ones's rule.", also for a castle without ruler.
std::u16string UnruledStatus(const Castle& castle);

}  // namespace cv
