#include "controls/AreaDialog.h"

#include "camera/CameraConnection.h"

#include <QCoreApplication>

AreaDialog::AreaDialog(CameraConnection* camera, const char* overlayName, QWidget* parent)
    : QDialog(parent),
      camera_(camera),
      overlay_(overlayName)
{
}

AreaDialog::~AreaDialog() = default;

SdkGenParameterArray* AreaDialog::Features() const
{
    return camera_ ? camera_->Features() : nullptr;
}

QString AreaDialog::Translate(const char* text) const
{
    return QCoreApplication::translate(metaObject()->className(), text);
}

void AreaDialog::AddBorderGroups(QWidget& box, QGridLayout& grid, int firstRow,
                                 const std::vector<BorderSliderGroup::Border>& xs,
                                 const std::vector<BorderSliderGroup::Border>& ys)
{
    xs_ = new BorderSliderGroup(*this, box, grid, firstRow, xs);
    ys_ = new BorderSliderGroup(*this, box, grid, firstRow + static_cast<int>(xs.size()), ys);
    connect(xs_, &BorderSliderGroup::moved, this, &AreaDialog::ShowBorders);
    connect(ys_, &BorderSliderGroup::moved, this, &AreaDialog::ShowBorders);
}

void AreaDialog::ShowBorders()
{
    xs_->Show();
    ys_->Show();
    overlay_.SetBorders(xs_->Values(), ys_->Values());
}

void AreaDialog::SetBordersEnabled(bool enabled)
{
    xs_->SetEnabled(enabled);
    ys_->SetEnabled(enabled);
}

void AreaDialog::StartOverlay()
{
    if (camera_)
        overlay_.Attach(camera_->Acquisition().GetOverlayRegistry());
}
