#include "display/CCallbackEnableDlg.h"

#include "imaging/OverlayPainter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

// Room for the five painter names without scrolling.
constexpr QSize kListSize(160, 120);

} // namespace

CCallbackEnableDlg::CCallbackEnableDlg(std::vector<OverlayPainter*> painters, QWidget* parent)
    : QDialog(parent),
      painters_(std::move(painters)),
      enabledList_(new QListWidget(this)),
      disabledList_(new QListWidget(this)),
      enableButton_(new QPushButton(tr("<-Enable"), this)),
      disableButton_(new QPushButton(tr("Disable->"), this))
{
    setWindowTitle(tr("Callback Functions"));
    enabledList_->setObjectName(QStringLiteral("enabledList"));
    disabledList_->setObjectName(QStringLiteral("disabledList"));
    for (QListWidget* list : {enabledList_, disabledList_})
        list->setFixedSize(kListSize);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(enableButton_);
    buttons->addWidget(disableButton_);
    buttons->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(tr("Enable"), this), 0, 0);
    lists->addWidget(new QLabel(tr("Disable"), this), 0, 2);
    lists->addWidget(enabledList_, 1, 0);
    lists->addLayout(buttons, 1, 1);
    lists->addWidget(disabledList_, 1, 2);

    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(ok);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(enableButton_, &QPushButton::clicked, this, &CCallbackEnableDlg::EnableSelected);
    connect(disableButton_, &QPushButton::clicked, this, &CCallbackEnableDlg::DisableSelected);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    Refresh();
}

void CCallbackEnableDlg::Refresh()
{
    enabledList_->clear();
    disabledList_->clear();
    for (const OverlayPainter* painter : painters_)
        (painter->IsEnabled() ? enabledList_ : disabledList_)->addItem(painter->Name());
    enableButton_->setEnabled(disabledList_->count() > 0);
    disableButton_->setEnabled(enabledList_->count() > 0);
    for (QListWidget* list : {enabledList_, disabledList_}) {
        if (list->count() > 0)
            list->setCurrentRow(0);
    }
}

OverlayPainter* CCallbackEnableDlg::NthPainter(int n, bool enabled) const
{
    for (OverlayPainter* painter : painters_) {
        if (painter->IsEnabled() != enabled)
            continue;
        if (n-- == 0)
            return painter;
    }
    return nullptr;
}

void CCallbackEnableDlg::EnableSelected()
{
    if (OverlayPainter* painter = NthPainter(disabledList_->currentRow(), false))
        EnablePainter(*painter);
    Refresh();
}

void CCallbackEnableDlg::DisableSelected()
{
    if (OverlayPainter* painter = NthPainter(enabledList_->currentRow(), true)) {
        DisablePainter(*painter, painter->Key());
        painter->SetKey(0);
    }
    Refresh();
}
