#pragma once

#include <map>
#include <string>

#include "core/dispatcher.h"

namespace cv {

// What a battlefield cell holding one "TacticsMap" id looks like.
struct TacticsItem {
    std::string image;
    bool free = false;
};

// The "TacticsMap" items of the rules, keyed by their numeric id.
class TacticsMapTable {
public:
    // Fatal when the node is missing, an id repeats ("1" and "01") or an item
    // has no "Img".
    void Load(Dispatcher* root);
    // Fatal "Invalid value <%d> for Tactics Map" for an id without an item.
    const TacticsItem& ItemFor(int id) const;

private:
    std::map<int, TacticsItem> items_;
};

// The game's tactics map table.
TacticsMapTable& TacticsMap();

}  // namespace cv
