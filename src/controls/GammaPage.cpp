#include "controls/GammaPage.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "controls/CommandButtonBinding.h"
#include "controls/TextNumbers.h"
#include "controls/ValueComboBinding.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCameraRegisterPort = 0;
constexpr double kHundredths = 100.0;
constexpr int kExponentPageStep = 10;

} // namespace

GammaPage::GammaPage(QWidget* parent) : SettingsPage(QT_TRANSLATE_NOOP("GammaPage", "Gamma"), parent)
{
    auto* grid = new QGridLayout;
    mode_ = AddValueCombo(*grid, 0, {QT_TR_NOOP("Gamma Mode"), "GammaMode", "20H_ 60H.0"},
                          {QT_TR_NOOP("OFF"), QT_TR_NOOP("ON")}, ValueComboBinding::Unreadable::SelectFirst);
    auto* reloadLabel = new QLabel(this);
    reload_ = new QPushButton(this);
    reload_->setObjectName(QStringLiteral("ReloadGammaData"));
    grid->addWidget(reloadLabel, 1, kLabelColumn);
    grid->addWidget(reload_, 1, kControlColumn, Qt::AlignLeft);
    reloadCommand_ =
        new CommandButtonBinding(*this, {QT_TR_NOOP("EEPROM->Register"), "ReloadGammaData", "20H_ 60H.7"}, reload_);
    reloadLabel->setText(tr("Reload Gamma Data"));
    reloadCommand_->AddCompanion(reloadLabel);
    grid->setColumnStretch(kExtraColumn, 1);

    auto* correction = new QGroupBox(this);
    auto* correctionGrid = new QGridLayout(correction);
    exponentEdit_ = new QLineEdit(this);
    exponentEdit_->setObjectName(QStringLiteral("GammaValue"));
    exponentEdit_->setFixedWidth(kEditWidth);
    exponent_ = new QScrollBar(Qt::Horizontal, this);
    exponent_->setObjectName(QStringLiteral("GammaScroll"));
    exponent_->setRange(kExponentMin, kExponentMax);
    exponent_->setSingleStep(1);
    exponent_->setPageStep(kExponentPageStep);
    exponent_->setValue(kExponentInitial);
    correctionGrid->addWidget(new QLabel(tr("Gamma Correction"), this), 0, 0);
    correctionGrid->addWidget(exponentEdit_, 0, 1);
    correctionGrid->addWidget(new QLabel(QStringLiteral("0.30"), this), 1, 0);
    correctionGrid->addWidget(exponent_, 1, 1, 1, 2);
    correctionGrid->addWidget(new QLabel(QStringLiteral("2.00"), this), 1, 3);
    correctionGrid->addWidget(new QLabel(QStringLiteral("Out = Round( Pow( In/4095, Value ) * 4095 )"), this), 2, 0, 1,
                              4);
    toRegister_ = new QPushButton(tr("To Register"), this);
    toRegister_->setObjectName(QStringLiteral("ToRegister"));
    toEeprom_ = new QPushButton(tr("To EEPROM"), this);
    toEeprom_->setObjectName(QStringLiteral("ToEEPROM"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(toRegister_);
    buttons->addWidget(toEeprom_);
    buttons->addStretch();
    correctionGrid->addLayout(buttons, 3, 0, 1, 4);

    connect(exponent_, &QScrollBar::valueChanged, this, &GammaPage::ShowExponent);
    connect(exponentEdit_, &QLineEdit::returnPressed, this, &GammaPage::OnExponentEntered);
    connect(exponentEdit_, &QLineEdit::editingFinished, this, &GammaPage::ShowExponent);
    connect(toRegister_, &QPushButton::clicked, this, [this] { Upload(GammaTarget::Register); });
    connect(toEeprom_, &QPushButton::clicked, this, [this] { Upload(GammaTarget::Eeprom); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(correction);
    layout->addStretch();
    ShowExponent();
}

void GammaPage::InitControls()
{
    InitBindings();
}

void GammaPage::RefreshFromCamera()
{
    if (Features()) {
        mode_->Show();
        reloadCommand_->Show();
    }
    ApplyEnablingRules();
}

void GammaPage::ApplyEnablingRules()
{
    const bool connected = Features() != nullptr;
    // The table goes to the option electronics, which only a camera with
    // the program's gamma mode has.
    const bool table = connected && mode_->IsOffered();
    for (QPushButton* button : {toRegister_, toEeprom_}) {
        button->setEnabled(table);
        button->setToolTip(connected && !table ? tr("This camera does not offer a gamma table.") : QString());
    }
    reloadCommand_->SetEnabled(connected);
    mode_->SetEnabled(connected);
}

int GammaPage::ExponentPosition() const
{
    return exponent_->value();
}

void GammaPage::ShowExponent()
{
    const int position = exponent_->value();
    exponentEdit_->setText(QString::asprintf("%d.%02d", position / 100, position % 100));
}

void GammaPage::OnExponentEntered()
{
    const double typed = ParseDecimalNumber(exponentEdit_->text().toStdString()) * kHundredths;
    const double clamped = std::clamp(std::trunc(typed), double{kExponentMin}, double{kExponentMax});
    exponent_->setValue(static_cast<int>(clamped));
    ShowExponent();
}

bool GammaPage::Upload(GammaTarget target)
{
    CameraConnection* camera = Camera();
    if (!camera)
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const double exponentValue = exponent_->value() / kHundredths;
    const std::vector<uint8_t> channels = GammaChannels(camera->PixelFormat());
    CRS232C_OM& serial = camera->GetSerial();
    bool uploaded = false;
    if (serial.OpenPort(camera->GetDevice(), kCameraRegisterPort)) {
        QProgressDialog progress(tr("Gamma"), QString(), 0, 1, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        uploaded = UploadGammaTable(serial, target, channels, ComputeGammaTable(exponentValue),
                                    [&progress](int sent, int total) {
                                        progress.setMaximum(total);
                                        progress.setValue(sent);
                                    });
    }
    if (serial.IsOpen())
        serial.ClosePort();
    QApplication::restoreOverrideCursor();
    return uploaded;
}
