// lumivex-camsim: one simulated GigE Vision camera as a program. It prints a
// line when it answers and runs until SIGINT or SIGTERM, then prints how many
// frames it sent.
#include "SimCamera.h"
#include "SimCommandLine.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <sys/prctl.h>

int main(int argc, char** argv)
{
    // A camera started by a test or a script ends with whatever started it.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    QCoreApplication application(argc, argv);
    const SimCommandLine commandLine = ParseSimCommandLine(QCoreApplication::arguments());
    if (commandLine.help) {
        std::fputs(commandLine.helpText.c_str(), stdout);
        return 0;
    }
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "lumivex-camsim: %s\n", commandLine.error.c_str());
        return 2;
    }

    // Block the stop signals before the camera's threads exist, so that only
    // the wait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    SimCamera camera;
    if (!camera.Start(commandLine.options)) {
        std::fprintf(stderr, "lumivex-camsim: %s\n", camera.ErrorText().c_str());
        return 1;
    }
    const QString ready = QCoreApplication::translate("lumivex-camsim", "lumivex-camsim: ready on %1 (serial %2)")
                              .arg(QString::fromStdString(commandLine.options.interfaceAddress),
                                   QString::fromStdString(camera.SerialText()));
    std::printf("%s\n", ready.toLocal8Bit().constData());
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    const unsigned long long sent = camera.FramesSent();
    camera.Stop();
    const QString stopped =
        QCoreApplication::translate("lumivex-camsim", "lumivex-camsim: stopped after %1 frames").arg(sent);
    std::printf("%s\n", stopped.toLocal8Bit().constData());
    return 0;
}
