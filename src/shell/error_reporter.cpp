#include "shell/error_reporter.h"

#include <QMessageBox>

namespace dds {

namespace {

ErrorSink& CurrentSink()
{
    static ErrorSink sink = &ErrorReporter::showErrorBox;
    return sink;
}

} // namespace

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + QChar('.');
    return message;
}

void ErrorReporter::report(const QString& message)
{
    CurrentSink()(message);
}

ErrorSink ErrorReporter::setSink(ErrorSink sink)
{
    return std::exchange(CurrentSink(), sink ? std::move(sink) : ErrorSink(&ErrorReporter::showErrorBox));
}

void ErrorReporter::showErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), ErrorBoxText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace dds
