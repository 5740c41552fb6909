#pragma once

#include <string>

namespace rtsdk {

/** Where the loopback relay listens, as the stand-in's own configuration
 *  says: the environment variable RTSDK_RELAY ("127.0.0.1:18481"; empty or
 *  "off": no relay), else the first line of "rtsdk-relay.conf" in
 *  $XDG_DATA_HOME (default ~/.local/share), beside the client's data
 *  folder. Without either the in-process hub carries everything. */
struct RelayConfig
{
    std::string host;
    int port = 0;

    bool enabled() const { return port > 0; }
    /** "host:port" with a numeric IPv4 host and a port 1..65535; anything
     *  else gives a disabled config. */
    static RelayConfig parse(const std::string &text);
    static RelayConfig fromEnvironment();
};

} // namespace rtsdk
