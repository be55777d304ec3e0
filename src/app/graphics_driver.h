#pragma once

namespace cv {

// What the application shell asks of the graphics device.
class GraphicsDriver {
public:
    virtual ~GraphicsDriver() = default;
    virtual void Open() = 0;      // creates the screen surface
    virtual void Close() = 0;
    virtual void Suspend() = 0;
    virtual void Resume() = 0;
    virtual void Present() = 0;   // copies the screen surface to the window
};

GraphicsDriver* CurrentGraphicsDriver();
void SetGraphicsDriver(GraphicsDriver* driver);

}  // namespace cv
