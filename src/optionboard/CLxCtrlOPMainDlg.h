#pragma once

#include "optionboard/OptionState.h"

#include <QDialog>

class ControlHost;
class DataSettingPage;
class ImageProcessingPage;
class QTabWidget;

// "OP Setting": the modeless option board dialog with the pages "Data
// setting" and "Image processing". It acts on the host's first camera
// through its serial channel, and leaves the channel open on port 0. The
// main window creates it once (only when option.ini is present) and calls
// show() from "OP Setting(&O)"; each show reads the option state from the
// camera and refreshes both pages. OK, Escape and the close box hide it and
// emit closed().
class CLxCtrlOPMainDlg : public QDialog {
    Q_OBJECT
public:
    enum Tab : int { kDataSettingTab, kImageProcessingTab, kTabCount };

    // host must outlive the dialog.
    explicit CLxCtrlOPMainDlg(ControlHost& host, QWidget* parent = nullptr);
    ~CLxCtrlOPMainDlg() override;

    // Reads the option state from the camera (nothing without one), refreshes
    // both pages and sets the title; show() does this.
    void ReadOptionState();
    // Refreshes the selected page and sets the title to the application name
    // with the camera's model in brackets, or the name alone.
    void RefreshCurrentPageAndTitle();

    const OptionState& State() const { return state_; }
    DataSettingPage* DataPage() const { return page1_; }
    ImageProcessingPage* ProcessingPage() const { return page2_; }
    QTabWidget* Tabs() const { return tabs_; }

signals:
    // The dialog was closed (hidden).
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void OnTabChanged(int index);

    ControlHost& host_;
    OptionState state_;
    DataSettingPage* page1_;
    ImageProcessingPage* page2_;
    QTabWidget* tabs_;
    bool sized_ = false;
};
