#include "controls/ScrollableContent.h"

#include <QScrollArea>
#include <QVBoxLayout>

void SetScrollableContent(QWidget& dialog, QWidget* content)
{
    auto* scroll = new QScrollArea(&dialog);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}
