#pragma once

#include "drawing/CDrawingTabChildBase.h"

class QListWidget;
class QPushButton;

// "Text": colour, font and background of the selected object's texts, which
// measurement texts it shows, and its name.
class CDrawingTabText : public CDrawingTabChildBase {
    Q_OBJECT

public:
    explicit CDrawingTabText(CTabParentBase& parent, QWidget* widgetParent = nullptr);

    QString Caption() const override;

protected:
    void LoadControls() override;

private:
    void ChooseFont();
    void DisplayTypeEdited();

    CColorSelButton* textColor_;
    QPushButton* font_;
    QComboBox* textBackMode_;
    CColorSelButton* textBackColor_;
    QListWidget* displayType_;
    QLineEdit* name_;
};
