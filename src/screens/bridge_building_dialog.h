#pragma once

#include <string>
#include <vector>

#include "screens/answered_dialog.h"

namespace cv {

// Which way to build a bridge, form "BridgeBuilding": the question in
// "Title", a button for each way the bridge can go ("Left", "Right", "Down",
// "Up"), of which only those in `open` can be pressed, and "Cancel". A
// button answers its name; Esc answers "Cancel".
class BridgeBuildingDialog : public AnsweredDialog {
public:
    BridgeBuildingDialog(std::vector<std::string> open, AnswerHandler then)
        : AnsweredDialog(std::move(then)), open_(std::move(open)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Cancel"; }

private:
    std::vector<std::string> open_;
};

}  // namespace cv
