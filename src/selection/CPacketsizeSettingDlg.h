#pragma once

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

// "Packet size": chooses between automatic packet size negotiation and a
// fixed packet size for the cameras connected afterwards. A size typed into
// the field counts only once Enter confirms it; the scroll bar sets it at once.
class CPacketsizeSettingDlg : public QDialog {
    Q_OBJECT

public:
    // Entries of the "Packet Size mode" list.
    enum Mode { kManual = 0, kAuto = 1 };

    CPacketsizeSettingDlg(bool autoNegotiation, int32_t packetSize, int32_t minimum, int32_t maximum,
                          QWidget* parent = nullptr);

    bool AutoNegotiation() const { return autoNegotiation_; }
    int32_t PacketSize() const { return packetSize_; }

    // The controls, for tests.
    QComboBox* ModeList() const { return modeList_; }
    QLineEdit* SizeField() const { return sizeField_; }
    QScrollBar* SizeScrollBar() const { return scrollBar_; }
    QLabel* SizeLabel() const { return sizeLabel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ModeChanged(int index);
    void UpdateEnabling();
    void TakePosition(int position);
    void ConfirmTypedSize();

    bool autoNegotiation_;
    int32_t packetSize_;
    QComboBox* modeList_;
    QLabel* sizeLabel_;
    QLineEdit* sizeField_;
    QScrollBar* scrollBar_;
};
