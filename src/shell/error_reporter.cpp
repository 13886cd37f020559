#include "shell/error_reporter.h"

#include <QMessageBox>

namespace dds {

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + QChar('.');
    return message;
}

void ShowErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), ErrorBoxText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

ErrorReporter::ErrorReporter(ErrorSink sink)
    : sink_(std::make_shared<const ErrorSink>(sink ? std::move(sink) : ErrorSink(&ShowErrorBox)))
{
}

GuardedApplication::GuardedApplication(int& argc, char** argv, ErrorReporter reporter)
    : QApplication(argc, argv), reporter_(std::move(reporter))
{
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    reporter_.RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace dds
