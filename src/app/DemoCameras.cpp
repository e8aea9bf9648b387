#include "app/DemoCameras.h"

#include "app/LaunchOptions.h"
#include "sim/SimCamera.h"

#include <QCoreApplication>

DemoCameras::DemoCameras() = default;

DemoCameras::~DemoCameras() = default;

bool DemoCameras::Start(int count)
{
    for (int number = 1; number <= count; ++number) {
        SimOptions options;
        options.interfaceAddress = DemoCameraAddress(number);
        // Every second camera is monochrome, so that the demo shows both kinds.
        options.colour = number % 2 == 1;
        auto camera = std::make_unique<SimCamera>();
        if (!camera->Start(options)) {
            error_ =
                QCoreApplication::translate("DemoCameras", "Simulated camera %1 did not start: %2")
                    .arg(QString::fromStdString(options.interfaceAddress), QString::fromStdString(camera->ErrorText()));
            return false;
        }
        cameras_.push_back(std::move(camera));
    }
    return true;
}
