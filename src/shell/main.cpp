#include "shell/error_reporter.h"
#include "shell/unit1.h"

int main(int argc, char** argv)
{
    dds::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ddsgen"));
    TForm1 form;
    form.show();
    return app.exec();
}
