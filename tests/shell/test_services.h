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
// program), and recorders for error messages and addresses. Declare it before the window.
struct RecordedServices {
    QStringList errors;
    QList<QUrl> opened;
    bool openerSucceeds = true;
    QTemporaryDir ownProgramFolder;

    dds::WindowServices For(std::shared_ptr<dds::HidBackend> backend = std::make_shared<dds::VirtualHidBus>(),
                            QString programFolder = {})
    {
        if (programFolder.isEmpty())
            programFolder = ownProgramFolder.path() + QStringLiteral("/");
        return {std::move(backend), std::move(programFolder), [this](const QString& m) { errors << m; },
                [this](const QUrl& url) {
                    opened << url;
                    return openerSucceeds;
                }};
    }
};
