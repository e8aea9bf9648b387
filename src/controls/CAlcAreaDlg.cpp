#include "controls/CAlcAreaDlg.h"

#include "controls/IntSpinBinding.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The weight spins' range when the camera gives none.
constexpr int32_t kFallbackWeightMin = 0;
constexpr int32_t kFallbackWeightMax = 10;
constexpr int kWeightColumns = 3;

// Registers of the nine weights, row by row.
constexpr std::array<const char*, 9> kWeightTooltips = {
    "20H_ 29H.0-3", "20H_ 29H.4-7", "20H_ 2AH.0-3", "20H_ 2AH.4-7", "20H_ 2BH.0-3",
    "20H_ 2BH.4-7", "20H_ 2CH.0-3", "20H_ 2CH.4-7", "20H_ 2DH.0-3",
};

constexpr std::array<const char*, 9> kWeightFeatures = {
    "ALCWeight1", "ALCWeight2", "ALCWeight3", "ALCWeight4", "ALCWeight5",
    "ALCWeight6", "ALCWeight7", "ALCWeight8", "ALCWeight9",
};

const std::vector<BorderSliderGroup::Border> kXBorders = {
    {QT_TRANSLATE_NOOP("CAlcAreaDlg", "X1"), "ALCWindowH1", "20H_ 38H,39H"},
    {QT_TRANSLATE_NOOP("CAlcAreaDlg", "X2"), "ALCWindowH2", "20H_ 3AH,3BH"},
    {QT_TRANSLATE_NOOP("CAlcAreaDlg", "X3"), "ALCWindowH3", "20H_ 3CH,3DH"},
    {QT_TRANSLATE_NOOP("CAlcAreaDlg", "X4"), "ALCWindowH4", "20H_ 3EH,3FH"},
};

const std::vector<BorderSliderGroup::Border> kYBorders = {
    {QT_TRANSLATE_NOOP("CAlcAreaDlg", "Y1"), "ALCWindowV1", "20H_ 30H,31H"},
    {QT_TRANSLATE_NOOP("CAlcAreaDlg", "Y2"), "ALCWindowV2", "20H_ 32H,33H"},
    {QT_TRANSLATE_NOOP("CAlcAreaDlg", "Y3"), "ALCWindowV3", "20H_ 34H,35H"},
    {QT_TRANSLATE_NOOP("CAlcAreaDlg", "Y4"), "ALCWindowV4", "20H_ 36H,37H"},
};

} // namespace

CAlcAreaDlg::CAlcAreaDlg(CameraConnection* camera, QWidget* parent) : AreaDialog(camera, kOverlayName, parent)
{
    setWindowTitle(tr("ALC Weight/Area"));

    auto* weightBox = new QGroupBox(tr("Weight"), this);
    auto* weightGrid = new QGridLayout(weightBox);
    for (size_t cell = 0; cell < kWeightFeatures.size(); ++cell) {
        auto* spin = new QSpinBox(weightBox);
        spin->setObjectName(QString::fromLatin1(kWeightFeatures[cell]));
        weightGrid->addWidget(spin, static_cast<int>(cell) / kWeightColumns, static_cast<int>(cell) % kWeightColumns);
        weights_[cell] = new IntSpinBinding(*this, FeatureRow{nullptr, kWeightFeatures[cell], kWeightTooltips[cell]},
                                            nullptr, spin, kFallbackWeightMin, kFallbackWeightMax);
        connect(weights_[cell], &IntSpinBinding::shown, this, &CAlcAreaDlg::UpdateWeights);
    }

    auto* areaBox = new QGroupBox(tr("Area"), this);
    auto* areaGrid = new QGridLayout(areaBox);
    AddBorderGroups(*areaBox, *areaGrid, 0, kXBorders, kYBorders);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(weightBox);
    layout->addWidget(areaBox);
    layout->addLayout(buttons);

    for (IntSpinBinding* weight : weights_) {
        weight->Init();
        weight->Show();
    }
    ShowBorders();
    StartOverlay();
}

void CAlcAreaDlg::UpdateWeights()
{
    std::vector<int32_t> weights;
    for (const IntSpinBinding* weight : weights_)
        weights.push_back(weight ? weight->Remembered() : -1);
    Overlay().SetWeights(std::move(weights));
}

void CAlcAreaDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter commits a weight box; it must not close the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
