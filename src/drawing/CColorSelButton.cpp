#include "drawing/CColorSelButton.h"

#include "drawing/DrawingPaint.h"
#include "drawing/DrawingPropertyRules.h"

#include <QColorDialog>
#include <QPainter>

namespace {

constexpr int kFaceWidth = 48;
constexpr int kFaceHeight = 22;
constexpr int kFocusInset = 3;

} // namespace

CColorSelButton::CColorSelButton(QWidget* parent) : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, &CColorSelButton::ChooseColor);
}

void CColorSelButton::SetColor(uint32_t colorRef)
{
    color_ = colorRef;
    update();
}

QSize CColorSelButton::sizeHint() const
{
    return QSize(kFaceWidth, kFaceHeight);
}

QSize CColorSelButton::minimumSizeHint() const
{
    return sizeHint();
}

void CColorSelButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect face = rect().adjusted(0, 0, -1, -1);
    const QColor border = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    if (isEnabled()) {
        painter.fillRect(rect(), ColorFromRef(color_));
    } else {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(border);
        painter.drawLine(face.topLeft(), face.bottomRight());
        painter.drawLine(face.bottomLeft(), face.topRight());
    }
    painter.setPen(border);
    painter.drawRect(face);
    if (hasFocus()) {
        // Dotted in the inverse of the face so it shows on any colour.
        QPen focus(QColor(~ColorFromRef(color_).rgb()), 1, Qt::DotLine);
        painter.setPen(focus);
        painter.drawRect(face.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset));
    }
}

void CColorSelButton::ChooseColor()
{
    const QColor chosen = QColorDialog::getColor(ColorFromRef(color_), this);
    if (!chosen.isValid())
        return;
    SetColor(ColorRefFromColor(chosen));
    emit colorChosen(color_);
}
