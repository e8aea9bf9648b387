#include "app/MainToolBar.h"

#include <QCoreApplication>
#include <QKeyEvent>

void MainToolBar::keyPressEvent(QKeyEvent* event)
{
    if (QWidget* parent = parentWidget())
        QCoreApplication::sendEvent(parent, event);
}
