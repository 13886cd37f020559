#include "device/hidapi_backend.h"

#include "device/generator_commands.h"
#include "device/plug_monitor.h"
#include "device/report_descriptor.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#if defined(__linux__)
#include <sys/stat.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <QString>
#include <windows.h>
extern "C" { // MinGW's HID headers declare C functions without saying so
#include <hidsdi.h>
}
#elif defined(__APPLE__)
#include <hidapi/hidapi_darwin.h>
#endif

namespace dds {

namespace {

constexpr uint32_t kWriteFailed = 31; // the system's "device not functioning"

// Reports without numbers come back from hidapi without an id byte; the layer expects one in front.
class HidapiHandle : public HidHandle {
public:
    HidapiHandle(hid_device* device, bool numbered) : device_(device), numbered_(numbered) {}
    ~HidapiHandle() override { hid_close(device_); }

    int write(const uint8_t* data, size_t length) override
    {
        const int written = hid_write(device_, data, length);
        if (written < 0)
            error_ = kWriteFailed;
        return written;
    }

    int read(uint8_t* buffer, size_t length, int timeoutMs) override
    {
        const size_t skip = numbered_ ? 0 : 1;
        if (length <= skip)
            return 0;
        // hidapi's read cannot be woken from another thread: it waits in short slices instead,
        // looking for an interruption between them.
        int count = 0;
        for (int left = timeoutMs; count == 0 && left > 0 && !interrupted_; left -= kReadSlice)
            count = hid_read_timeout(device_, buffer + skip, length - skip, std::min(left, kReadSlice));
        if (count < 0) {
            error_ = errno != 0 ? static_cast<uint32_t>(errno) : kWriteFailed;
            return -1;
        }
        if (count == 0)
            return 0;
        if (!numbered_)
            buffer[0] = 0;
        return count + static_cast<int>(skip);
    }

    void interruptRead() override { interrupted_ = true; }
    uint32_t lastError() const override { return error_; }

private:
    static constexpr int kReadSlice = 10; // milliseconds

