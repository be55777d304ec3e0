#pragma once

#include <string>

#include "gfx/sprite.h"

namespace cv {

// The extension added to image names to find their files: ".tga" until
// start-up registers ".s16".
std::string& ImageExtension();

// The cached sprite of an image name ("Img\Main\back", no extension), loaded
// on first use.
Ref<Sprite> getImage(const std::string& name);

// Forgets every cached sprite that only the cache still holds.
void purgeImages();

// A new sprite read from name + the image extension through the resources;
// a missing file fails with "Resource not found: ...".
Ref<Sprite> loadImage(const std::string& name);

// The build mode the name of a picture asks for: a file name starting with
// "#" is opaque, with "$" screen-blended, anything else alpha.
int BuildModeOfName(const std::string& name);

}  // namespace cv
