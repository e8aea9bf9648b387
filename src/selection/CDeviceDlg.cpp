#include "selection/CDeviceDlg.h"

#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "camera/NetworkText.h"
#include "context/CameraContext.h"
#include "context/SettingsFile.h"
#include "drawing/CDrawingManagement.h"
#include "optionread/OptionBoardRead.h"
#include "profile/Profile.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkGenParameter.h"
#include "selection/CPacketsizeSettingDlg.h"
#include "selection/IpAddressSettingDialog.h"
#include "selection/MessagePrompts.h"
#include "selection/SdkDeviceFinderWnd.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace {

constexpr const char* kCurrentAddress = "GevCurrentIPAddress";
constexpr const char* kMACAddress = "GevMACAddress";
constexpr const char* kModelName = "DeviceModelName";
constexpr const char* kUserName = "DeviceUserID";
// Link parameters of the SDK.
constexpr const char* kNICAddress = "IPAddress";
constexpr const char* kAutoNegotiationLink = "AutoNegotiation";
constexpr const char* kPacketSizeLink = "DefaultPacketSize";

QLineEdit* ReadOnlyField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    return field;
}

QPushButton* Button(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

// The 48-bit MAC address is wider than the feature access operations' values.
std::optional<uint64_t> ReadMACAddress(SdkGenParameterArray* features)
{
    auto* feature = features ? dynamic_cast<SdkGenInteger*>(features->Get(std::string(kMACAddress))) : nullptr;
    int64_t value = 0;
    if (!feature || !feature->GetValue(value).IsOK())
        return std::nullopt;
    return static_cast<uint64_t>(value);
}

std::optional<std::string> ReadLinkText(SdkGenParameterArray* link, const char* name)
{
    auto* feature = link ? dynamic_cast<SdkGenString*>(link->Get(std::string(name))) : nullptr;
    std::string value;
    if (!feature || !feature->GetValue(value).IsOK())
        return std::nullopt;
    return value;
}

} // namespace

