#pragma once

#include "drawing/DrawingSettings.h"
#include "drawing/DrawingStyle.h"

#include <QString>
#include <QStringList>

class CDrawingManagement;

// Moves of the selected object in the drawing order.
enum class ZOrderMove {
    MostBackward, // to the start of the list: drawn first
    Back,         // one step toward the start
    Front,        // one step toward the end
    MostFront,    // to the end: drawn last, on top
};

// What the drawing property dialog shows and edits, without widgets: the
// object list, the selected line, working copies of the selected object's
// style and of the manager's settings. Every edit goes to the manager at
// once, so the live image shows it on the next frame.
class DrawingPropertyModel {
public:
    explicit DrawingPropertyModel(CDrawingManagement& manager);

    // Refills the list from the manager, selects the line of the topmost
    // selected object (the first line when none is) and copies that object's
    // style and the manager's settings.
    void Reload();

    // One line per object: "<index>. <name>".
    const QStringList& Lines() const { return lines_; }
    // The selected line, -1 when the list is empty.
    int SelectedLine() const { return selectedLine_; }
    bool HasSelection() const { return selectedLine_ >= 0; }
    // The order buttons need two objects; "Set As Default Style" one.
    bool CanReorder() const { return lines_.size() > 1; }
    bool CanSetDefaultStyle() const { return !lines_.isEmpty(); }

    // Selects the line's object alone and takes its style.
    void SelectLine(int line);
    // Moves the selected object; its line stays selected.
    void Move(ZOrderMove move);

    const DrawingStyle& Style() const { return style_; }
    const DrawingSettings& Settings() const { return settings_; }
    bool DrawOnSnapshot() const { return drawOnSnapshot_; }

    // Applies the style to the selected object. False, changing nothing, when
    // there is no selection, the manager refuses the style, or the line no
    // longer holds an object of the style's kind (the drawing changed behind
    // the list): the caller then reloads.
    bool ApplyStyle(const DrawingStyle& style);
    void ApplySettings(const DrawingSettings& settings);
    void ApplyDrawOnSnapshot(bool on);
    // The working style becomes the style of new objects.
    void SetAsDefaultStyle();

    bool Save(const QString& path) const;
    // Loads the file and reloads the model, also after a failed load: objects
    // read before the failure stay in the drawing. `error` receives why.
    bool Load(const QString& path, QString* error = nullptr);
    // Makes the file the one loaded when the camera is connected.
    void RegisterInitialFile(const QString& path);

private:
    CDrawingManagement& manager_;
    DrawingStyle style_;
    DrawingSettings settings_;
    bool drawOnSnapshot_ = false;
    QStringList lines_;
    int selectedLine_ = -1;
};
