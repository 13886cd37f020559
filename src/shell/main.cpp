#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "device/backend_options.h"
#include "shell/error_reporter.h"
#include "shell/qt_translations.h"
#include "shell/unit1.h"
#include "shell/window_services.h"

int main(int argc, char** argv)
{
    dds::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ddsgen"));
    dds::InstallQtTranslations(QLocale::system());
    std::shared_ptr<dds::HidBackend> backend;
    try {
        backend = dds::MakeBackend(dds::BackendChoiceFromOptions(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const std::runtime_error& error) {
        std::cerr << "ddsgen: " << error.what() << '\n';
        return 2;
    }
    TForm1 form(dds::DesktopServices(std::move(backend)));
    form.show();
    return app.exec();
}
