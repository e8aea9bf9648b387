#include "SimCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("lumivex-camsim", text);
}

} // namespace

SimCommandLine ParseSimCommandLine(const QStringList& arguments)
{
    SimCommandLine result;
    SimOptions& options = result.options;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        Tr("A simulated GigE Vision camera. Run it inside a private network namespace (scripts/netns)."));
    const QCommandLineOption help({"h", "help"}, Tr("Show this help."));
    const QCommandLineOption interface("interface", Tr("Address to answer on (default 127.0.0.1)."), "ADDR");
    const QCommandLineOption serial("serial", Tr("Serial number text (default from the address)."), "TEXT");
    const QCommandLineOption modelCode("model-code", Tr("Model code, decimal or 0x hexadecimal."), "N");
    const QCommandLineOption pixelFormat("pixel-format", Tr("Initial pixel format, such as Mono8 or BayerRG12."),
                                         "NAME");
    const QCommandLineOption width("width", Tr("Sensor width (default 1280)."), "N");
    const QCommandLineOption height("height", Tr("Sensor height (default 960)."), "N");
    const QCommandLineOption mono("mono", Tr("A monochrome camera."));
    const QCommandLineOption colour("colour", Tr("A colour camera (the default)."));
    const QCommandLineOption fivePins("five-pins", Tr("Five output pins instead of two."));
    const QCommandLineOption noBoard("no-option-board", Tr("No option board fitted."));
    const QCommandLineOption version("device-version", Tr("Device version text (default 2.0007)."), "TEXT");
    const QCommandLineOption without("without", Tr("Leave these features out of the camera's description."),
                                     "NAME[,NAME...]");
    const QCommandLineOption fps("fps", Tr("Frame rate (default 30)."), "X");
    const QCommandLineOption loss("loss", Tr("Stream packets lost when first sent, per mille (default 0)."),
                                  "PER_MILLE");
    const QCommandLineOption controlLoss(
        "control-loss", Tr("Acknowledges to register and memory commands lost, per mille (default 0)."), "PER_MILLE");
    const QCommandLineOption frameSkip("frame-skip", Tr("Never send every Nth frame (default 0: send all)."), "N");
    parser.addOptions({help, interface, serial, modelCode, pixelFormat, width, height, mono, colour, fivePins, noBoard,
                       version, without, fps, loss, controlLoss, frameSkip});

    result.helpText = parser.helpText().toStdString();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText().toStdString();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = Tr("Unexpected argument: %1").arg(parser.positionalArguments().first()).toStdString();
        return result;
    }
    if (parser.isSet(help)) {
        result.help = true;
        return result;
    }

    auto integer = [&](const QCommandLineOption& option, int* out) {
        if (!parser.isSet(option))
            return true;
        bool ok = false;
        const int value = parser.value(option).toInt(&ok, 0);
        if (!ok) {
            result.error = Tr("--%1 needs a whole number.").arg(option.names().first()).toStdString();
            return false;
        }
        *out = value;
        return true;
    };
    if (!integer(modelCode, &options.modelCode) || !integer(width, &options.width) ||
        !integer(height, &options.height) || !integer(loss, &options.lossPerMille) ||
        !integer(controlLoss, &options.controlLossPerMille) || !integer(frameSkip, &options.frameSkip))
        return result;
    if (parser.isSet(fps)) {
        bool ok = false;
        options.fps = parser.value(fps).toDouble(&ok);
        if (!ok) {
            result.error = Tr("--fps needs a number.").toStdString();
            return result;
        }
    }
    if (parser.isSet(mono) && parser.isSet(colour)) {
        result.error = Tr("--mono and --colour exclude each other.").toStdString();
        return result;
    }
    if (parser.isSet(interface))
        options.interfaceAddress = parser.value(interface).toStdString();
    if (parser.isSet(serial))
        options.serial = parser.value(serial).toStdString();
    if (parser.isSet(pixelFormat))
        options.pixelFormat = parser.value(pixelFormat).toStdString();
    if (parser.isSet(version))
        options.deviceVersion = parser.value(version).toStdString();
    options.colour = !parser.isSet(mono);
    options.fivePins = parser.isSet(fivePins);
    options.optionBoard = !parser.isSet(noBoard);
    for (const QString& list : parser.values(without)) {
        for (const QString& name : list.split(',', Qt::SkipEmptyParts))
            options.without.push_back(name.trimmed().toStdString());
    }
    return result;
}
