// A generator on the kernel's own HID bus. It creates a uhid device with the generator's identity
// and report layout, so that hidraw, sysfs and udev see it as they see the hardware, and answers
// through the virtual generator's model: every sample block acknowledged. It lets the system
// backend be tested end to end on a Linux that has /dev/uhid.
//   ddsgen-uhid-generator [--model FILE]
// Writes what the generator was told (one "key value" line each) to FILE after every report, so a
// check can wait for it, and once more when SIGTERM or SIGINT ends it and the device is removed;
// without FILE, to standard output at the end only.
#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <linux/uhid.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>

#include "device/virtual_generator.h"

namespace {

// Vendor-defined page, 64 data bytes each way, no report ids: the host writes 65 bytes, id 0 first.
constexpr uint8_t kReportDescriptor[] = {
    0x06, 0x00, 0xFF, // usage page (vendor 0xFF00)
    0x09, 0x01,       // usage 1
    0xA1, 0x01,       // collection (application)
    0x19, 0x01, 0x29, 0x40, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40,
    0x81, 0x00,       // input: 64 bytes
    0x19, 0x01, 0x29, 0x40,
    0x91, 0x00,       // output: 64 bytes
    0xC0,             // end collection
};

int gSignalPipe[2];

void OnSignal(int) { [[maybe_unused]] auto ignored = write(gSignalPipe[1], "x", 1); }

void Send(int fd, const uhid_event& event)
{
    if (write(fd, &event, sizeof event) != static_cast<ssize_t>(sizeof event))
        throw std::runtime_error(std::string("uhid write: ") + std::strerror(errno));
}

void Create(int fd)
{
    uhid_event event{};
    event.type = UHID_CREATE2;
    auto& create = event.u.create2;
    std::strcpy(reinterpret_cast<char*>(create.name), "DDS function generator (uhid)");
    std::memcpy(create.rd_data, kReportDescriptor, sizeof kReportDescriptor);
    create.rd_size = sizeof kReportDescriptor;
    create.bus = 0x03; // USB
    create.vendor = 0x04D8;
    create.product = 0x0009;
    create.version = 0x0100;
    Send(fd, event);
}

// The generator's input reports (id first) go to the kernel without the id, as a device without
// report ids sends them.
void ForwardInput(int fd, dds::VirtualGenerator& generator, const std::atomic<bool>& running)
{
    uint8_t report[dds::VirtualGenerator::kReportSize];
    const std::atomic<bool> uninterrupted = false; // `running` ends the loop between reads
    while (running) {
        const int length = generator.Read(report, sizeof report, 100, uninterrupted);
        if (length <= 1)
            continue;
        uhid_event event{};
        event.type = UHID_INPUT2;
        event.u.input2.size = static_cast<uint16_t>(length - 1);
        std::memcpy(event.u.input2.data, report + 1, static_cast<size_t>(length - 1));
        Send(fd, event);
    }
}

// One event from the kernel: output reports go to the generator's model. True for an output report.
bool HandleEvent(int fd, dds::VirtualGenerator& generator)
{
    uhid_event event{};
    if (read(fd, &event, sizeof event) <= 0)
        return false;
    if (event.type == UHID_OUTPUT) {
        generator.Write(event.u.output.data, event.u.output.size);
        return true;
    }
    if (event.type == UHID_GET_REPORT) {
        uhid_event reply{};
        reply.type = UHID_GET_REPORT_REPLY;
        reply.u.get_report_reply.id = event.u.get_report.id;
        reply.u.get_report_reply.err = EIO;
        Send(fd, reply);
    } else if (event.type == UHID_SET_REPORT) {
        uhid_event reply{};
        reply.type = UHID_SET_REPORT_REPLY;
        reply.u.set_report_reply.id = event.u.set_report.id;
        Send(fd, reply);
    }
    return false;
}

void WriteModel(std::ostream& out, const dds::GeneratorModel& model)
{
    out << "host_connected " << model.hostConnected << '\n'
        << "host_closings " << model.hostClosings << '\n'
        << "range " << model.range << '\n'
        << "sample_count " << model.sampleCount << '\n'
        << "samples_received " << model.samples.size() << '\n'
        << "transfers_closed " << model.transfersClosed << '\n'
        << "filter " << model.filter << '\n'
        << "offset_byte " << model.offsetByte << '\n';
}

// Written beside and renamed into place, so a reader never sees half a model.
void SaveModel(const std::string& file, const dds::GeneratorModel& model)
{
    const std::string partial = file + ".partial";
    {
        std::ofstream out(partial);
        WriteModel(out, model);
    }
    if (std::rename(partial.c_str(), file.c_str()) != 0)
        std::cerr << "ddsgen-uhid-generator: " << file << ": " << std::strerror(errno) << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qsizetype modelOption = arguments.indexOf(QStringLiteral("--model"));
    const std::string modelFile = modelOption > 0 && modelOption + 1 < arguments.size()
                                      ? arguments[modelOption + 1].toStdString()
                                      : std::string();
    const int fd = open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        std::cerr << "ddsgen-uhid-generator: /dev/uhid: " << std::strerror(errno) << '\n';
        return 1;
    }
    if (pipe(gSignalPipe) != 0)
        return 1;
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);

    dds::VirtualGenerator generator;
    generator.SetAttached(true);
    Create(fd);
    std::atomic<bool> running{true};
    std::thread input([&] { ForwardInput(fd, generator, running); });

    QSocketNotifier kernel(fd, QSocketNotifier::Read);
    QObject::connect(&kernel, &QSocketNotifier::activated, [&] {
        if (HandleEvent(fd, generator) && !modelFile.empty())
            SaveModel(modelFile, generator.Model());
    });
    QSocketNotifier stop(gSignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::cout << "ddsgen-uhid-generator: created" << std::endl;
    app.exec();

    running = false;
    input.join();
    uhid_event destroy{};
    destroy.type = UHID_DESTROY;
    Send(fd, destroy);
    close(fd);
    if (modelFile.empty())
        WriteModel(std::cout, generator.Model());
    else
        SaveModel(modelFile, generator.Model());
    return 0;
}
