#pragma once
#include <memory>
#include <string>
#include <vector>

#include "device/hid_backend.h"
#include "panel/front_panel.h"
#include "scpi/instrument.h"
#include "scpi/listen_address.h"
#include "scpi/scpi_server.h"

namespace dds::scpi {

// A front panel served as a SCPI instrument: what `ddsgen-cli serve` and the window's --listen
// both run.
class InstrumentServer {
public:
    InstrumentServer(FrontPanel& panel, std::shared_ptr<HidBackend> interfaces);

    // Listens on `address`; returns the lines to print, the warning first when it is not loopback.
    // std::runtime_error naming the address when it cannot listen.
    std::vector<std::string> Listen(const ListenAddress& address);
    ScpiServer& Server() { return server_; }

private:
    Instrument instrument_;
    ScpiServer server_;
};

} // namespace dds::scpi
