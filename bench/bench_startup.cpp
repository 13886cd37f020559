// Start-up time and memory of the program with the offscreen platform and the virtual generator.
// Run without arguments it starts itself again as the program several times, each time timing
// from just before the process is spawned to the main window being shown and painted once, and
// then once more to read the peak resident memory after start-up and after 100 transfers through
// the window's transfer button, with the resident size after the first transfer and every 10
// transfers to show any growth, and the free bytes the heap keeps (its holes).
// The two-second start-up picture locks the controls by design; it is skipped, not waited out.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "process_output.h"

#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "panel/front_panel.h"
#include "shell/error_reporter.h"
#include "shell/large_blocks.h"
#include "shell/unit1.h"
#include "shell/window_services.h"

namespace {

constexpr int kStartRuns = 7;
constexpr int kTransfers = 100;

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// A field of /proc/self/status in kB ("VmHWM" peak, "VmRSS" current).
long StatusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

void PrintResident(int transfers)
{
    std::cout << "transfers " << transfers << " rss_kb " << StatusKilobytes("VmRSS") << " heap_free_kb "
              << mallinfo2().fordblks / 1024 << '\n';
}

bool ShowWindow(TForm1& form)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return false;
    form.repaint();
    return true;
}

// Header reports (command 3) the generator has received: one per transfer that really ran.
long Headers(const dds::VirtualGenerator& generator)
{
    const auto written = generator.Written();
    return std::count_if(written.begin(), written.end(), [](const auto& r) { return r.size() > 1 && r[1] == 3; });
}

int Transfers(TForm1& form, const dds::VirtualGenerator& generator)
{
    if (!QTest::qWaitFor([&form] { return form.FrontPanel().Connected(); }, 5000)) {
        std::cerr << "virtual generator not connected\n";
        return 1;
    }
    // The operator waits out the start-up picture.
    auto* picture = form.findChild<QTimer*>(QStringLiteral("Timer2"));
    while (picture->isActive())
        QMetaObject::invokeMethod(picture, "timeout");
    PrintResident(0);
    for (int i = 1; i <= kTransfers; ++i) {
        form.FrontPanel().Transfer();
        if (i == 1) {
            std::cout << "first_transfer_rss_kb " << StatusKilobytes("VmRSS") << '\n';
            PrintResident(i);
        } else if (i % 10 == 0) {
            PrintResident(i);
        }
    }
    std::cout << "last_transfer_rss_kb " << StatusKilobytes("VmRSS") << '\n';
    std::cout << "after_transfers_hwm_kb " << StatusKilobytes("VmHWM") << '\n';
    if (Headers(generator) != kTransfers) {
        std::cerr << "only " << Headers(generator) << " transfers reached the generator\n";
        return 1;
    }
    return 0;
}

// The program as `main` starts it, then the measurements on stdout.
int Child(int argc, char** argv, bool withTransfers)
{
    dds::ReturnLargeBlocksToTheSystem();
    int errors = 0;
    const dds::ErrorSink countErrors = [&errors](const QString& message) {
        ++errors;
        std::cerr << "error: " << message.toStdString() << '\n';
    };
    dds::GuardedApplication app(argc, argv, dds::ErrorReporter(countErrors));
    QApplication::setApplicationName(QStringLiteral("ddsgen"));
    // As --virtual-generator does, but keeping the generator to count what reached it.
    auto bus = std::make_shared<dds::VirtualHidBus>();
    auto generator = std::make_shared<dds::VirtualGenerator>();
    bus->Plug(generator, std::chrono::milliseconds(300));
    dds::WindowServices services = dds::DesktopServices(bus);
    services.errorSink = countErrors;
    QTemporaryDir folder;
    services.scratchFolder = folder.path();
    TForm1 form(std::move(services));
    if (!ShowWindow(form)) {
        std::cerr << "main window not shown\n";
        return 1;
    }
    std::cout << "shown_ns " << MonotonicNanoseconds() << " hwm_kb " << StatusKilobytes("VmHWM") << std::endl;
    const int result = withTransfers ? Transfers(form, *generator) : 0;
    std::cout.flush();
    return result != 0 || errors != 0 ? 1 : 0;
}

// Starts this program as a child with `mode` and returns its output; empty when it failed.
std::string RunChild(const char* self, const char* mode, long long& spawnedAt)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return RunForOutput({self, mode}, [&spawnedAt] { spawnedAt = MonotonicNanoseconds(); }).value_or("");
}

long long Field(const std::string& output, const std::string& key)
{
    std::istringstream in(output);
    for (std::string word; in >> word;)
        if (word == key && in >> word)
            return std::stoll(word);
    return -1;
}

int Parent(const char* self)
{
    std::vector<double> startMs;
    for (int run = 0; run < kStartRuns; ++run) {
        long long spawnedAt = 0;
        const std::string output = RunChild(self, "--start", spawnedAt);
        if (output.empty()) {
            std::cerr << "start-up run failed\n";
            return 1;
        }
        startMs.push_back(static_cast<double>(Field(output, "shown_ns") - spawnedAt) / 1e6);
        std::printf("start-up %d: window shown after %.1f ms, peak %lld kB\n", run + 1, startMs.back(),
                    Field(output, "hwm_kb"));
    }
    std::sort(startMs.begin(), startMs.end());
    std::printf("start-up median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", startMs[startMs.size() / 2],
                startMs.front(), startMs.back(), kStartRuns);

    long long spawnedAt = 0;
    const std::string output = RunChild(self, "--transfers", spawnedAt);
    if (output.empty()) {
        std::cerr << "transfer run failed\n";
        return 1;
    }
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("transfers ", 0) == 0)
            std::printf("%s\n", line.c_str());
    std::printf("resident memory: %lld kB after the first transfer, %lld kB after %d transfers\n",
                Field(output, "first_transfer_rss_kb"), Field(output, "last_transfer_rss_kb"), kTransfers);
    std::printf("peak resident memory: %lld kB after start-up, %lld kB after %d transfers\n",
                Field(output, "hwm_kb"), Field(output, "after_transfers_hwm_kb"), kTransfers);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--start") == 0)
        return Child(argc, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--transfers") == 0)
        return Child(argc, argv, true);
    return Parent("/proc/self/exe");
}
