// The loopback relay as a program: lets the stand-in real-time SDK of
// separate processes (the client, the simulated class, tests) reach each
// other. Prints "listening on 127.0.0.1:<port>" once it accepts clients.
#include "RelayServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
RelayServer *gServer = nullptr;

void onSignal(int)
{
    if (gServer)
        gServer->stop();
}
} // namespace

int main(int argc, char *argv[])
{
    long port = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
            char *end = nullptr;
            port = std::strtol(argv[++i], &end, 10);
            if (*end || port < 0 || port > 65535) {
                std::fprintf(stderr, "bad port %s\n", argv[i]);
                return 2;
            }
        } else {
            std::fprintf(stderr, "usage: %s [--port N]   (0: any free port)\n", argv[0]);
            return 2;
        }
    }
    RelayServer server;
    if (!server.listen(uint16_t(port))) {
        std::fprintf(stderr, "cannot listen on port %ld\n", port);
        return 1;
    }
    gServer = &server;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("listening on 127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    server.run();
    gServer = nullptr;
    return 0;
}
