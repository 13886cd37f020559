#pragma once
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>

#include "device/virtual_hid_bus.h"
#include "shell/settings_file.h"
#include "shell/window_services.h"

// What a test gives the main window: a bus of its own (empty unless given), the folder it names
// (a temporary program folder of its own unless given, so nothing is left beside the test
// program), a temporary user settings folder of its own (not made yet), and recorders for error
// messages, addresses and requests to end the program. The clock reads `now` when it is set, the
// file dialogs are `waveFileDialogs` when given. Declare it before the window, and set what the
// test needs before the window is made.
struct RecordedServices {
    QStringList errors;
    QList<QUrl> opened;
    bool openerSucceeds = true;
    int terminationRequests = 0;
    std::function<void()> whenTerminated; // runs at each request, when given
    QDateTime now;
    std::chrono::milliseconds acknowledgementPeriod = dds::AcknowledgementWait::kProductPeriod;
    QString scratchFolder;
    std::shared_ptr<dds::WaveFileDialogs> waveFileDialogs;
    QTemporaryDir ownProgramFolder;
    QTemporaryDir ownUserFolder;

    dds::WindowServices For(std::shared_ptr<dds::HidBackend> backend = std::make_shared<dds::VirtualHidBus>(),
                            QString programFolder = {})
    {
        if (programFolder.isEmpty())
            programFolder = ownProgramFolder.path() + QStringLiteral("/");
        return {std::move(backend),
                std::move(programFolder),
                ownUserFolder.path() + QStringLiteral("/ddsgen/"),
                [this](const QString& m) { errors << m; },
                [this](const QUrl& url) {
                    opened << url;
                    return openerSucceeds;
                },
                [this] { return now.isValid() ? now : QDateTime::currentDateTime(); },
                [this] {
                    ++terminationRequests;
                    if (whenTerminated)
                        whenTerminated();
                },
                acknowledgementPeriod,
                scratchFolder,
                waveFileDialogs};
    }
};
