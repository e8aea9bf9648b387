#pragma once

#include "drawing/CDrawingTabChildBase.h"

// "Grid": the reference grid drawn under the objects: its line counts and
// its pen and background.
class CDrawingTabGrid : public CDrawingTabChildBase {
    Q_OBJECT

public:
    explicit CDrawingTabGrid(CTabParentBase& parent, QWidget* widgetParent = nullptr);

    QString Caption() const override;

protected:
    void LoadControls() override;

private:
    // Reports the grid with one field changed by the user.
    template <typename T>
    void EditGrid(T DrawingGrid::*field, T value);

    QSlider* horizontalCount_;
    QSlider* verticalCount_;
    QComboBox* penStyle_;
    QSlider* penWidth_;
    CColorSelButton* penColor_;
    QComboBox* backMode_;
    CColorSelButton* backColor_;
};
