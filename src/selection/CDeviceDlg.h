#pragma once

#include "sdk/SdkDiscoveryRecord.h"
#include "sdk/SdkResult.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class CameraContext;
class CameraConnection;
class MessagePrompts;
class QLabel;
class QLineEdit;
class QPushButton;
class SdkDevice;

// "GigE Vision Camera Selection": finds, connects and disconnects cameras
// (at most four, kept in the camera context's list in connection order),
// shows one camera's network details at a time and opens the IP address and
// packet size dialogs. Shown at start-up ("OK" goes on to the main window,
// "End" quits) and again from the main window, then without "End".
class CDeviceDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int32_t kDefaultPacketSize = 8000;
    static constexpr int32_t kDefaultPacketSizeMinimum = 576;
    static constexpr int32_t kDefaultPacketSizeMaximum = 65024;

    // What the dialog reaches outside itself; tests stand their own in.
    struct Services {
        // The SDK's finder window: OK with the chosen camera, ABORTED, CANCEL
        // (the user closed the list; nothing to say), or another failure.
        std::function<SdkResult(std::optional<SdkDiscoveryRecord>& selected)> findCamera;
        // A new, unconnected camera object.
        std::function<std::unique_ptr<CameraConnection>()> makeCamera;
        // A new, unconnected SDK device, whose link parameters give the packet size range.
        std::function<std::unique_ptr<SdkDevice>()> makeDevice;
        // Runs the packet size dialog; false when it was cancelled, else the
        // choice is left in the two values.
        std::function<bool(QWidget* parent, bool& autoNegotiation, int32_t& packetSize, int32_t minimum,
                           int32_t maximum)>
            choosePacketSize;
        // Runs the IP address dialog on the device (null without a camera).
        std::function<void(QWidget* parent, SdkDevice* device)> editIPAddress;
    };

    // startupMode: shown before the main window exists ("End" visible); the
    // first initialisation clears it.
    CDeviceDlg(CameraContext& context, bool startupMode, MessagePrompts& prompts, QWidget* parent = nullptr);
    ~CDeviceDlg() override;

    // The system's finder, camera objects and dialogs.
    static Services SystemServices(MessagePrompts& prompts);
    void SetServices(Services services);

    // Shows the dialog modally after initialising it; the dialog's result.
    int RunModal();
    // Fills the fields from the camera list and sets the buttons; RunModal
    // does it, tests call it before show().
    void Initialise();

    // Adds a camera to the list and connects it, with the packet size
    // settings of this dialog. False, with the list unchanged, when the list
    // is full or the connection failed. Shows no message.
    bool AddCamera(const SdkDiscoveryRecord& info);
    // Connects a camera named at start-up as the Connect command does (the
    // first camera's registered drawing file is loaded), without the finder
    // or messages; the dialog then shows as it does after start-up.
    bool ConnectAtStart(const SdkDiscoveryRecord& info);

    // The commands behind the buttons.
    void Connect();
    void Disconnect();
    void ShowNext();
    void ShowPrevious();
    void EditIPAddress();
    void EditPacketSize();

    int32_t ShownIndex() const { return shownIndex_; }
    bool AutoNegotiation() const { return autoNegotiation_; }
    int32_t PacketSize() const { return packetSize_; }

    // The controls, for tests.
    QLabel* PageLabel() const { return pageLabel_; }
    QLineEdit* AddressField() const { return address_; }
    QLineEdit* ModelField() const { return model_; }
    QLineEdit* MACAddressField() const { return macAddress_; }
    QLineEdit* NICAddressField() const { return nicAddress_; }
    QLineEdit* UserNameField() const { return userName_; }
    QPushButton* ConnectButton() const { return connect_; }
    QPushButton* DisconnectButton() const { return disconnect_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* PreviousButton() const { return previous_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* EndButton() const { return end_; }

private:
    // AddCamera, then the first camera's drawing file.
    bool ConnectCamera(const SdkDiscoveryRecord& info);
    void ShowCamera(int index);
    void ClearDetails();
    void SetPageLabel(int shown, int count);
    void UpdateButtons();
    void LoadDrawingFile(CameraConnection& camera);
    void ReadPacketSizeRange();

    CameraContext& context_;
    bool startupMode_;
    MessagePrompts& prompts_;
    Services services_;
    int32_t shownIndex_ = -1;
    bool autoNegotiation_ = true;
    int32_t packetSize_ = kDefaultPacketSize;
    int32_t packetSizeMinimum_ = kDefaultPacketSizeMinimum;
    int32_t packetSizeMaximum_ = kDefaultPacketSizeMaximum;
    bool packetSizeRangeRead_ = false;

    QLineEdit* address_;
    QLineEdit* model_;
    QLineEdit* macAddress_;
    QLineEdit* nicAddress_;
    QLineEdit* userName_;
    QLabel* pageLabel_;
    QPushButton* next_;
    QPushButton* previous_;
    QPushButton* save_;
    QPushButton* packetSizeButton_;
    QPushButton* connect_;
    QPushButton* disconnect_;
    QPushButton* ok_;
    QPushButton* end_;
};
