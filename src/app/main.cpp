// The Lumivex viewer. For now it shows the camera finder: exit status 0 when
// a camera was chosen, 1 when the finder was cancelled.
#include "sdk/SdkDeviceFinderWnd.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SdkDeviceFinderWnd finder;
    finder.SetTitle(QApplication::translate("main", "Available GigE Vision Cameras").toStdString());
    SdkResult result = finder.ShowModal();
    return result.IsOK() && finder.GetSelected() ? 0 : 1;
}
