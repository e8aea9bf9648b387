#include "camera/SerialMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

void SerialMessageBox::ReportSerialError(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A program without widgets (a command-line tool that forgot its own
    // reporter) must still not lose the message.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(shown));
        return;
    }
    QMessageBox::warning(nullptr, QGuiApplication::applicationDisplayName(), shown);
}
