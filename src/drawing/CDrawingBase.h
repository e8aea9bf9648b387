#pragma once

#include "drawing/DrawingGeometry.h"
#include "drawing/DrawingPaint.h"
#include "drawing/DrawingSettings.h"
#include "drawing/DrawingStyle.h"

#include <QCoreApplication>
#include <QFont>
#include <QPoint>
#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

// Hit codes: 1..65535 is a point number + 1; the two derived corners of a
// two-point box; the body; 0 a miss.
constexpr uint32_t kHitNone = 0;
constexpr uint32_t kHitMaxPoint = 0xFFFF;
constexpr uint32_t kHitBody = 0x9u << 16;
constexpr uint32_t kHitCornerA = 0xAu << 16; // x of point 0, y of point 1
constexpr uint32_t kHitCornerB = 0xBu << 16; // x of point 1, y of point 0

// Mouse key flag of the Shift key.
constexpr unsigned kShiftKeyFlag = 4;

// Press counts that no shape reaches: such shapes are finished by the caller.
constexpr int kOpenEndedTarget = 30000;

// A shape drawn over the image: its defining points in image pixels, its
// style, and the measurement texts it writes beside itself.
class CDrawingBase {
    Q_DECLARE_TR_FUNCTIONS(CDrawingBase)

public:
    // What sets one kind apart from the others, fixed per class.
    struct KindTraits {
        int32_t type;
        const char* name; // default name, translated in the CDrawingBase context
        int initialPoints;
        int32_t textMode;
        int pointTarget;
        int releaseTarget;
        drawing::ShiftConstraint shift;
        bool box;
    };

    virtual ~CDrawingBase() = default;
    CDrawingBase(const CDrawingBase&) = delete;
    CDrawingBase& operator=(const CDrawingBase&) = delete;

    int32_t Type() const { return traits_.type; }
    bool IsBox() const { return traits_.box; }
    // Presses at which creation ends on a press, and after which a release ends it.
    int PointTarget() const { return traits_.pointTarget; }
    int ReleaseTarget() const { return traits_.releaseTarget; }

    const DrawingStyle& Style() const { return style_; }
    // Copies the style in (keeping the kind's type) and rebuilds the font;
    // false, leaving the object as it was, when pen or brush cannot be built.
    bool ApplyStyle(const DrawingStyle& style);
    bool IsSelected() const { return style_.selected != 0; }
    void SetSelected(bool selected) { style_.selected = selected ? 1 : 0; }
    // Neither hidden nor locked: can be hit, picked by the rubber band and dragged.
    bool IsPickable() const { return style_.hide == 0 && style_.lock == 0; }

    virtual uint32_t HitTest(QPoint p) const;
    static Qt::CursorShape CursorFor(uint32_t hitCode);
    void Drag(uint32_t hitCode, unsigned keyFlags, QPoint oldPoint, QPoint newPoint);
    // While creating: applies the Shift constraint, then sets the point.
    virtual void PlacePoint(int index, unsigned keyFlags, QPoint p);
    // Sets a point, growing the point array to index + 1 when needed.
    void SetPoint(int index, QPoint p);
    // The point, or (0, 0) beyond the array.
    QPoint GetPoint(int index) const;
    void RemovePoint(int index);
    void InsertPoint(int index, QPoint p);
    int PointCount() const { return int(points_.size()); }
    const std::vector<QPoint>& Points() const { return points_; }
    // The Shift constraint of the kind on point 0 or 1, anchored at the other.
    QPoint Constrain(int index, QPoint p) const;

    virtual std::optional<double> GetLength(double sx, double sy) const;
    virtual std::optional<double> GetArea(double sx, double sy) const;
    // Direction from point j to point i in degrees, clockwise on screen.
    double GetAngle(int i, int j, double sx, double sy) const;
    virtual drawing::DrawingRect GetBoundingBox() const;
    // Rubber-band selection: stores and returns whether the band picks the object.
    bool SelectIfInRect(const drawing::DrawingRect& band);

    // The measurement texts the display text mode asks for, placed in image pixels.
    virtual std::vector<PlacedText> LayoutTexts(const DrawingUnits& units) const;

    // Draws shape, texts and extras with the object's own style; hidden
    // objects draw nothing.
    void Draw(QPainter& painter, const DrawingUnits& units) const;
    // With the object's pen, brush and background already on the painter.
    virtual void DrawShape(QPainter& painter) const = 0;
    // With the text colour, text background and font already on the painter.
    void DrawTexts(QPainter& painter, const DrawingUnits& units) const;
    // Extras drawn after the texts: handles on the points of a selected object.
    virtual void DrawAfter(QPainter& painter) const;

protected:
    // Takes pen, brush, background, font and text settings from the default
    // style (or the standalone defaults without one) and puts every initial
    // point at the creation point.
    CDrawingBase(const KindTraits& traits, const DrawingStyle* defaults, QPoint creationPoint);

    // The texts every kind shares (corner coordinates, length, area, width,
    // height, name) for the bits of `mode`.
    std::vector<PlacedText> StandardTexts(const DrawingUnits& units, int32_t mode) const;
    // The box spanned by points 0 and 1, and the rectangle that strokes it.
    drawing::DrawingRect CornerBox() const;
    QRectF CornerStrokeRect() const;
    // Gap between a shape and its texts: the pen width.
    int TextGap() const { return style_.penWidth; }
    void DrawHandle(QPainter& painter, QPoint p) const;

    std::vector<QPoint> points_;
    DrawingStyle style_;
    QFont font_;

private:
    const KindTraits& traits_;
};

// Measurement text forms shared by the kinds: "  (x, y)  " and "  value unit  ".
QString CoordinateText(double x, double y);
QString MeasureText(double value, const QString& unit);
QString PaddedText(const QString& text);
