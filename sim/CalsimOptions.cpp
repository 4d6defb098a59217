#include "sim/CalsimOptions.h"

#include <QCommandLineParser>

namespace vk220::sim {

namespace {

// Reads a whole number of at least minimum; on failure records why in options.error.
int ReadNumber(const QCommandLineParser &parser, const QString &name, int minimum,
               CalsimOptions &options) {
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum) {
        options.error = QStringLiteral("--%1 needs a whole number of at least %2, not \"%3\"")
                            .arg(name)
                            .arg(minimum)
                            .arg(parser.value(name));
        return minimum;
    }
    return value;
}

} // namespace

CalsimOptions CalsimOptions::Parse(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated calibrator and adapter behind a pseudo-terminal. Makes the "
                       "link COMn in the current folder and answers command lines over it; "
                       "reports on stderr every hazard among them."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("Make the link COM<n> (default 1)."),
         QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("tcp"),
         QStringLiteral("Serve the line as a raw TCP port <port> (one connection at a time) "
                        "instead of the link COMn."),
         QStringLiteral("port")},
        {QStringLiteral("log"),
         QStringLiteral("Append each received line, and each hazard, with a time stamp."),
         QStringLiteral("file")},
        {QStringLiteral("silent"), QStringLiteral("Never answer.")},
        {QStringLiteral("short-id"), QStringLiteral("Answer \"T\" with 50 characters or fewer.")},
        {QStringLiteral("slow"), QStringLiteral("Start each reply after <ms> milliseconds."),
         QStringLiteral("ms")},
        {QStringLiteral("trickle"),
         QStringLiteral("Write replies a few characters at a time, with pauses.")},
        {QStringLiteral("stream"),
         QStringLiteral("After the first line, send an endless stream without marker.")},
        {QStringLiteral("garbage"),
         QStringLiteral("Answer random printable characters instead of replies.")},
        {QStringLiteral("extra"), QStringLiteral("Add characters after the completion marker.")},
        {QStringLiteral("hangup-after"),
         QStringLiteral("Answer <n> lines, then hang up the line when the next one arrives."),
         QStringLiteral("n")},
    });

    CalsimOptions options;
    options.helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("unexpected argument \"%1\"")
                            .arg(parser.positionalArguments().constFirst());
        return options;
    }
    options.helpRequested = parser.isSet(help);
    options.versionRequested = parser.isSet(version);
    options.port = ReadNumber(parser, QStringLiteral("port"), 1, options);
    if (parser.isSet(QStringLiteral("tcp"))) {
        options.tcpPort = ReadNumber(parser, QStringLiteral("tcp"), 1, options);
        if (options.tcpPort > 65535)
            options.error = QStringLiteral("--tcp needs a port of at most 65535, not \"%1\"")
                                .arg(options.tcpPort);
    }
    options.logFile = parser.value(QStringLiteral("log"));
    SimulationFaults &faults = options.faults;
    faults.silent = parser.isSet(QStringLiteral("silent"));
    faults.shortIdentification = parser.isSet(QStringLiteral("short-id"));
    faults.trickle = parser.isSet(QStringLiteral("trickle"));
    faults.stream = parser.isSet(QStringLiteral("stream"));
    faults.garbage = parser.isSet(QStringLiteral("garbage"));
    faults.extraAfterMarker = parser.isSet(QStringLiteral("extra"));
    if (parser.isSet(QStringLiteral("slow")))
        faults.slowMs = ReadNumber(parser, QStringLiteral("slow"), 0, options);
    if (parser.isSet(QStringLiteral("hangup-after")))
        faults.hangUpAfter = ReadNumber(parser, QStringLiteral("hangup-after"), 0, options);
    return options;
}

} // namespace vk220::sim
