#pragma once

#include <QDialog>

#include <vector>

class OverlayPainter;
class QListWidget;
class QPushButton;

// The "Callback Functions" dialog: switches overlay painters on and off. The
// "Enable" list holds the switched-on painters, the "Disable" list the others,
// both in the order offered; changes take effect at once and "OK" only closes.
class CCallbackEnableDlg : public QDialog {
    Q_OBJECT

public:
    // painters: the painters offered, which must outlive the dialog.
    CCallbackEnableDlg(std::vector<OverlayPainter*> painters, QWidget* parent = nullptr);

private:
    void Refresh();
    void EnableSelected();
    void DisableSelected();
    // The n-th offered painter that is switched on (or off); null when none.
    OverlayPainter* NthPainter(int n, bool enabled) const;

    std::vector<OverlayPainter*> painters_;
    QListWidget* enabledList_;
    QListWidget* disabledList_;
    QPushButton* enableButton_;
    QPushButton* disableButton_;
};
