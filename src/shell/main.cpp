#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "device/backend_options.h"
#include "shell/error_reporter.h"
#include "shell/large_blocks.h"
#include "shell/qt_translations.h"
#include "shell/unit1.h"
#include "shell/window_services.h"

int main(int argc, char** argv)
{
    dds::ReturnLargeBlocksToTheSystem();
    dds::GuardedApplication app(argc, argv, dds::ErrorReporter(&dds::ShowErrorBox));
    QApplication::setApplicationName(QStringLiteral("ddsgen"));
    dds::InstallQtTranslations(QLocale::system());
    std::shared_ptr<dds::HidBackend> backend;
    try {
        // Qt's arguments are Unicode on every system (Windows' argv is in the ANSI code page).
        std::vector<std::string> options;
        for (const QString& arg : QCoreApplication::arguments().mid(1))
            options.push_back(arg.toStdString());
        backend = dds::MakeBackend(dds::BackendChoiceFromOptions(options));
    } catch (const std::runtime_error& error) {
        std::cerr << "ddsgen: " << error.what() << '\n';
        return 2;
    }
    TForm1 form(dds::DesktopServices(std::move(backend)));
    form.show();
    return app.exec();
}
