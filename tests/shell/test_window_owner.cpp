// The secondary windows belong to the main window as the desktop itself sees it, read from the
// native windows. The offscreen platform, the tests' default, makes none: CTest runs this once more
// on Qt's xcb platform, and `make windows-check` on the windows platform.
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "shell/unit1.h"
#include "shell/window_showing.h"
#include "test_services.h"

namespace {

#ifdef Q_OS_WIN
WId OwnerOnTheDesktop(WId window)
{
    return reinterpret_cast<WId>(GetWindow(reinterpret_cast<HWND>(window), GW_OWNER));
}
#else
// The window WM_TRANSIENT_FOR names; none for a normal window, which a taskbar lists whatever it names.
WId OwnerOnTheDesktop(WId window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                          QStringLiteral("WM_TRANSIENT_FOR"), QStringLiteral("_NET_WM_WINDOW_TYPE")});
    xprop.waitForFinished();
    const QString properties = QString::fromLatin1(xprop.readAllStandardOutput());
    if (properties.contains(QStringLiteral("_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL")))
        return 0;
    return QRegularExpression(QStringLiteral("window id # (0x[0-9a-f]+)"))
        .match(properties)
        .captured(1)
        .toULongLong(nullptr, 16);
}
#endif

TEST(OwnedWindows, EverySecondaryWindowBelongsToTheMainWindowOnTheDesktop)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb")
        && QGuiApplication::platformName() != QStringLiteral("windows"))
        GTEST_SKIP() << "needs native windows: QT_QPA_PLATFORM=xcb or windows";
    RecordedServices services;
    TForm1 form(services.For());
    form.show();
    auto* startUpPicture = form.findChild<QTimer*>(QStringLiteral("Timer2")); // it shows its window on every tick
    ASSERT_TRUE(QTest::qWaitFor([startUpPicture] { return !startUpPicture->isActive(); }, 10000));
    for (const char* name : {"Form2", "Form3", "Form4", "Form5", "Form6"}) {
        auto* window = form.findChild<QWidget*>(QString::fromLatin1(name));
        for (int shown = 1; shown <= 2; ++shown) { // hiding back to normal style makes a new native window
            dds::ShowOnTop(*window);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << name;
            // The widget's own winId() keeps the id of a native window its hiding replaced.
            EXPECT_EQ(OwnerOnTheDesktop(window->windowHandle()->winId()), form.windowHandle()->winId())
                << name << shown;
            dds::HideToNormal(*window);
        }
    }
}

} // namespace
