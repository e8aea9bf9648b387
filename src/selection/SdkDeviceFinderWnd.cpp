#include "selection/SdkDeviceFinderWnd.h"

#include "sdk/SdkDiscovery.h"
#include "selection/SdkDeviceFinderDialog.h"

#include <QApplication>
#include <QCursor>

SdkDeviceFinderWnd::SdkDeviceFinderWnd() = default;

SdkDeviceFinderWnd::~SdkDeviceFinderWnd() = default;

void SdkDeviceFinderWnd::SetTitle(const std::string& title)
{
    title_ = title;
}

SdkResult SdkDeviceFinderWnd::ShowModal()
{
    selected_.reset();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<SdkDiscoveryRecord> devices = SdkDiscoverDevices();
    QApplication::restoreOverrideCursor();

    SdkDeviceFinderDialog dialog(std::move(devices));
    dialog.setWindowTitle(QString::fromStdString(title_));
    if (dialog.exec() != QDialog::Accepted)
        return SdkResult::CANCEL;
    selected_ = dialog.Selected();
    return selected_ ? SdkResult::OK : SdkResult::ABORTED;
}

std::optional<SdkDiscoveryRecord> SdkDeviceFinderWnd::GetSelected() const
{
    return selected_;
}
