#include "app/SerialMessageBox.h"

#include <QApplication>
#include <QMessageBox>

void SerialMessageBox::ReportSerialError(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox::warning(nullptr, QGuiApplication::applicationDisplayName(), shown);
}
