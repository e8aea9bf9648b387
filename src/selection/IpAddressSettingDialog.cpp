#include "selection/IpAddressSettingDialog.h"

#include "camera/NetworkText.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkGenParameter.h"
#include "selection/MessagePrompts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace {

constexpr const char* kCurrentAddress = "GevCurrentIPAddress";
constexpr const char* kCurrentSubnetMask = "GevCurrentSubnetMask";
constexpr const char* kPersistentAddress = "GevPersistentIPAddress";
constexpr const char* kPersistentSubnetMask = "GevPersistentSubnetMask";
constexpr const char* kPersistentIpEnabled = "GevCurrentIPConfigurationPersistentIP";

template <typename Parameter>
Parameter* Find(SdkDevice* device, const char* name)
{
    SdkGenParameterArray* features = device ? device->GetGenParameters() : nullptr;
    return features ? dynamic_cast<Parameter*>(features->Get(std::string(name))) : nullptr;
}

// A missing feature fails like a call that was never made.
SdkResult ReadInteger(SdkDevice* device, const char* name, int64_t& value)
{
    auto* feature = Find<SdkGenInteger>(device, name);
    return feature ? feature->GetValue(value) : SdkResult(SdkResult::NOT_INITIALIZED);
}

SdkResult WriteInteger(SdkDevice* device, const char* name, int64_t value)
{
    auto* feature = Find<SdkGenInteger>(device, name);
    return feature ? feature->SetValue(value) : SdkResult(SdkResult::NOT_INITIALIZED);
}

SdkResult WriteBoolean(SdkDevice* device, const char* name, bool value)
{
    auto* feature = Find<SdkGenBoolean>(device, name);
    return feature ? feature->SetValue(value) : SdkResult(SdkResult::NOT_INITIALIZED);
}

} // namespace

IpAddressSettingDialog::IpAddressSettingDialog(SdkDevice* device, MessagePrompts& prompts, QWidget* parent)
    : QDialog(parent),
      device_(device),
      prompts_(prompts),
      automatic_(new QRadioButton(tr("IP Address is automatically acquired."), this)),
      keepCurrent_(new QRadioButton(tr("Current IP Address is maintained."), this)),
      addressLabel_(new QLabel(tr("Device IP Address"), this)),
      address_(new QLineEdit(this)),
      subnetMaskLabel_(new QLabel(tr("Device Subnet Mask"), this)),
      subnetMask_(new QLineEdit(this)),
      save_(new QPushButton(tr("Save"), this)),
      exit_(new QPushButton(tr("Exit"), this))
{
    setWindowTitle(tr("IPAddress Setting"));
    address_->setReadOnly(true);
    subnetMask_->setReadOnly(true);
    save_->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(addressLabel_, 0, 0);
    fields->addWidget(address_, 0, 1);
    fields->addWidget(subnetMaskLabel_, 1, 0);
    fields->addWidget(subnetMask_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(automatic_);
    layout->addWidget(keepCurrent_);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(automatic_, &QRadioButton::clicked, this, [this] { mode_ = kAutomatic; });
    connect(keepCurrent_, &QRadioButton::clicked, this, [this] { mode_ = kKeepCurrent; });
    connect(save_, &QPushButton::clicked, this, &IpAddressSettingDialog::Save);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);

    ShowCamera();
}

void IpAddressSettingDialog::ShowCamera()
{
    if (!device_) {
        for (QWidget* control : std::initializer_list<QWidget*>{automatic_, keepCurrent_, addressLabel_, address_,
                                                                subnetMaskLabel_, subnetMask_, save_})
            control->setEnabled(false);
        return;
    }
    int64_t value = 0;
    if (ReadInteger(device_, kCurrentAddress, value).IsOK())
        address_->setText(FormatIPv4(static_cast<uint32_t>(value)));
    if (ReadInteger(device_, kCurrentSubnetMask, value).IsOK())
        subnetMask_->setText(FormatIPv4(static_cast<uint32_t>(value)));
    bool persistent = false;
    if (auto* feature = Find<SdkGenBoolean>(device_, kPersistentIpEnabled))
        feature->GetValue(persistent);
    mode_ = persistent ? kKeepCurrent : kAutomatic;
    (persistent ? keepCurrent_ : automatic_)->setChecked(true);
}

void IpAddressSettingDialog::Save()
{
    SdkResult result;
    if (mode_ == kKeepCurrent) {
        // Each step only after the previous one succeeded. Switching to the
        // persistent address is checked as well: a camera that refuses it
        // keeps its old addressing, and must not be reported as saved.
        int64_t address = 0;
        int64_t subnetMask = 0;
        result = ReadInteger(device_, kCurrentAddress, address);
        if (result.IsOK())
            result = ReadInteger(device_, kCurrentSubnetMask, subnetMask);
        if (result.IsOK())
            result = WriteInteger(device_, kPersistentAddress, address);
        if (result.IsOK())
            result = WriteInteger(device_, kPersistentSubnetMask, subnetMask);
        if (result.IsOK())
            result = WriteBoolean(device_, kPersistentIpEnabled, true);
    } else {
        result = WriteBoolean(device_, kPersistentIpEnabled, false);
    }
    const QString text = result.IsOK()
                             ? tr("Saved successfully!")
                             : tr("Saved Error! Code=%1[0x%2]").arg(result.GetCode()).arg(result.GetCode(), 0, 16);
    prompts_.Show(this, QString(), text, MessagePrompts::Icon::None);
}
