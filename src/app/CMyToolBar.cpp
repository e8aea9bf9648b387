#include "app/CMyToolBar.h"

#include <QCoreApplication>
#include <QKeyEvent>

void CMyToolBar::keyPressEvent(QKeyEvent* event)
{
    if (QWidget* parent = parentWidget())
        QCoreApplication::sendEvent(parent, event);
}
