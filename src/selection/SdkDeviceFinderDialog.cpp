#include "selection/SdkDeviceFinderDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { kIpColumn, kMacColumn, kModelColumn, kColumnCount };
constexpr int kMinimumWidth = 520;

} // namespace

SdkDeviceFinderDialog::SdkDeviceFinderDialog(std::vector<SdkDiscoveryRecord> devices, QWidget* parent)
    : QDialog(parent),
      devices_(std::move(devices)),
      list_(new QTreeWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    list_->setColumnCount(kColumnCount);
    list_->setHeaderLabels({tr("IP Address"), tr("MAC Address"), tr("Model")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    for (const SdkDiscoveryRecord& device : devices_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kIpColumn, QString::fromStdString(device.GetIPAddress()));
        item->setText(kMacColumn, QString::fromStdString(device.GetMACAddress()));
        item->setText(kModelColumn, QString::fromStdString(device.GetModel()));
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons_);
    setMinimumWidth(kMinimumWidth);

    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &SdkDeviceFinderDialog::UpdateOkButton);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    UpdateOkButton();
}

std::optional<SdkDiscoveryRecord> SdkDeviceFinderDialog::Selected() const
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    int row = list_->indexOfTopLevelItem(selected.front());
    if (row < 0 || row >= static_cast<int>(devices_.size()))
        return std::nullopt;
    return devices_[row];
}

void SdkDeviceFinderDialog::UpdateOkButton()
{
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!list_->selectedItems().isEmpty());
}
