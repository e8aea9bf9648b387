#include "app/AppMessages.h"

#include <QCoreApplication>

AppMessageEvent::AppMessageEvent(int message, int code)
    : QEvent(Type()), message_(message), code_(code)
{
}

QEvent::Type AppMessageEvent::Type()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostAppMessage(QObject* receiver, int message, int code)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new AppMessageEvent(message, code));
}
