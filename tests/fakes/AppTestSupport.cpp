#include "AppTestSupport.h"

#include "CameraFakes.h"
#include "TempDir.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"

void RecordingPrompts::Show(QWidget*, const QString& caption, const QString& text, Icon icon)
{
    shown.push_back({caption, text, icon});
}

bool RecordingPrompts::AskYesNo(QWidget*, const QString&, const QString& text)
{
    questions.push_back(text);
    return answer;
}

bool RecordingPrompts::AskOkCancel(QWidget*, const QString&, const QString& text)
{
    questions.push_back(text);
    return answer;
}

QStringList RecordingPrompts::Texts() const
{
    QStringList texts;
    for (const Message& message : shown)
        texts.push_back(message.text);
    return texts;
}

std::unique_ptr<CameraConnection> MakeFakeCamera(const TempDir& dir, FakeDevice** device)
{
    auto fake = std::make_unique<FakeDevice>();
    if (device)
        *device = fake.get();
    return std::make_unique<CameraConnection>(std::move(fake), std::make_unique<FakePipeline>(),
                                              std::make_unique<CRS232C_OM>(dir.file("serial.ini")));
}
