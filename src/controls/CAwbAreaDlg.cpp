#include "controls/CAwbAreaDlg.h"

#include "controls/ValueComboBinding.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const std::vector<BorderSliderGroup::Border> kXBorders = {
    {QT_TRANSLATE_NOOP("CAwbAreaDlg", "X1"), "WB_WindowH1", "20H_ 5CH,5DH"},
    {QT_TRANSLATE_NOOP("CAwbAreaDlg", "X2"), "WB_WindowH2", "20H_ 5EH,5FH"},
};

const std::vector<BorderSliderGroup::Border> kYBorders = {
    {QT_TRANSLATE_NOOP("CAwbAreaDlg", "Y1"), "WB_WindowV1", "20H_ 58H,59H"},
    {QT_TRANSLATE_NOOP("CAwbAreaDlg", "Y2"), "WB_WindowV2", "20H_ 5AH,5BH"},
};

} // namespace

CAwbAreaDlg::CAwbAreaDlg(CameraConnection* camera, QWidget* parent) : AreaDialog(camera, kOverlayName, parent)
{
    setWindowTitle(tr("White Balance setting"));

    auto* zone = new QGroupBox(tr("Zone"), this);
    auto* grid = new QGridLayout(zone);
    auto* combo = new QComboBox(zone);
    combo->setObjectName(QStringLiteral("WB_WindowMode"));
    grid->addWidget(combo, 0, 0, 1, 2, Qt::AlignLeft);
    mode_ = new ValueComboBinding(*this, FeatureRow{nullptr, "WB_WindowMode", "20H_ 60H.4"}, nullptr, combo,
                                  {QT_TR_NOOP("OFF"), QT_TR_NOOP("ON")}, ValueComboBinding::Unreadable::SelectFirst);
    AddBorderGroups(*zone, *grid, 1, kXBorders, kYBorders);
    connect(mode_, &ValueComboBinding::changed, this, &CAwbAreaDlg::ApplyEnablingRules);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(zone);
    layout->addWidget(buttons);

    mode_->Init();
    mode_->Show();
    ShowBorders();
    ApplyEnablingRules();
    StartOverlay();
}

void CAwbAreaDlg::ApplyEnablingRules()
{
    SetBordersEnabled(mode_->Remembered() != 0);
}
