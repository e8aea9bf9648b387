#include "optionboard/DataSettingPage.h"

#include "optionboard/OptionLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr char kContext[] = "DataSettingPage";
constexpr uint8_t kEnable = 1;

} // namespace

DataSettingPage::DataSettingPage(OptionState& state, QWidget* parent)
    : SettingsPage(QT_TRANSLATE_NOOP("DataSettingPage", "Data setting"), parent),
      state_(state)
{
    imageData_ = new QGroupBox(this);
    auto* imageGrid = new QGridLayout(imageData_);
    dataToUserFpga_ = AddOptionListRow(*imageGrid, 0, dataToUserFpgaLabel_, imageData_);
    dataFromUserFpga_ = AddOptionListRow(*imageGrid, 1, dataFromUserFpgaLabel_, imageData_);
    imageGrid->setColumnStretch(2, 1);

    outputSignal_ = new QGroupBox(this);
    auto* outputGrid = new QGridLayout(outputSignal_);
    for (int pin = 0; pin < kOptionOutputCount; ++pin)
        outputSource_[pin] = AddOptionListRow(*outputGrid, pin, outputLabels_[pin], outputSignal_);
    outputGrid->setColumnStretch(2, 1);

    auto* enableGrid = new QGridLayout;
    jtag_ = AddOptionListRow(*enableGrid, 0, jtagLabel_, this);
    userFpgaEnable_ = AddOptionListRow(*enableGrid, 1, userFpgaEnableLabel_, this);
    enableGrid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imageData_);
    layout->addWidget(outputSignal_);
    layout->addLayout(enableGrid);
    layout->addStretch();

    connect(dataToUserFpga_, &QComboBox::currentIndexChanged, this, [this](int index) {
        Change([index](OptionState& s) { s.dataToUserFpga = static_cast<uint8_t>(index); },
               &OptionBoardLink::WriteDataPath);
    });
    connect(dataFromUserFpga_, &QComboBox::currentIndexChanged, this, [this](int index) {
        Change([index](OptionState& s) { s.dataFromUserFpga = static_cast<uint8_t>(index); },
               &OptionBoardLink::WriteDataPath);
    });
    for (int pin = 0; pin < kOptionOutputCount; ++pin) {
        connect(outputSource_[pin], &QComboBox::currentIndexChanged, this, [this, pin](int index) {
            Change([pin, index](OptionState& s) { s.outputSource[pin] = static_cast<uint8_t>(index); },
                   &OptionBoardLink::WriteDataPath);
        });
    }
    connect(jtag_, &QComboBox::currentIndexChanged, this, [this](int index) {
        Change([index](OptionState& s) { s.jtagConnection = static_cast<uint8_t>(index); },
               &OptionBoardLink::WriteJtagConnection);
    });
    connect(userFpgaEnable_, &QComboBox::currentIndexChanged, this, &DataSettingPage::OnUserFpgaEnableChanged);

    userFpgaWait_.setSingleShot(true);
    userFpgaWait_.setInterval(kUserFpgaStartMs);
    connect(&userFpgaWait_, &QTimer::timeout, this, &DataSettingPage::EndUserFpgaWait);
}

DataSettingPage::~DataSettingPage()
{
    if (userFpgaWait_.isActive())
        QGuiApplication::restoreOverrideCursor();
}

void DataSettingPage::InitControls()
{
    imageData_->setTitle(tr("Image data"));
    outputSignal_->setTitle(tr("Output signal"));
    dataToUserFpgaLabel_->setText(tr("Norvane FPGA->User FPGA"));
    dataFromUserFpgaLabel_->setText(tr("Process after User FPGA->Norvane FPGA"));
    jtagLabel_->setText(tr("JTAG connection"));
    userFpgaEnableLabel_->setText(tr("User FPGA Enable"));
    FillOptionList(*dataToUserFpga_, kContext,
                   {QT_TRANSLATE_NOOP("DataSettingPage", "CCD data"),
                    QT_TRANSLATE_NOOP("DataSettingPage", "White balance processed data"),
                    QT_TRANSLATE_NOOP("DataSettingPage", "White balance and gamma processed data")});
    FillOptionList(*dataFromUserFpga_, kContext,
                   {QT_TRANSLATE_NOOP("DataSettingPage", "No process(No data from User FPGA)"),
                    QT_TRANSLATE_NOOP("DataSettingPage", "White balance,gamma and color interpolation"),
                    QT_TRANSLATE_NOOP("DataSettingPage", "Gamma and color interpolation"),
                    QT_TRANSLATE_NOOP("DataSettingPage", "Color interpolation")});
    for (int pin = 0; pin < kOptionOutputCount; ++pin) {
        outputLabels_[pin]->setText(OptionOutputName(pin));
        FillOptionList(
            *outputSource_[pin], kContext,
            {QT_TRANSLATE_NOOP("DataSettingPage", "Norvane FPGA"), QT_TRANSLATE_NOOP("DataSettingPage", "User FPGA")});
    }
    const std::vector<const char*> disableEnable = {QT_TRANSLATE_NOOP("DataSettingPage", "Disable"),
                                                    QT_TRANSLATE_NOOP("DataSettingPage", "Enable")};
    FillOptionList(*jtag_, kContext, disableEnable);
    FillOptionList(*userFpgaEnable_, kContext, disableEnable);
}

void DataSettingPage::RefreshFromCamera()
{
    // Without a camera the state cannot change, so the lists always show it.
    SelectOption(*dataToUserFpga_, state_.dataToUserFpga);
    SelectOption(*dataFromUserFpga_, state_.dataFromUserFpga);
    for (int pin = 0; pin < kOptionOutputCount; ++pin)
        SelectOption(*outputSource_[pin], state_.outputSource[pin]);
    SelectOption(*jtag_, state_.jtagConnection);
    SelectOption(*userFpgaEnable_, state_.userFpgaEnable);

    const bool available = UserFpgaEnableAvailable(Camera() != nullptr);
    userFpgaEnable_->setEnabled(available);
    userFpgaEnableLabel_->setEnabled(available);
}

void DataSettingPage::Change(const std::function<void(OptionState&)>& edit, OptionBoardLink::Write write)
{
    if (ChangeOptionState(Camera(), state_, edit, write))
        emit stateChanged();
    // A failed write shows the old value again.
    RefreshFromCamera();
}

void DataSettingPage::OnUserFpgaEnableChanged(int index)
{
    const bool wasEnabled = state_.userFpgaEnable == kEnable;
    Change([index](OptionState& s) { s.userFpgaEnable = static_cast<uint8_t>(index); },
           &OptionBoardLink::WriteUserFpgaEnable);
    if (!wasEnabled && state_.userFpgaEnable == kEnable && !userFpgaWait_.isActive()) {
        // The event loop keeps running: the window repaints, input waits.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        window()->setEnabled(false);
        userFpgaWait_.start();
    }
}

void DataSettingPage::EndUserFpgaWait()
{
    window()->setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
}