CDeviceDlg::CDeviceDlg(CameraContext& context, bool startupMode, MessagePrompts& prompts, QWidget* parent)
    : QDialog(parent),
      context_(context),
      startupMode_(startupMode),
      prompts_(prompts),
      services_(SystemServices(prompts)),
      address_(ReadOnlyField(this)),
      model_(ReadOnlyField(this)),
      macAddress_(ReadOnlyField(this)),
      nicAddress_(ReadOnlyField(this)),
      userName_(ReadOnlyField(this)),
      pageLabel_(new QLabel(tr("Page 1/3 (Max 4)"), this)),
      next_(Button(tr("\u25B2"), this)),
      previous_(Button(tr("\u25BC"), this)),
      save_(Button(tr("Save"), this)),
      packetSizeButton_(Button(tr("Packet size"), this)),
      connect_(Button(tr("Connect"), this)),
      disconnect_(Button(tr("Disconnect"), this)),
      ok_(Button(tr("OK"), this)),
      end_(Button(tr("End"), this))
{
    setWindowTitle(tr("GigE Vision Camera Selection"));

    auto* details = new QGridLayout;
    const QString labels[] = {tr("Camera IP Address"), tr("Model"), tr("MAC Address"), tr("NIC IP Address"),
                              tr("User Name")};
    QLineEdit* fields[] = {address_, model_, macAddress_, nicAddress_, userName_};
    for (int row = 0; row < 5; ++row) {
        details->addWidget(new QLabel(labels[row], this), row, 0);
        details->addWidget(fields[row], row, 1, 1, 3);
    }
    details->addWidget(pageLabel_, 5, 1);
    details->addWidget(next_, 5, 2);
    details->addWidget(previous_, 5, 3);
    auto* connection = new QGroupBox(tr("GigE Vision Camera Connection"), this);
    connection->setLayout(details);

    auto* ipBox = new QGroupBox(tr("IP Address initialization"), this);
    (new QHBoxLayout(ipBox))->addWidget(save_);
    auto* packetBox = new QGroupBox(tr("Packet Size Setting"), this);
    (new QHBoxLayout(packetBox))->addWidget(packetSizeButton_);
    auto* settings = new QHBoxLayout;
    settings->addWidget(ipBox);
    settings->addWidget(packetBox);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(connect_);
    buttons->addWidget(disconnect_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(end_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(connection);
    layout->addLayout(settings);
    layout->addLayout(buttons);

    QObject::connect(connect_, &QPushButton::clicked, this, &CDeviceDlg::Connect);
    QObject::connect(disconnect_, &QPushButton::clicked, this, &CDeviceDlg::Disconnect);
    QObject::connect(next_, &QPushButton::clicked, this, &CDeviceDlg::ShowNext);
    QObject::connect(previous_, &QPushButton::clicked, this, &CDeviceDlg::ShowPrevious);
    QObject::connect(save_, &QPushButton::clicked, this, &CDeviceDlg::EditIPAddress);
    QObject::connect(packetSizeButton_, &QPushButton::clicked, this, &CDeviceDlg::EditPacketSize);
    QObject::connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    QObject::connect(end_, &QPushButton::clicked, this, &QDialog::reject);
}

CDeviceDlg::~CDeviceDlg() = default;

CDeviceDlg::Services CDeviceDlg::SystemServices(MessagePrompts& prompts)
{
    Services services;
    services.findCamera = [](std::optional<SdkDiscoveryRecord>& selected) {
        SdkDeviceFinderWnd finder;
        finder.SetTitle(tr("Available GigE Vision Cameras").toStdString());
        SdkResult result = finder.ShowModal();
        selected = finder.GetSelected();
        return result;
    };
    services.makeCamera = [] { return std::make_unique<CameraConnection>(); };
    services.makeDevice = [] { return std::make_unique<SdkDevice>(); };
    services.choosePacketSize = [](QWidget* parent, bool& autoNegotiation, int32_t& packetSize, int32_t minimum,
                                   int32_t maximum) {
        CPacketsizeSettingDlg dialog(autoNegotiation, packetSize, minimum, maximum, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        autoNegotiation = dialog.AutoNegotiation();
        packetSize = dialog.PacketSize();
        return true;
    };
    services.editIPAddress = [&prompts](QWidget* parent, SdkDevice* device) {
        IpAddressSettingDialog dialog(device, prompts, parent);
        dialog.exec();
    };
    return services;
}

void CDeviceDlg::SetServices(Services services)
{
    services_ = std::move(services);
}

int CDeviceDlg::RunModal()
{
    Initialise();
    return exec();
}

void CDeviceDlg::Initialise()
{
    end_->setVisible(startupMode_);
    startupMode_ = false;
    if (context_.CameraCount() == 0) {
        ClearDetails();
        shownIndex_ = -1;
    } else {
        ShowCamera(0);
        shownIndex_ = 0;
    }
    SetPageLabel(shownIndex_ + 1, context_.CameraCount());
    UpdateButtons();
    (connect_->isEnabled() ? connect_ : ok_)->setFocus();
}

bool CDeviceDlg::AddCamera(const SdkDiscoveryRecord& info)
{
    if (context_.CameraCount() >= CameraContext::kMaxCameras)
        return false;
    CameraConnection* camera = context_.AddCamera(services_.makeCamera());
    if (!camera)
        return false;
    SdkGenParameterArray* link = camera->GetDevice().GetGenLink();
    WriteFeatureValue(link, kAutoNegotiationLink, autoNegotiation_ ? 1 : 0);
    if (!autoNegotiation_)
        WriteFeatureValue(link, kPacketSizeLink, packetSize_);
    if (camera->Connect(&info) == 0) {
        context_.RemoveCamera(camera);
        return false;
    }
    ReadOptionBoard(*camera);
    return true;
}

void CDeviceDlg::Connect()
{
    std::optional<SdkDiscoveryRecord> selected;
    const SdkResult result = services_.findCamera(selected);
    if (result == SdkResult::ABORTED) {
        prompts_.Show(this, tr("GigE Vision"),
                      tr("Invalid selection. Please select a GEV Device connected through a supported network "
                         "card configuration."),
                      MessagePrompts::Icon::None);
        return;
    }
    if (!result.IsOK() || !selected)
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool connected = ConnectCamera(*selected);
    QApplication::restoreOverrideCursor();
    if (!connected) {
        prompts_.Show(this, tr("Error"), tr("Connection failed."), MessagePrompts::Icon::Exclamation);
        return;
    }
    const int count = context_.CameraCount();
    shownIndex_ = count - 1;
    ShowCamera(shownIndex_);
    SetPageLabel(count, count);
    UpdateButtons();
}

bool CDeviceDlg::ConnectCamera(const SdkDiscoveryRecord& info)
{
    if (!AddCamera(info))
        return false;
    if (context_.CameraCount() == 1)
        LoadDrawingFile(*context_.FirstCamera());
    return true;
}

bool CDeviceDlg::ConnectAtStart(const SdkDiscoveryRecord& info)
{
    // The cameras are chosen: the dialog is no longer the program's first window.
    startupMode_ = false;
    return ConnectCamera(info);
}

void CDeviceDlg::Disconnect()
{
    if (context_.CameraCount() == 0)
        return;
    if (!prompts_.AskYesNo(this, tr("GigE"), tr("Disconnect?")))
        return;
    while (CameraConnection* camera = context_.Camera(context_.CameraCount() - 1)) {
        camera->Disconnect();
        context_.RemoveCamera(camera);
    }
    ClearDetails();
    shownIndex_ = -1;
    SetPageLabel(0, 0);
    UpdateButtons();
}

void CDeviceDlg::ShowNext()
{
    const int index = std::min(shownIndex_ + 1, context_.CameraCount() - 1);
    if (index == shownIndex_ || index < 0)
        return;
    shownIndex_ = index;
    ShowCamera(shownIndex_);
    SetPageLabel(shownIndex_ + 1, context_.CameraCount());
}

void CDeviceDlg::ShowPrevious()
{
    const int index = std::max(shownIndex_ - 1, 0);
    if (index == shownIndex_ || context_.CameraCount() == 0)
        return;
    shownIndex_ = index;
    ShowCamera(shownIndex_);
    SetPageLabel(shownIndex_ + 1, context_.CameraCount());
}

void CDeviceDlg::EditIPAddress()
{
    CameraConnection* camera = context_.Camera(shownIndex_);
    services_.editIPAddress(this, camera ? &camera->GetDevice() : nullptr);
}

void CDeviceDlg::EditPacketSize()
{
    if (!packetSizeRangeRead_) {
        ReadPacketSizeRange();
        packetSizeRangeRead_ = true;
    }
    bool autoNegotiation = autoNegotiation_;
    int32_t packetSize = packetSize_;
    if (!services_.choosePacketSize(this, autoNegotiation, packetSize, packetSizeMinimum_, packetSizeMaximum_))
        return;
    autoNegotiation_ = autoNegotiation;
    packetSize_ = packetSize;
}

void CDeviceDlg::ReadPacketSizeRange()
{
    // The SDK's own defaults, read from a device that is not connected;
    // negotiation is switched off around the reads and back on afterwards.
    const std::unique_ptr<SdkDevice> device = services_.makeDevice();
    SdkGenParameterArray* link = device->GetGenLink();
    int32_t negotiation = 0;
    if (!ReadFeatureValue(link, kAutoNegotiationLink, negotiation))
        return;
    if (negotiation != 0)
        WriteFeatureValue(link, kAutoNegotiationLink, 0);
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t increment = 0;
    int32_t packetSize = 0;
    if (ReadIntRange(link, kPacketSizeLink, minimum, maximum, increment) &&
        ReadFeatureValue(link, kPacketSizeLink, packetSize)) {
        packetSizeMinimum_ = minimum;
        packetSizeMaximum_ = maximum;
        packetSize_ = packetSize;
    }
    if (negotiation != 0)
        WriteFeatureValue(link, kAutoNegotiationLink, 1);
    autoNegotiation_ = negotiation != 0;
}

void CDeviceDlg::ShowCamera(int index)
{
    CameraConnection* camera = context_.Camera(index);
    if (!camera) {
        ClearDetails();
        return;
    }
    SdkGenParameterArray* features = camera->Features();
    // Cameras whose description lacks the GigE Vision address features have
    // them in their bootstrap registers, which discovery read at connect.
    int32_t address = 0;
    std::optional<uint32_t> shownAddress;
    if (ReadFeatureValue(features, kCurrentAddress, address))
        shownAddress = static_cast<uint32_t>(address);
    else
        shownAddress = ParseIPv4(camera->Identity().ipAddress);
    address_->setText(shownAddress ? FormatIPv4(*shownAddress) : QString());
    std::string text;
    model_->setText(ReadFeatureText(features, kModelName, text) ? QString::fromStdString(text) : QString());
    const std::optional<uint64_t> mac = ReadMACAddress(features);
    macAddress_->setText(mac ? FormatMACAddress(*mac) : QString::fromStdString(camera->Identity().macAddress));
    const std::optional<std::string> nicText = ReadLinkText(camera->GetDevice().GetGenLink(), kNICAddress);
    const std::optional<uint32_t> nic = nicText ? ParseIPv4(*nicText) : std::nullopt;
    nicAddress_->setText(nic ? FormatIPv4(*nic) : QString());
    text.clear();
    userName_->setText(ReadFeatureText(features, kUserName, text) ? QString::fromStdString(text) : QString());
}

void CDeviceDlg::ClearDetails()
{
    for (QLineEdit* field : {address_, model_, macAddress_, nicAddress_, userName_})
        field->clear();
}

void CDeviceDlg::SetPageLabel(int shown, int count)
{
    pageLabel_->setText(tr("%1/%2 (Max %3)").arg(shown).arg(count).arg(CameraContext::kMaxCameras));
}

void CDeviceDlg::UpdateButtons()
{
    connect_->setEnabled(context_.CameraCount() < CameraContext::kMaxCameras);
    disconnect_->setEnabled(context_.CameraCount() > 0);
}

void CDeviceDlg::LoadDrawingFile(CameraConnection& camera)
{
    const Profile settings(context_.SettingsPath());
    const QString path =
        QString::fromStdString(settings.GetString(camera.Identity().macAddress, kDrawFileNameKey, std::string_view()));
    context_.drawingManager->SetDrawingFileName(path);
    QString reason;
    if (!path.isEmpty() && !context_.drawingManager->LoadDrawingFile(path, &reason))
        prompts_.Show(this, tr("Error"), tr("The drawing file could not be loaded.") + QLatin1Char('\n') + reason,
                      MessagePrompts::Icon::Exclamation);
}
