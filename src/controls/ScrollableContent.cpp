#include "controls/ScrollableContent.h"

#include <QGuiApplication>
#include <QScreen>
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

void FitToScrollableContent(QWidget& dialog)
{
    auto* scroll = dialog.findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    if (!scroll || !scroll->widget())
        return;
    QWidget* content = scroll->widget();
    content->ensurePolished();
    QSize size = content->sizeHint();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    dialog.resize(size);
}
