#pragma once
#include <QEvent>
#include <QObject>
#include <functional>

namespace dds {

// Calls `released` after every mouse button or key release that reaches `watched` has been handled:
// the end of a drag or of a key press on a control that reports only its changes.
class ReleaseWatch : public QObject {
public:
    ReleaseWatch(QObject* watched, std::function<void()> released)
        : QObject(watched), released_(std::move(released))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease)
            QMetaObject::invokeMethod(this, released_, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void()> released_;
};

} // namespace dds
