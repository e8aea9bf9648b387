#include "controls/CLxCtrlMainDlg.h"
#include "controls/ScrollableContent.h"

#include "camera/CDeviceInfo.h"
#include "controls/CameraSettingsButtons.h"
#include "controls/CTab_AOI_Dlg.h"
#include "controls/CTab_GainShutter_Dlg.h"
#include "controls/CTab_Gamma_Dlg.h"
#include "controls/CTab_IO_Dlg.h"
#include "controls/CTab_Other_Dlg.h"
#include "controls/CTab_Trigger_Dlg.h"
#include "controls/CTab_UserSet_Dlg.h"
#include "controls/CTab_WB_Dlg.h"
#include "controls/ControlHost.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The page of a tab.
CTabDialog* NewPage(CLxCtrlMainDlg::Tab tab)
{
    switch (tab) {
    case CLxCtrlMainDlg::kGainShutterTab:
        return new CTab_GainShutter_Dlg;
    case CLxCtrlMainDlg::kWhiteBalanceTab:
        return new CTab_WB_Dlg;
    case CLxCtrlMainDlg::kGammaTab:
        return new CTab_Gamma_Dlg;
    case CLxCtrlMainDlg::kTriggerTab:
        return new CTab_Trigger_Dlg;
    case CLxCtrlMainDlg::kAoiTab:
        return new CTab_AOI_Dlg;
    case CLxCtrlMainDlg::kOutputTab:
        return new CTab_IO_Dlg;
    case CLxCtrlMainDlg::kOtherTab:
        return new CTab_Other_Dlg;
    case CLxCtrlMainDlg::kUserSetTab:
    case CLxCtrlMainDlg::kTabCount:
        break;
    }
    return new CTab_UserSet_Dlg;
}

} // namespace

CLxCtrlMainDlg::CLxCtrlMainDlg(ControlHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setModal(false);
    setSizeGripEnabled(true);

    auto* content = new QWidget;
    tabs_ = new QTabWidget(content);
    // Every caption shows in full, in any language: the dialog widens instead.
    tabs_->setUsesScrollButtons(false);
    auto* okButton = new QPushButton(tr("OK"), content);
    saveButton_ = new QPushButton(tr("Save(&S)..."), content);
    loadButton_ = new QPushButton(tr("Load(&L)..."), content);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton_);
    buttons->addWidget(loadButton_);
    buttons->addStretch();
    buttons->addWidget(okButton);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->addWidget(tabs_);
    contentLayout->addLayout(buttons);

    SetScrollableContent(*this, content);
    BuildPages();
    ConnectCameraSettingsButtons(*this, host_);
    connect(tabs_, &QTabWidget::currentChanged, this, &CLxCtrlMainDlg::OnTabChanged);
    RefreshCurrentPageAndTitle();
}

CLxCtrlMainDlg::~CLxCtrlMainDlg() = default;

void CLxCtrlMainDlg::BuildPages()
{
    const QSignalBlocker blocker(tabs_);
    for (int tab = 0; tab < kTabCount; ++tab) {
        CTabDialog* page = NewPage(static_cast<Tab>(tab));
        page->SetHost(&host_);
        pages_[tab] = page;
        page->InitControls();
        page->RefreshFromCamera();
        tabs_->addTab(page, page->Caption());
    }
    tabs_->setCurrentIndex(kGainShutterTab);
}

void CLxCtrlMainDlg::RefreshCurrentPageAndTitle()
{
    pages_[tabs_->currentIndex()]->RefreshFromCamera();
    const QString application = QGuiApplication::applicationDisplayName();
    const CDeviceInfo* camera = host_.ControlCamera();
    setWindowTitle(camera ? tr("%1[%2]").arg(application, QString::fromStdString(camera->GetModel()))
                          : application);
}

void CLxCtrlMainDlg::RefreshAllPages()
{
    for (CTabDialog* page : pages_)
        page->RefreshFromCamera();
}

void CLxCtrlMainDlg::OnTabChanged(int index)
{
    if (index >= 0)
        pages_[index]->RefreshFromCamera();
}

void CLxCtrlMainDlg::showEvent(QShowEvent* event)
{
    if (!sized_) {
        sized_ = true;
        FitToScrollableContent(*this);
    }
    QDialog::showEvent(event);
}

void CLxCtrlMainDlg::done(int result)
{
    emit closed();
    QDialog::done(result);
}
