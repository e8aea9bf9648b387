// The main window: the snapshot, thumbnail and movie commands.

#include "app/CLumivexDlg.h"

#include "capturewindows/CThumbnailDlg.h"
#include "commands/CMovieCommand.h"
#include "commands/SnapShotCapture.h"

void CLumivexDlg::TakeSnapShot()
{
    if (!::TakeSnapShot(context_))
        return;
    thumbnailDlg_->SnapShotTaken(this);
}

void CLumivexDlg::ShowThumbnails()
{
    if (context_.CameraCount() == 0)
        return;
    thumbnailDlg_->show();
    thumbnailDlg_->raise();
}

void CLumivexDlg::VideoCapture()
{
    if (context_.CameraCount() == 0)
        return;
    movieCommand_->Run(this);
    UpdateMenus();
}
