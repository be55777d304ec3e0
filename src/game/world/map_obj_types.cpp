#include "game/world/map_obj.h"

#include "game/world/army_objects.h"
#include "game/world/boat.h"
#include "game/world/bonus_objects.h"
#include "game/world/castle.h"
#include "game/world/dwelling.h"
#include "game/world/kings_castle.h"
#include "game/world/signpost.h"
#include "game/world/spell_teacher.h"
#include "game/world/town.h"

namespace cv {

// Every type's factory is built here rather than by a static of the type's
// own file, which the linker would leave out of a program that only ever
// restores that type. A type's Factory() answers FindFactory(its name).
void RegisterWorldObjectTypes() {
    static const MapObjFactoryOf<KingsCastle> kingsCastle("King");
    static const MapObjFactoryOf<Enemy> enemy("Enemy");
    static const MapObjFactoryOf<Join> join("Join");
    static const MapObjFactoryOf<Treasure> treasure("RndBonus");
    static const MapObjFactoryOf<ArtifactObject> artifact("Art");
    static const MapObjFactoryOf<Teleporter> teleporter("Teleport");
    static const MapObjFactoryOf<MapRevealer> mapRevealer("ShowMap");
    static const MapObjFactoryOf<ContinentMap> continentMap("NextMap");
    static const MapObjFactoryOf<Dwelling> dwelling("Recr");
    static const MapObjFactoryOf<SpellTeacher> spellTeacher("TeachSpell");
    static const MapObjFactoryOf<Signpost> signpost("Sign");
    static const MapObjFactoryOf<Boat> boat("Sail");
    static const MapObjFactoryOf<Castle> castle("Castle");
    static const MapObjFactoryOf<Town> town("Town");
}

}  // namespace cv
