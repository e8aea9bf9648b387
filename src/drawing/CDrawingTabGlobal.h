#pragma once

#include "drawing/CDrawingTabChildBase.h"

// "General": the measurement unit names, the size of one pixel in length
// units, the factor applied to displayed angles, and whether snapshots get
// the drawing burnt in.
class CDrawingTabGlobal : public CDrawingTabChildBase {
    Q_OBJECT

public:
    explicit CDrawingTabGlobal(CTabParentBase& parent, QWidget* widgetParent = nullptr);

    QString Caption() const override;

protected:
    void LoadControls() override;

private:
    // Applies a real only once the text reads as a finite number, so that
    // half-typed values ("-", "1e") are not taken.
    void EditReal(double DrawingUnits::*field, const QString& text);

    QLineEdit* lengthUnit_;
    QLineEdit* areaUnit_;
    QLineEdit* degreeUnit_;
    QLineEdit* pixelSizeX_;
    QLineEdit* pixelSizeY_;
    QLineEdit* degreeRatio_;
    QCheckBox* drawOnSnapshot_;
};
