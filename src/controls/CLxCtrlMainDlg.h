#pragma once

#include <QDialog>

#include <array>

class SettingsPage;
class ControlHost;
class QPushButton;
class QTabWidget;

// The camera control dialog: a modeless, resizable window with the eight
// feature pages on tabs, OK and the "Save..."/"Load..." buttons of the
// camera settings file. Its content scrolls when the window is smaller. The
// main window creates it once and shows it from "Settings"; OK, Cancel
// (Escape) and the close box hide it and emit closed().
class CLxCtrlMainDlg : public QDialog {
    Q_OBJECT
public:
    // The pages, in tab order.
    enum Tab : int {
        kGainShutterTab,
        kWhiteBalanceTab,
        kGammaTab,
        kTriggerTab,
        kAoiTab,
        kOutputTab,
        kOtherTab,
        kUserSetTab,
        kTabCount
    };

    // Builds the pages, sets each up from the host's first camera and shows
    // the first; host must outlive the dialog.
    explicit CLxCtrlMainDlg(ControlHost& host, QWidget* parent = nullptr);
    ~CLxCtrlMainDlg() override;

    // Refreshes the selected page from the camera and sets the title to the
    // application name with the camera's model in brackets ("Lumivex[LX-1]"),
    // or the application name alone without a camera.
    void RefreshCurrentPageAndTitle();
    // Refreshes every page from the camera, so that what they remember is
    // what the camera holds now, whichever page changed it last.
    void RefreshAllPages();

    SettingsPage* Page(Tab tab) const { return pages_[tab]; }
    QTabWidget* Tabs() const { return tabs_; }
    // The camera settings file buttons.
    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* LoadButton() const { return loadButton_; }

signals:
    // The dialog was closed (hidden).
    void closed();

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildPages();
    void OnTabChanged(int index);

    ControlHost& host_;
    QTabWidget* tabs_;
    bool sized_ = false;
    QPushButton* saveButton_;
    QPushButton* loadButton_;
    std::array<SettingsPage*, kTabCount> pages_{};
};
