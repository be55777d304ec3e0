#pragma once

#include <string>
#include <vector>

#include "gfx/geometry.h"
#include "gfx/sprite.h"

namespace cv {

// True when the player switched animations off: new animations keep only
// their first frame and nothing advances.
bool& AnimationsDisabled();

// Sprite frames shown one after the other, each for its delay in timer ticks.
class Animation : public RefCounted {
public:
    void addFrame(int delay, Ref<Sprite> sprite);

    // These request a redraw only when something changes.
    void setPosition(Point position);
    void setMode(int mode);
    // An index outside the frames is ignored.
    void setFrame(int index);

    // Draws the current frame at the position with the mode.
    void paint() const;
    // One timer tick: when the current frame's ticks run out the next frame
    // (wrapping to the first) shows for its own delay.
    void tick();
    void pause() { paused_ = true; }
    void resume() { paused_ = false; }
    // The sum of all frame delays.
    int getDuration() const;

    int frameCount() const { return static_cast<int>(frames_.size()); }
    int frame() const { return index_; }
    const Sprite* frameSprite(int index) const { return frames_.at(index).sprite.get(); }
    Point position() const { return position_; }

private:
    struct Frame {
        int delay;
        Ref<Sprite> sprite;
    };
    std::vector<Frame> frames_;
    int index_ = 0;
    int ticksLeft_ = 0;
    Point position_;
    int mode_ = 0;
    bool paused_ = false;
};

// Frames loaded (uncached) from `firstFrame`, then from the names counted up
// from it ("Anim09", "Anim10", ...), each shown for one tick. Only the first
// frame while animations are disabled.
Ref<Animation> createAnimation(const std::string& firstFrame, int count);

// The animation the table names, with its frame count and delay; null for a
// name the table does not hold.
Ref<Animation> createAnimationById(const std::string& name);

// The name of the frame after `name`: its last character counts up by one and
// carries into the one before it past "9".
std::string NextFrameName(std::string name);

// Reads the animation table "anim.ini" from the resources, replacing the
// one read before. A block without "Name1st" is a group: each of its blocks
// is the entry "<group>:<block>".
void LoadAnimationTable();

// Enters `name` as a one-frame animation of `picture` unless the table holds
// it already: a unit that anim.ini forgot still shows its still picture.
void RegisterStillAnimation(const std::string& name, const std::string& picture);

// The names of the table's entries, in name order.
std::vector<std::string> AnimationNames();

}  // namespace cv
