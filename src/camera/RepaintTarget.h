#pragma once

// A window that the acquisition thread asks to repaint (without erasing)
// after it has updated the window's record. Called on the acquisition thread:
// implementations only queue the repaint to the user interface thread.
class RepaintTarget {
public:
    virtual ~RepaintTarget() = default;
    virtual void RequestRepaint() = 0;
};
