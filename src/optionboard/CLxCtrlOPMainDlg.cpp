#include "optionboard/CLxCtrlOPMainDlg.h"
#include "controls/ScrollableContent.h"

#include "camera/CameraConnection.h"
#include "controls/ControlHost.h"
#include "optionboard/DataSettingPage.h"
#include "optionboard/ImageProcessingPage.h"
#include "optionboard/OptionBoardLink.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

CLxCtrlOPMainDlg::CLxCtrlOPMainDlg(ControlHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setModal(false);
    setSizeGripEnabled(true);

    auto* content = new QWidget;
    tabs_ = new QTabWidget(content);
    page1_ = new DataSettingPage(state_);
    page2_ = new ImageProcessingPage(state_);
    auto* okButton = new QPushButton(tr("OK"), content);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->addWidget(tabs_);
    contentLayout->addLayout(buttons);
    SetScrollableContent(*this, content);

    {
        const QSignalBlocker blocker(tabs_);
        for (SettingsPage* page : {static_cast<SettingsPage*>(page1_), static_cast<SettingsPage*>(page2_)}) {
            page->SetHost(&host_);
            page->InitControls();
            page->RefreshFromCamera();
            tabs_->addTab(page, page->Caption());
        }
        tabs_->setCurrentIndex(kDataSettingTab);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &CLxCtrlOPMainDlg::OnTabChanged);
    // User FPGA enable decides whether the image processing page can be used.
    connect(page1_, &DataSettingPage::stateChanged, page2_, &ImageProcessingPage::RefreshFromCamera);
    RefreshCurrentPageAndTitle();
}

CLxCtrlOPMainDlg::~CLxCtrlOPMainDlg() = default;

void CLxCtrlOPMainDlg::ReadOptionState()
{
    if (CameraConnection* camera = host_.ControlCamera()) {
        OptionBoardLink link(camera->GetSerial(), camera->GetDevice());
        link.ReadState(state_);
    }
    page1_->RefreshFromCamera();
    page2_->RefreshFromCamera();
    RefreshCurrentPageAndTitle();
}

void CLxCtrlOPMainDlg::RefreshCurrentPageAndTitle()
{
    static_cast<SettingsPage*>(tabs_->currentWidget())->RefreshFromCamera();
    const QString application = QGuiApplication::applicationDisplayName();
    const CameraConnection* camera = host_.ControlCamera();
    setWindowTitle(camera ? tr("%1[%2]").arg(application, QString::fromStdString(camera->Identity().model))
                          : application);
}

void CLxCtrlOPMainDlg::showEvent(QShowEvent* event)
{
    // Only a show by the program, not the window system's restoring.
    if (!event->spontaneous())
        ReadOptionState();
    if (!sized_) {
        sized_ = true;
        FitToScrollableContent(*this);
    }
    QDialog::showEvent(event);
}

void CLxCtrlOPMainDlg::OnTabChanged(int index)
{
    if (index >= 0)
        static_cast<SettingsPage*>(tabs_->widget(index))->RefreshFromCamera();
}

void CLxCtrlOPMainDlg::done(int result)
{
    emit closed();
    QDialog::done(result);
}
