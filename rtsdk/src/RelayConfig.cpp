#include "RelayConfig.h"

#include <arpa/inet.h>

#include <cstdlib>
#include <fstream>

namespace rtsdk {

RelayConfig RelayConfig::parse(const std::string &raw)
{
    const size_t first = raw.find_first_not_of(" \t\r\n");
    const size_t last = raw.find_last_not_of(" \t\r\n");
    const std::string text = first == std::string::npos ? std::string() : raw.substr(first, last - first + 1);
    RelayConfig config;
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon + 1 >= text.size())
        return config;
    const std::string host = text.substr(0, colon);
    const std::string port = text.substr(colon + 1);
    if (port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos)
        return config;
    in_addr address {};
    const int number = std::atoi(port.c_str());
    if (number < 1 || number > 65535 || inet_pton(AF_INET, host.c_str(), &address) != 1)
        return config;
    config.host = host;
    config.port = number;
    return config;
}

RelayConfig RelayConfig::fromEnvironment()
{
    if (const char *value = std::getenv("RTSDK_RELAY"))
        return parse(value);
    std::string folder;
    if (const char *data = std::getenv("XDG_DATA_HOME"); data && *data)
        folder = data;
    else if (const char *home = std::getenv("HOME"); home && *home)
        folder = std::string(home) + "/.local/share";
    else
        return RelayConfig();
    std::ifstream file(folder + "/rtsdk-relay.conf");
    std::string line;
    if (!file || !std::getline(file, line))
        return RelayConfig();
    return parse(line);
}

} // namespace rtsdk
