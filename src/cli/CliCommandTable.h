// The commands of lumivex-cli, one row each:
//     LUMIVEX_CLI_COMMAND(name, handler, summary)
// The handler, int handler(CliContext&), lives in a file of its own; its row
// here is all it takes to plug it in. This list is included more than once
// (for the declarations and for the table), so it has no include guard.

LUMIVEX_CLI_COMMAND("list", CliList, QT_TRANSLATE_NOOP("LumivexCli", "List the GigE Vision cameras on the network"))
LUMIVEX_CLI_COMMAND("features", CliFeatures,
                    QT_TRANSLATE_NOOP("LumivexCli", "List a camera's features with their values and ranges"))
LUMIVEX_CLI_COMMAND("get", CliGet, QT_TRANSLATE_NOOP("LumivexCli", "Print features of a camera as NAME=value"))
LUMIVEX_CLI_COMMAND("set", CliSet, QT_TRANSLATE_NOOP("LumivexCli", "Set features of a camera from NAME=VALUE"))
LUMIVEX_CLI_COMMAND("serial", CliSerial,
                    QT_TRANSLATE_NOOP("LumivexCli", "Read or write registers through a camera's serial channel"))
LUMIVEX_CLI_COMMAND("record", CliRecord, QT_TRANSLATE_NOOP("LumivexCli", "Record frames of a camera into an AVI movie"))
LUMIVEX_CLI_COMMAND("snapshot", CliSnapshot,
                    QT_TRANSLATE_NOOP("LumivexCli", "Take one frame from a camera and save it as an image file"))
LUMIVEX_CLI_COMMAND("convert", CliConvert,
                    QT_TRANSLATE_NOOP("LumivexCli", "Convert a raw camera frame into an image file"))
LUMIVEX_CLI_COMMAND("settings", CliSettings, QT_TRANSLATE_NOOP("LumivexCli", "Save or load a camera settings file"))
LUMIVEX_CLI_COMMAND("doctor", CliDoctor,
                    QT_TRANSLATE_NOOP("LumivexCli", "Stream from a camera for a while and say why packets are lost"))
