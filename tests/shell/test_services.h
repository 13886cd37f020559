#pragma once
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

#include "device/virtual_hid_bus.h"
#include "shell/settings_file.h"
#include "shell/window_services.h"

// What a test gives the main window: a bus of its own (empty unless given), the folder it names
// (a temporary program folder of its own unless given, so nothing is left beside the test
// program), a temporary user settings folder of its own (not made yet), and recorders for error
// messages and addresses. Declare it before the window.
struct RecordedServices {
    QStringList errors;
    QList<QUrl> opened;
    bool openerSucceeds = true;
    QTemporaryDir ownProgramFolder;
    QTemporaryDir ownUserFolder;

    dds::WindowServices For(std::shared_ptr<dds::HidBackend> backend = std::make_shared<dds::VirtualHidBus>(),
                            QString programFolder = {})
    {
        if (programFolder.isEmpty())
            programFolder = ownProgramFolder.path() + QStringLiteral("/");
        return {std::move(backend), std::move(programFolder), ownUserFolder.path() + QStringLiteral("/ddsgen/"),
                [this](const QString& m) { errors << m; },
                [this](const QUrl& url) {
                    opened << url;
                    return openerSucceeds;
                }};
    }
};
