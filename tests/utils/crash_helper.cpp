// Installs the crash handler and then crashes the way its argument says; run
// by tst_crashhandler.
#include "utils/CrashHandler.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <thread>

namespace {

volatile int *g_nowhere = nullptr;
volatile int g_zero = 0;

__attribute__((noinline)) int recurse(int depth)
{
    volatile char frame[4096];
    frame[0] = char(depth);
    return recurse(depth + 1) + frame[0];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The dump is what we look at; no core file in the build tree.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (!installCrashHandler())
        return 2;
    const char *how = argc > 1 ? argv[1] : "";
    if (!std::strcmp(how, "segv"))
        *g_nowhere = 1;
    else if (!std::strcmp(how, "abort"))
        std::abort();
    else if (!std::strcmp(how, "fpe"))
        return 10 / g_zero;
    else if (!std::strcmp(how, "thread"))
        std::thread([] { *g_nowhere = 2; }).join();
    else if (!std::strcmp(how, "overflow"))
        return recurse(0);
    return 3;
}
