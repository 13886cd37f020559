#pragma once
#include <QApplication>
#include <QString>
#include <concepts>
#include <exception>
#include <functional>
#include <utility>

class QWidget;

namespace dds {

// Shows one error message to the operator. The default shows the standard error box; tests install
// one that records the message instead, because a modal box would block an offscreen run.
using ErrorSink = std::function<void(const QString& message)>;

// The standard error box adds a full stop to a message whose last character sorts after "."
// (letters and digits do, ")" does not).
QString ErrorBoxText(const QString& message);

// The one place every error of an event handler ends up.
class ErrorReporter {
public:
    static void report(const QString& message);
    // Installs `sink` and returns the previous one, so a test can put it back.
    static ErrorSink setSink(ErrorSink sink);
    // Critical icon, OK button, the application's title as caption.
    static void showErrorBox(const QString& message);
};

// Routes the reporter to `sink` for the lifetime of this object (the main window's), then puts the
// earlier sink back. An empty sink leaves the reporter as it is.
class ScopedErrorSink {
public:
    explicit ScopedErrorSink(ErrorSink sink)
        : installed_(static_cast<bool>(sink)), previous_(installed_ ? ErrorReporter::setSink(std::move(sink)) : ErrorSink())
    {
    }
    ~ScopedErrorSink()
    {
        if (installed_)
            ErrorReporter::setSink(std::move(previous_));
    }
    ScopedErrorSink(const ScopedErrorSink&) = delete;
    ScopedErrorSink& operator=(const ScopedErrorSink&) = delete;

private:
    bool installed_;
    ErrorSink previous_;
};

// Runs `handler` and hands any std::exception it throws to the reporter: the event stops there and
// the program goes on with the next one.
template <class Handler>
void RunGuarded(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ErrorReporter::report(QString::fromUtf8(error.what()));
    }
}

// Wraps an event handler for `connect`: the wrapper takes whatever arguments the signal passes that
// the handler accepts, and reports instead of letting an exception into Qt's event dispatch.
template <class Handler>
auto Guarded(Handler handler)
{
    return [handler = std::move(handler)]<class... Args>(Args&&... args)
        requires std::invocable<Handler&, Args...>
    {
        RunGuarded([&] { std::invoke(handler, std::forward<Args>(args)...); });
    };
}

// Last resort for an exception that escapes a handler nobody wrapped: reported like the others.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace dds