    hid_device* device_;
    bool numbered_;
    uint32_t error_ = 0;
    std::atomic<bool> interrupted_ = false;
};

// Opened without access: the interface exists, but nothing can be read or written.
class UnopenedHandle : public HidHandle {
public:
    int write(const uint8_t*, size_t) override { return -1; }
    int read(uint8_t*, size_t, int) override { return -1; }
    void interruptRead() override {}
    uint32_t lastError() const override { return 5; } // the system's "access denied"
};

void InitialiseHidapiOnce()
{
    static const bool initialised = [] {
        const bool done = hid_init() == 0;
#if defined(__APPLE__)
        // macOS opens devices exclusively unless told otherwise (set again by hid_init), and each
        // claimed interface is opened twice: for writes and for its read thread.
        hid_darwin_set_open_exclusive(0);
#endif
        return done;
    }();
    (void)initialised;
}

#if defined(__linux__)
std::string HidrawName(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

ReportLengths LengthsOf(const std::string& path)
{
    std::ifstream file("/sys/class/hidraw/" + HidrawName(path) + "/device/report_descriptor", std::ios::binary);
    const std::vector<uint8_t> descriptor{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return ParseReportLengths(descriptor);
}

// udev may still be setting the node's permissions right after a plug.
bool JustCreated(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return false;
    const auto age = std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(info.st_ctime);
    return age < std::chrono::seconds(2);
}

bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }
#elif defined(_WIN32)
// Whether any input report of the interface starts with a report id.
bool InputReportsNumbered(PHIDP_PREPARSED_DATA data, const HIDP_CAPS& caps)
{
    USHORT count = caps.NumberInputValueCaps;
    std::vector<HIDP_VALUE_CAPS> values(count);
    if (count && HidP_GetValueCaps(HidP_Input, values.data(), &count, data) == HIDP_STATUS_SUCCESS)
        for (USHORT i = 0; i < count; ++i)
            if (values[i].ReportID != 0)
                return true;
    count = caps.NumberInputButtonCaps;
    std::vector<HIDP_BUTTON_CAPS> buttons(count);
    if (count && HidP_GetButtonCaps(HidP_Input, buttons.data(), &count, data) == HIDP_STATUS_SUCCESS)
        for (USHORT i = 0; i < count; ++i)
            if (buttons[i].ReportID != 0)
                return true;
    return false;
}

// The interface's capabilities, read through a handle opened without read or write access,
// which the system grants even while another program holds the interface.
ReportLengths LengthsOf(const std::string& path)
{
    ReportLengths lengths;
    const std::wstring name = QString::fromStdString(path).toStdWString();
    const HANDLE handle = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lengths;
    PHIDP_PREPARSED_DATA data = nullptr;
    if (HidD_GetPreparsedData(handle, &data)) {
        HIDP_CAPS caps{};
        if (HidP_GetCaps(data, &caps) == HIDP_STATUS_SUCCESS) {
            lengths.input = caps.InputReportByteLength;
            lengths.output = caps.OutputReportByteLength;
            lengths.numbered = InputReportsNumbered(data, caps);
        }
        HidD_FreePreparsedData(data);
    }
    CloseHandle(handle);
    return lengths;
}
bool JustCreated(const std::string&) { return false; }
bool Exists(const std::string&) { return true; }
#else
ReportLengths LengthsOf(const std::string&) { return {}; }
bool JustCreated(const std::string&) { return false; }
bool Exists(const std::string&) { return true; }
#endif

// Where the report lengths cannot be read (hidapi 0.13 has no call for them; macOS here), the
// generator still gets its own 64-byte reports behind the id byte instead of zero-length writes.
ReportLengths KnownLengths(const HidInterfaceInfo& info, ReportLengths lengths)
{
    const bool generator = info.vendorId == kGeneratorVendorId && info.productId == kGeneratorProductId;
    if (generator && lengths.output == 0 && lengths.input == 0)
        lengths.input = lengths.output = static_cast<uint16_t>(OutputReport::kSize);
    return lengths;
}

hid_device* OpenReadWrite(const std::string& path)
{
    hid_device* device = hid_open_path(path.c_str());
    for (int retry = 0; !device && retry < 2 && JustCreated(path); ++retry) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        device = hid_open_path(path.c_str());
    }
    return device;
}

// Only the paths, which hidapi reads without opening any interface: what plug polling compares.
std::vector<std::string> InterfacePaths()
{
    std::vector<std::string> paths;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* entry = list; entry; entry = entry->next)
        paths.emplace_back(entry->path);
    hid_free_enumeration(list);
    return paths;
}

} // namespace

HidapiBackend::HidapiBackend() { InitialiseHidapiOnce(); }

HidapiBackend::~HidapiBackend() = default;

std::vector<HidInterfaceInfo> HidapiBackend::enumerate()
{
    std::vector<HidInterfaceInfo> found;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* entry = list; entry; entry = entry->next) {
        HidInterfaceInfo info;
        info.path = entry->path;
        info.instanceId = entry->path;
        info.vendorId = entry->vendor_id;
        info.productId = entry->product_id;
        info.version = entry->release_number;
        if (entry->serial_number) // USB string descriptors are ASCII in practice
            for (const wchar_t* c = entry->serial_number; *c; ++c)
                info.serialNumber += *c < 0x80 ? static_cast<char>(*c) : '?';
        const ReportLengths lengths = KnownLengths(info, LengthsOf(info.path));
        info.inputReportLength = lengths.input;
        info.outputReportLength = lengths.output;
        found.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return found;
}

std::unique_ptr<HidHandle> HidapiBackend::open(const std::string& path, HidAccess access)
{
    if (access == HidAccess::None)
        return Exists(path) ? std::make_unique<UnopenedHandle>() : nullptr;
    hid_device* device = OpenReadWrite(path);
    if (!device)
        return nullptr;
    return std::make_unique<HidapiHandle>(device, LengthsOf(path).numbered);
}

void HidapiBackend::watchChanges(std::function<void()> onChange)
{
    monitor_.reset();
    if (onChange)
        monitor_ = std::make_unique<PlugMonitor>(std::move(onChange), InterfacePaths);
}

} // namespace dds
