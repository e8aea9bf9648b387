#include "controls/PageSettingsFile.h"

#include "controls/AoiPage.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/TriggerPage.h"
#include "controls/WhiteBalancePage.h"

namespace {

// The values the pages remember.
class PageValues : public CameraSettingsValues {
public:
    PageValues(CLxCtrlMainDlg& dialog, CameraConnection& camera) : CameraSettingsValues(camera), dialog_(dialog) {}

    int32_t Value(Page page, const std::string& key) const override { return Of(page).Remembered(key); }
    double FloatValue(Page page, const std::string& key) const override { return Of(page).RememberedFloat(key); }
    PulseTiming Timing() const override
    {
        return static_cast<TriggerPage*>(dialog_.Page(CLxCtrlMainDlg::kTriggerTab))->Timing();
    }
    AoiRect Area() const override { return Aoi().CameraArea(); }
    int32_t BinningVertical() const override { return Aoi().Limits().binningVertical; }
    bool IsColour() const override
    {
        return static_cast<WhiteBalancePage*>(dialog_.Page(CLxCtrlMainDlg::kWhiteBalanceTab))->IsColorCamera();
    }

private:
    SettingsPage& Of(Page page) const
    {
        static constexpr CLxCtrlMainDlg::Tab kTabs[] = {
            CLxCtrlMainDlg::kGainShutterTab, CLxCtrlMainDlg::kWhiteBalanceTab, CLxCtrlMainDlg::kGammaTab,
            CLxCtrlMainDlg::kTriggerTab,     CLxCtrlMainDlg::kOutputTab,       CLxCtrlMainDlg::kOtherTab};
        return *dialog_.Page(kTabs[page]);
    }
    AoiPage& Aoi() const { return *static_cast<AoiPage*>(dialog_.Page(CLxCtrlMainDlg::kAoiTab)); }

    CLxCtrlMainDlg& dialog_;
};

CameraConnection* DialogCamera(CLxCtrlMainDlg& dialog)
{
    return dialog.Page(CLxCtrlMainDlg::kGainShutterTab)->Camera();
}

} // namespace

bool SaveCameraSettings(const std::string& path, CLxCtrlMainDlg& dialog)
{
    CameraConnection* camera = DialogCamera(dialog);
    if (!camera)
        return true;
    // A page remembers what it last showed; another page, or the camera
    // itself, may have changed the feature since.
    dialog.RefreshAllPages();
    return SaveCameraSettings(path, PageValues(dialog, *camera));
}

LoadResult LoadCameraSettings(const std::string& path, CLxCtrlMainDlg& dialog, std::string* why)
{
    CameraConnection* camera = DialogCamera(dialog);
    return camera ? LoadCameraSettings(path, PageValues(dialog, *camera), why) : LoadResult::Loaded;
}
