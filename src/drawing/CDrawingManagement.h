#pragma once

#include "drawing/CDrawingBase.h"
#include "drawing/DrawingSettings.h"
#include "drawing/DrawingStyle.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
#include <vector>

class QPainter;

// Owns the shapes drawn over the first camera's live image: the ordered
// object list (first drawn first, last on top), the tool being used and the
// mouse interaction, the default style for new shapes, the measurement units
// and the reference grid. Paints all of it onto frames and keeps it in
// drawing files. Every public operation holds the manager's mutex for its
// whole duration (a file is read before it is taken): the user interface
// thread edits while the acquisition thread paints.
class CDrawingManagement {
    Q_DECLARE_TR_FUNCTIONS(CDrawingManagement)

public:
    enum InteractionState : int32_t {
        kIdle = 0,
        kDragging = 1,
        kRubberBand = 2,
        kPlacing = 3,
    };

    CDrawingManagement();
    ~CDrawingManagement();
    CDrawingManagement(const CDrawingManagement&) = delete;
    CDrawingManagement& operator=(const CDrawingManagement&) = delete;

    // Drawing files. Loading replaces every object; a file that cannot be
    // read (or is not a regular file of sane size) leaves the drawing as it
    // was. False, with the reason in `error` when given, when an object of
    // the file could not be made or styled (the objects before it stay) or
    // the file could not be read or written. Every number read is brought
    // into what can be drawn (see DrawingStyle.h).
    bool LoadDrawingFile(const QString& path, QString* error = nullptr);
    bool SaveDrawingFile(const QString& path) const;

    // Paints the grid, every object in list order and the rubber band onto the
    // painter's frame (8-bit grey or 24-bit BGR image).
    void DrawOnFrame(QPainter& painter) const;
    // True when DrawOnFrame would paint nothing: no grid lines, no objects,
    // no rubber band.
    bool DrawsNothing() const;
    // The same on packed frame rows: 1 byte per pixel grey, or 3 (B, G, R)
    // when colour. False for a null or empty frame.
    bool DrawOnFrame(uint8_t* pixels, int width, int height, bool colour) const;

    // Object list, as the property dialog and the main window use it.
    int ObjectCount() const;
    // Deletes every selected object; true when any was deleted.
    bool DeleteSelected();
    // Sets the object's selection to `value` and clears every other one.
    void SelectOnly(int index, bool value);
    // The highest selected index, 0 when none is selected.
    int TopSelectedIndex() const;
    int CountSelected() const;
    // Swaps the object with its upper (later) or lower neighbour, with
    // `repeat` all the way to the top or bottom; gives its final index.
    int MoveInZOrder(int index, bool upward, bool repeat);
    // False for an index beyond the list; setting also refuses a style whose
    // pen or brush cannot be built.
    bool SetObjectStyle(int index, const DrawingStyle& style);
    bool GetObjectStyle(int index, DrawingStyle& style) const;
    // The object's points; empty for an index beyond the list.
    std::vector<QPoint> ObjectPoints(int index) const;
    // One line per object: "<index>. <name>".
    QStringList ObjectListLines() const;

    // Units, pixel sizes, degree ratio and grid, replaced as one block.
    void SetDefaults(const DrawingSettings& settings);
    DrawingSettings Defaults() const;
    // The style given to every new object.
    void SetDefaultStyle(const DrawingStyle& style);
    DrawingStyle DefaultStyle() const;

    // The drawing file loaded when the camera is connected ("DrawFileName").
    void SetDrawingFileName(const QString& path);
    QString DrawingFileName() const;
    // "Draw To Snap Shot": snapshots get the drawing burnt in.
    void SetDrawOnSnapshot(bool on);
    bool DrawOnSnapshot() const;
    // The frame size the grid spans, set when the first camera's preview starts.
    void SetImageSize(int width, int height);

    // Tool: 0 selects, 1..12 creates shapes of that drawing type. Choosing a
    // tool cancels any shape in progress and clears every selection; false for
    // an unknown tool.
    bool SetTool(int32_t tool);
    int32_t Tool() const;
    // Whether a shape is being made (a tool is set and it has points).
    bool IsCreating() const;
    // Ends the shape in progress where it stands (right button); back to the
    // selection tool. False when none was in progress.
    bool FinishCreation();

    // Mouse input in image pixels; keyFlags holds kShiftKeyFlag while Shift is down.
    void OnPress(QPoint p, unsigned keyFlags);
    // Gives the cursor the pointer should show.
    Qt::CursorShape OnMove(unsigned keyFlags, QPoint p);
    void OnRelease();

    InteractionState State() const;
    uint32_t HitCode() const;

private:
    using ObjectList = std::vector<std::unique_ptr<CDrawingBase>>;

    void PressWhileCreating(QPoint p, unsigned keyFlags);
    void PressWhileSelecting(QPoint p, unsigned keyFlags);
    void EndCreation();
    void DeselectAll();
    int CountSelectedLocked() const;
    void DrawGrid(QPainter& painter, bool grey) const;
    void DrawRubberBand(QPainter& painter, bool grey) const;

    mutable std::mutex mutex_;
    QString drawingFileName_;
    bool drawOnSnapshot_ = false;
    ObjectList objects_;
    InteractionState state_ = kIdle;
    QPoint lastPoint_;
    QPoint anchorPoint_;
    uint32_t hitCode_ = kHitNone;
    DrawingSettings settings_;
    int32_t tool_ = kDrawingSelect;
    int pointsPlaced_ = 0;
    // The object being made: the one further presses and moves place points
    // on; null when no shape is in progress.
    CDrawingBase* creating_ = nullptr;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    DrawingStyle defaultStyle_;
};
