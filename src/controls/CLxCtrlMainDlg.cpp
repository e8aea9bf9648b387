#include "controls/CLxCtrlMainDlg.h"
#include "controls/ScrollableContent.h"

#include "camera/CameraConnection.h"
#include "controls/AoiPage.h"
#include "controls/CameraSettingsButtons.h"
#include "controls/ControlHost.h"
#include "controls/GainShutterPage.h"
#include "controls/GammaPage.h"
#include "controls/IoPage.h"
#include "controls/OtherPage.h"
#include "controls/TriggerPage.h"
#include "controls/UserSetPage.h"
#include "controls/WhiteBalancePage.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The page of a tab.
SettingsPage* NewPage(CLxCtrlMainDlg::Tab tab)
{
    switch (tab) {
    case CLxCtrlMainDlg::kGainShutterTab:
        return new GainShutterPage;
    case CLxCtrlMainDlg::kWhiteBalanceTab:
        return new WhiteBalancePage;
    case CLxCtrlMainDlg::kGammaTab:
        return new GammaPage;
    case CLxCtrlMainDlg::kTriggerTab:
        return new TriggerPage;
    case CLxCtrlMainDlg::kAoiTab:
        return new AoiPage;
    case CLxCtrlMainDlg::kOutputTab:
        return new IoPage;
    case CLxCtrlMainDlg::kOtherTab:
        return new OtherPage;
    case CLxCtrlMainDlg::kUserSetTab:
    case CLxCtrlMainDlg::kTabCount:
        break;
    }
    return new UserSetPage;
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
        SettingsPage* page = NewPage(static_cast<Tab>(tab));
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
    const CameraConnection* camera = host_.ControlCamera();
    setWindowTitle(camera ? tr("%1[%2]").arg(application, QString::fromStdString(camera->Identity().model))
                          : application);
}

void CLxCtrlMainDlg::RefreshAllPages()
{
    for (SettingsPage* page : pages_)
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
