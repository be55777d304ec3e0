#include "mapgen/map_ini_writer.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "mapgen/map_names.h"

namespace cv::mapgen {
namespace {

void Append(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

void Append(std::string& out, const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    out.append(buffer, static_cast<size_t>(std::clamp(length, 0, int{sizeof buffer} - 1)));
}

int GameY(GridPos p) {
    return 63 - p.b;
}

// Numbered entries: three digits while the number has one.
void AppendNumbered(std::string& out, const std::vector<GridPos>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        const int number = static_cast<int>(i), x = cells[i].a, y = GameY(cells[i]);
        if (number < 10) {
            Append(out, "\t00%d { X=%d\tY=%d }\n", number, x, y);
        } else {
            Append(out, "\t0%d { X=%d\tY=%d }\n", number, x, y);
        }
    }
}

void AppendTownsAndCastles(std::string& out, const ContinentNames& names,
                           const ContinentLayout& layout) {
    out += "    }\n    Towns {\n";
    for (size_t i = 0; i < std::min(layout.towns.size(), names.towns.size()); ++i) {
        Append(out, "      %s {\n\tX = %d\tY = %d Castle = \"%s\"\n      }\n", names.towns[i].town,
               layout.towns[i].a, GameY(layout.towns[i]), names.towns[i].castle);
    }
    out += "    }\n    Castles {\n";
    for (size_t i = 0; i < std::min(layout.castles.size(), names.towns.size()); ++i) {
        Append(out, "\t %s { X = %d\tY = %d }\n", names.towns[i].castle, layout.castles[i].a,
               GameY(layout.castles[i]));
    }
}

void AppendKingsPlaces(std::string& out, const ContinentLayout& layout) {
    if (layout.spellTeacher) {
        Append(
            out,
            "      Velmire {\n\tType = \"TeachSpells\"\n\tX = %d\tY = %d\n\tCost = 5000\n      }\n",
            layout.spellTeacher->a, GameY(*layout.spellTeacher));
    }
    if (!layout.castles.empty()) {
        const GridPos king = layout.castles.back();
        Append(out, "      KingsCastle {\n\tType = \"KingsCastle\"\tX = %d\tY = %d\n      }\n",
               king.a, GameY(king));
    }
}

}  // namespace

std::string MapIniOpening() {
    return "; Modifications of CV.ini\nMaps {\n";
}

std::string ContinentSection(int index, const ContinentPlan& plan, const ContinentLayout& layout) {
    const ContinentNames& names = NamesOf(index);
    std::string out;
    Append(out, "  ;************************** %s\n  %s {\n", names.id, names.id);
    Append(out, "    Index = %d\n    X0 = %d\n    Y0 = %d\n", index, 1, 1);
    Append(out, "    EnemyIcon = \"Img\\\\Army\\\\Armies.Layer %d\"\n", index + 1);
    Append(out, "    MapIcon = \"Img\\\\Inv\\\\%c%d\"\n", 'A' + index / 2, 5 + index % 2);
    out += "    Bonuses {\n";
    AppendNumbered(out, layout.treasureSpots);
    AppendTownsAndCastles(out, names, layout);
    out += "    }\n    Armies {\n";
    AppendNumbered(out, layout.armies);
    out += "    }\n    Signs { @ }\n    Misc { @\n";
    if (plan.HasKingsCastle()) AppendKingsPlaces(out, layout);
    Append(out, "    }\n  } ; end of %s\n", names.id);
    return out;
}

std::string MapIniClosing(const ContinentLayout& kingsContinent) {
    std::string out = "} ; end of maps definition\n";
    if (!kingsContinent.castles.empty()) {
        const GridPos king = kingsContinent.castles.back();
        Append(out, "StartHero.X0 = %d\nStartHero.Y0 = %d\n", king.a, 62 - king.b);
    }
    return out;
}

}  // namespace cv::mapgen
