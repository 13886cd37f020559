#pragma once
#include <QList>
#include <QStringList>
#include <QUrl>
#include <memory>

#include "device/virtual_hid_bus.h"
#include "shell/settings_file.h"
#include "shell/window_services.h"

// What a test gives the main window: a bus of its own (empty unless given), the folder it names
// (the test program's own folder unless given), and recorders for error messages and addresses.
struct RecordedServices {
    QStringList errors;
    QList<QUrl> opened;
    bool openerSucceeds = true;

    dds::WindowServices For(std::shared_ptr<dds::HidBackend> backend = std::make_shared<dds::VirtualHidBus>(),
                            QString programFolder = dds::ProgramFolder())
    {
        return {std::move(backend), std::move(programFolder), [this](const QString& m) { errors << m; },
                [this](const QUrl& url) {
                    opened << url;
                    return openerSucceeds;
                }};
    }
};
