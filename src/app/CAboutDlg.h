#pragma once

#include <QDialog>

class QLabel;
struct CameraAboutData;

// The about box: the program's name, version and legal notice, and the
// first camera's serial number and versions.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const CameraAboutData& camera, QWidget* parent = nullptr);

    QLabel* VersionLabel() const { return version_; }
    QLabel* LegalNoticeLabel() const { return legalNotice_; }

private:
    QLabel* version_;
    QLabel* legalNotice_;
};
