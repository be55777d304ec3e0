#include "game/world/map_obj.h"

namespace cv {

// Every type's factory is built here rather than by a static of the type's
// own file, which the linker would leave out of a program that only ever
// restores that type. A type's Factory() answers FindFactory(its name).
void RegisterWorldObjectTypes() {}

}  // namespace cv
