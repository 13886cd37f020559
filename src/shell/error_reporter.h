#pragma once
#include <QApplication>
#include <QString>
#include <concepts>
#include <exception>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

class QWidget;

namespace dds {

// Shows one error message to the operator. The desktop's shows the standard error box; tests give
// one that records the message instead, because a modal box would block an offscreen run.
using ErrorSink = std::function<void(const QString& message)>;

// The standard error box adds a full stop to a message whose last character sorts after "."
// (letters and digits do, ")" does not).
QString ErrorBoxText(const QString& message);

// Critical icon, OK button, the application's title as caption.
void ShowErrorBox(const QString& message);

// Where every error of the event handlers it guards ends up: one sink, given at construction. The
// main window makes one from its services and hands it to the windows whose handlers it guards.
// Copies share the sink, and a guarded handler keeps its own copy, so it may outlive the reporter.
class ErrorReporter {
public:
    // An empty sink means the standard error box.
    explicit ErrorReporter(ErrorSink sink);

    void Report(const QString& message) const { (*sink_)(message); }

    // Runs `handler` and hands any std::exception it throws to the sink: the event stops there and
    // the program goes on with the next one.
    template <class Handler>
    void RunGuarded(Handler&& handler) const
    {
        try {
            std::forward<Handler>(handler)();
        } catch (const std::exception& error) {
            Report(QString::fromUtf8(error.what()));
        }
    }

    // Wraps an event handler for `connect`: the wrapper takes whatever arguments the signal passes
    // that the handler accepts, and reports instead of letting an exception into Qt's event dispatch.
    template <class Handler>
    auto Guarded(Handler handler) const
    {
        // clang-format 14 cannot lay out a requires clause.
        // clang-format off
        return [reporter = *this, handler = std::move(handler)]<class... Args>(Args&&... args)
            requires std::invocable<Handler&, Args...>
        {
            reporter.RunGuarded([&] { std::invoke(handler, std::forward<Args>(args)...); });
        };
        // clang-format on
    }

    // The one way a control reaches its handler: connects `signal` of `sender` to `handler` through
    // Guarded. `handler` is either a member function of `receiver` (given the signal's arguments it
    // takes, if any) or any other callable.
    template <class Sender, class Signal, class Receiver, class Handler>
    QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, Receiver* receiver, Handler handler) const
    {
        if constexpr (std::is_member_function_pointer_v<Handler>) {
            // clang-format off
            auto bound = [receiver, handler]<class... Args>(Args&&... args)
                requires std::invocable<Handler, Receiver*, Args...>
            {
                std::invoke(handler, receiver, std::forward<Args>(args)...);
            };
            // clang-format on
            return QObject::connect(sender, signal, receiver, Guarded(std::move(bound)));
        } else {
            return QObject::connect(sender, signal, receiver, Guarded(std::move(handler)));
        }
    }

private:
    std::shared_ptr<const ErrorSink> sink_;
};

// Last resort for an exception that escapes a handler nobody wrapped: reported like the others.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv, ErrorReporter reporter);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    ErrorReporter reporter_;
};

} // namespace dds
