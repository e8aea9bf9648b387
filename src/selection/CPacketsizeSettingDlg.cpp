#include "selection/CPacketsizeSettingDlg.h"

#include "camera/NetworkText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kLineStep = 1;
constexpr int kPageStep = 10;

} // namespace

CPacketsizeSettingDlg::CPacketsizeSettingDlg(bool autoNegotiation, int32_t packetSize, int32_t minimum, int32_t maximum,
                                             QWidget* parent)
    : QDialog(parent),
      autoNegotiation_(autoNegotiation),
      packetSize_(packetSize),
      modeList_(new QComboBox(this)),
      sizeLabel_(new QLabel(tr("Packet Size"), this)),
      sizeField_(new QLineEdit(this)),
      scrollBar_(new QScrollBar(Qt::Horizontal, this))
{
    setWindowTitle(tr("Packet size"));

    modeList_->addItem(tr("Manual"), kManual);
    modeList_->addItem(tr("Auto"), kAuto);
    scrollBar_->setRange(minimum, std::max(minimum, maximum));
    scrollBar_->setSingleStep(kLineStep);
    scrollBar_->setPageStep(kPageStep);
    scrollBar_->setValue(packetSize_);
    sizeField_->setText(QString::number(packetSize_));
    sizeField_->installEventFilter(this);
    modeList_->setCurrentIndex(autoNegotiation_ ? kAuto : kManual);
    UpdateEnabling();

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Packet Size mode"), this), 0, 0);
    grid->addWidget(modeList_, 0, 1);
    grid->addWidget(sizeLabel_, 1, 0);
    grid->addWidget(sizeField_, 1, 1);
    grid->addWidget(scrollBar_, 2, 0, 1, 2);

    auto* buttons = new QDialogButtonBox(this);
    // Enter in the size field confirms the size; it must not press OK as well.
    for (QPushButton* button : {buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole),
                                buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)})
        button->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(modeList_, &QComboBox::currentIndexChanged, this, &CPacketsizeSettingDlg::ModeChanged);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &CPacketsizeSettingDlg::TakePosition);
}

bool CPacketsizeSettingDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == sizeField_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                ConfirmTypedSize();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Text not confirmed with Enter is dropped.
            sizeField_->setText(QString::number(scrollBar_->value()));
            packetSize_ = scrollBar_->value();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CPacketsizeSettingDlg::ModeChanged(int index)
{
    autoNegotiation_ = modeList_->itemData(index).toInt() != kManual;
    UpdateEnabling();
}

void CPacketsizeSettingDlg::UpdateEnabling()
{
    const bool manual = !autoNegotiation_;
    sizeLabel_->setEnabled(manual);
    sizeField_->setEnabled(manual);
    scrollBar_->setEnabled(manual);
}

void CPacketsizeSettingDlg::TakePosition(int position)
{
    packetSize_ = position;
    sizeField_->setText(QString::number(position));
}

void CPacketsizeSettingDlg::ConfirmTypedSize()
{
    const int32_t typed =
        std::clamp(ParseLeadingDecimal(sizeField_->text()), scrollBar_->minimum(), scrollBar_->maximum());
    sizeField_->setText(QString::number(typed));
    scrollBar_->setValue(typed);
    packetSize_ = typed;
}
