#pragma once

#include <QPushButton>
#include <cstdint>

// A push button that shows a colour: its face is filled with the colour
// inside a one-pixel border; disabled, it shows the button face crossed by
// its two diagonals. A click opens the colour chooser preset to the colour.
// Colours are 0x00BBGGRR values.
class CColorSelButton : public QPushButton {
    Q_OBJECT

public:
    explicit CColorSelButton(QWidget* parent = nullptr);

    uint32_t Color() const { return color_; }
    // Shows the colour; emits nothing.
    void SetColor(uint32_t colorRef);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user chose a colour in the chooser and confirmed it.
    void colorChosen(uint32_t colorRef);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ChooseColor();

    uint32_t color_ = 0;
};
