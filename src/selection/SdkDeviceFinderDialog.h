#pragma once

#include "sdk/SdkDiscoveryRecord.h"

#include <QDialog>

#include <optional>
#include <vector>

class QDialogButtonBox;
class QTreeWidget;

// The finder's list of cameras (IP address, MAC address, model) with OK and
// Cancel; OK is enabled while a camera is highlighted, a double click chooses.
class SdkDeviceFinderDialog : public QDialog {
    Q_OBJECT

public:
    explicit SdkDeviceFinderDialog(std::vector<SdkDiscoveryRecord> devices, QWidget* parent = nullptr);

    // The highlighted camera, or none.
    std::optional<SdkDiscoveryRecord> Selected() const;

private:
    void UpdateOkButton();

    std::vector<SdkDiscoveryRecord> devices_;
    QTreeWidget* list_;
    QDialogButtonBox* buttons_;
};
