#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_command.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

int main(int argc, char** argv)
{
#if defined(_WIN32)
    // Tables and logs go out with the same bytes as everywhere: no LF to CR LF translation.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // The tool waits only on its own sockets, pipes and timers, which Qt's plain event loop serves
    // with less work per wake-up than its GLib one: a fifth more round trips for a served instrument.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // Qt's arguments are Unicode on every system (Windows' argv is in the ANSI code page).
    const QCoreApplication application(argc, argv);
    std::vector<std::string> args;
    for (const QString& arg : QCoreApplication::arguments().mid(1))
        args.push_back(arg.toStdString());
#if defined(_WIN32)
    const bool errorIsTerminal = _isatty(_fileno(stderr)) != 0;
#else
    const bool errorIsTerminal = isatty(fileno(stderr)) != 0;
#endif
    return dds::cli::RunCli(args, std::cout, std::cerr, {}, errorIsTerminal);
}
