#pragma once

#include <string>

#include "game/world/army_objects.h"
#include "game/world/bonus_objects.h"
#include "game/world/dwelling.h"
#include "game/world/location.h"
#include "game/world/spell_teacher.h"
#include "game/world/town.h"

namespace cv::test {

// "Type x,y", what the object carries besides, and its name.
inline std::string Described(const MapObj& object) {
    std::string text = object.Factory().name() + " " + std::to_string(object.cell().x) + "," +
                       std::to_string(object.cell().y);
    if (auto* port = dynamic_cast<const Teleporter*>(&object)) {
        text += ">" + std::to_string(port->target().x);
    } else if (auto* map = dynamic_cast<const ContinentMap*>(&object)) {
        text += " " + map->target();
    } else if (auto* dwelling = dynamic_cast<const Dwelling*>(&object)) {
        text += " " + dwelling->unit();
    } else if (auto* teacher = dynamic_cast<const SpellTeacher*>(&object)) {
        text += " " + std::to_string(teacher->price());
    } else if (auto* band = dynamic_cast<const ArmyObject*>(&object)) {
        text += " " + band->army()->ToText();
    } else if (auto* town = dynamic_cast<const Town*>(&object)) {
        text += " " + town->castle() + " " + town->spell() + (town->visited() ? " visited" : "");
    }
    return text + (object.name().empty() ? "" : " " + object.name()) + "; ";
}

// Every object of the continent, described in list order.
inline std::string Layout(const Location& location) {
    std::string text;
    for (const auto& object : location.objects()) text += Described(*object);
    return text;
}

}  // namespace cv::test
