#pragma once

#include "drawing/DrawingSettings.h"
#include "drawing/DrawingStyle.h"

// What the drawing property pages see of their dialog: the working copies
// they show, and the edits they report. Each edit is applied at once, after
// which the dialog reloads every page.
class CTabParentBase {
public:
    virtual const DrawingStyle& WorkingStyle() const = 0;
    virtual const DrawingSettings& WorkingSettings() const = 0;
    // Without a selected object the style controls are disabled.
    virtual bool HasSelectedObject() const = 0;
    virtual bool DrawOnSnapshot() const = 0;

    virtual void StyleEdited(const DrawingStyle& style) = 0;
    virtual void SettingsEdited(const DrawingSettings& settings) = 0;
    virtual void DrawOnSnapshotEdited(bool on) = 0;

protected:
    ~CTabParentBase() = default;
};
