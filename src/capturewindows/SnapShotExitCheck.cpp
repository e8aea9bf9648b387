#include "capturewindows/SnapShotExitCheck.h"

#include "capturewindows/SnapShotList.h"

#include <QCoreApplication>
#include <QMessageBox>

SnapShotQuitQuestion StandardSnapShotQuitQuestion()
{
    return [](QWidget* parent, const QString& question) {
        QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), question,
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        return box.exec() == QMessageBox::Ok;
    };
}

bool MayQuitWithSnapShots(const SnapShotList& list, QWidget* parent, const SnapShotQuitQuestion& ask)
{
    if (list.CountUnsaved() == 0)
        return true;
    return ask(parent, QCoreApplication::translate("SnapShotList", "There are images that are not saved. If you quit "
                                                                   "this application, these images are removed."));
}
