#pragma once

#include <string>

// What the camera context needs of the drawing manager, which the drawing
// subsystem builds and the context owns: the name of the drawing file, kept
// in the settings file as DrawFileName of the first camera.
class ContextDrawingManager {
public:
    virtual ~ContextDrawingManager() = default;
    virtual std::string DrawFileName() const = 0;
};
