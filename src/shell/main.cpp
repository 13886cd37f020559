#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QHostAddress>

#include "device/backend_options.h"
#include "scpi/instrument_server.h"
#include "scpi/listen_address.h"
#include "shell/error_reporter.h"
#include "shell/large_blocks.h"
#include "shell/qt_translations.h"
#include "shell/unit1.h"
#include "shell/window_services.h"

namespace {

// --listen [ADDRESS:]PORT: the window's controls as a SCPI instrument, on loopback unless an
// address is given.
std::optional<dds::scpi::ListenAddress> ListenOption(const std::vector<std::string>& options)
{
    const auto listen = std::find(options.begin(), options.end(), "--listen");
    if (listen == options.end())
        return std::nullopt;
    if (listen + 1 == options.end())
        throw std::invalid_argument("--listen needs [ADDRESS:]PORT");
    return dds::scpi::ParseListenAddress(*(listen + 1), QHostAddress(QHostAddress::LocalHost));
}

} // namespace

int main(int argc, char** argv)
{
    dds::ReturnLargeBlocksToTheSystem();
    dds::GuardedApplication app(argc, argv, dds::ErrorReporter(&dds::ShowErrorBox));
    QApplication::setApplicationName(QStringLiteral("ddsgen"));
    dds::InstallQtTranslations(QLocale::system());
    std::shared_ptr<dds::HidBackend> backend;
    std::optional<dds::scpi::ListenAddress> listen;
    try {
        // Qt's arguments are Unicode on every system (Windows' argv is in the ANSI code page).
        std::vector<std::string> options;
        for (const QString& arg : QCoreApplication::arguments().mid(1))
            options.push_back(arg.toStdString());
        backend = dds::MakeBackend(dds::BackendChoiceFromOptions(options));
        listen = ListenOption(options);
    } catch (const std::exception& error) {
        std::cerr << "ddsgen: " << error.what() << '\n';
        return 2;
    }
    TForm1 form(dds::DesktopServices(backend));
    std::unique_ptr<dds::scpi::InstrumentServer> instrument;
    if (listen) {
        instrument = std::make_unique<dds::scpi::InstrumentServer>(form.FrontPanel(), backend);
        try {
            for (const std::string& line : instrument->Listen(*listen))
                std::cerr << "ddsgen: " << line << std::endl;
        } catch (const std::runtime_error& error) {
            std::cerr << "ddsgen: " << error.what() << '\n';
            return 1;
        }
        QObject::connect(&instrument->Server(), &dds::scpi::ScpiServer::clientCountChanged, &form,
                         &TForm1::ShowRemoteClients);
    }
    form.show();
    return app.exec();
}
