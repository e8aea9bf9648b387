// The main window: the drawing painter and the drawing commands.


#include "app/CLumivexDlg.h"
#include "camera/CameraConnection.h"
#include "drawing/CDrawingManagementDlg.h"
#include "drawing/DrawingOverlayPainter.h"
#include "selection/MessagePrompts.h"

namespace {

// The drawing manager's overlay painter as the acquisition thread calls it.
void PaintDrawing(QPainter& painter, uint8_t*, int32_t, int32_t, uint32_t, void* userData, const int32_t*)
{
    static_cast<const DrawingOverlayPainter*>(userData)->Draw(painter);
}

bool DrawingIsIdle(const void* userData)
{
    return static_cast<const DrawingOverlayPainter*>(userData)->DrawsNothing();
}

} // namespace

void CLumivexDlg::RegisterDrawingPainter(CameraConnection& camera)
{
    OverlayRegistry* registry = camera.Acquisition().GetOverlayRegistry();
    if (context_.drawingOverlayPainter || !registry)
        return;
    context_.drawingOverlayPainter = std::make_unique<DrawingOverlayPainter>(*context_.drawingManager);
    drawingRegistry_ = registry;
    drawingPainterKey_ = registry->Add(&PaintDrawing, context_.drawingOverlayPainter.get(), &DrawingIsIdle);
}

void CLumivexDlg::UnregisterDrawingPainter()
{
    if (drawingRegistry_)
        drawingRegistry_->Remove(drawingPainterKey_);
    drawingRegistry_ = nullptr;
    drawingPainterKey_ = 0;
    context_.drawingOverlayPainter.reset();
}

void CLumivexDlg::SetDrawingMode(int mode)
{
    context_.drawingManager->SetTool(mode);
    SyncToolBar();
}

void CLumivexDlg::SyncToolBar()
{
    const int32_t tool = context_.drawingManager->Tool();
    for (int mode = 0; mode < kDrawingModeCount; ++mode) {
        modeButtons_[mode]->setChecked(mode == tool);
        modeItems_[mode]->setChecked(mode == tool);
    }
}

void CLumivexDlg::DeleteDrawing()
{
    context_.drawingManager->DeleteSelected();
    if (drawPropertyDlg_)
        drawPropertyDlg_->Reload();
    UpdateMenus();
}

void CLumivexDlg::ShowDrawProperty()
{
    if (drawPropertyDlg_) {
        drawPropertyDlg_->raise();
        drawPropertyDlg_->activateWindow();
        return;
    }
    auto* dialog = new CDrawingManagementDlg(*context_.drawingManager, this);
    // Its questions and messages are this window's message boxes; the file
    // choosers stay the system's.
    CDrawingManagementDlg::Prompts prompts = CDrawingManagementDlg::StandardPrompts();
    prompts.askYesNo = [this](QWidget* parent, const QString& question) {
        return prompts_.AskYesNo(parent, QCoreApplication::applicationName(), question);
    };
    prompts.showError = [this](QWidget* parent, const QString& message) {
        prompts_.Show(parent, QCoreApplication::applicationName(), message, MessagePrompts::Icon::Exclamation);
    };
    dialog->SetPrompts(std::move(prompts));
    dialog->SetInitialFileRegistrar([this](const QString& path) { context_.RegisterDrawingFile(path); });
    connect(dialog, &CDrawingManagementDlg::closed, this, [this] { drawPropertyDlg_ = nullptr; });
    drawPropertyDlg_ = dialog;
    dialog->show();
}
