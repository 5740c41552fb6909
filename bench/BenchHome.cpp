#include "BenchHome.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include <ftw.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Set in the program that runs the figures: the home its parent made for it.
const char kMarker[] = "VELTRO_BENCH_HOME";
const char *const kReplaced[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR",
                                 kMarker};
const char *const kFolders[] = {"", "/data", "/config", "/cache", "/run", ""};

[[noreturn]] void fail(const char *what, const char *where)
{
    std::fprintf(stderr, "bench: %s %s: %s\n", what, where, std::strerror(errno));
    std::_Exit(2);
}

int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    return ::remove(path) == 0 || errno == ENOENT ? 0 : -1;
}

bool replaced(const char *entry)
{
    for (const char *name : kReplaced) {
        const size_t n = std::strlen(name);
        if (std::strncmp(entry, name, n) == 0 && entry[n] == '=')
            return true;
    }
    return false;
}

// Runs from .preinit_array, before the initialisers of every shared library
// (among them the one that fixes the data folder and the first log file), but
// also before the C library takes its environment: a variable set here would
// be lost. So this makes the temporary home, runs the program again in a
// child whose environment points there, removes the home when the child ends
// and leaves with the child's status.
void runInTemporaryHome(int, char **argv, char **envp)
{
    for (char **e = envp; *e; ++e) {
        if (std::strncmp(*e, kMarker, sizeof kMarker - 1) == 0 && (*e)[sizeof kMarker - 1] == '=')
            return;
    }
    const char *tmp = std::getenv("TMPDIR");
    if (!tmp || !*tmp)
        tmp = "/tmp";
    static char home[4096];
    std::snprintf(home, sizeof home, "%s/veltro-bench-XXXXXX", tmp);
    if (!::mkdtemp(home))
        fail("cannot make a temporary home in", tmp);

    size_t count = 0;
    while (envp[count])
        ++count;
    char **environment = static_cast<char **>(std::calloc(count + std::size(kReplaced) + 1, sizeof(char *)));
    if (!environment)
        fail("out of memory for", home);
    size_t used = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!replaced(envp[i]))
            environment[used++] = envp[i];
    }
    for (size_t i = 0; i < std::size(kReplaced); ++i) {
        const size_t size = std::strlen(kReplaced[i]) + std::strlen(home) + 16;
        char *entry = static_cast<char *>(std::malloc(size));
        if (!entry)
            fail("out of memory for", home);
        std::snprintf(entry, size, "%s=%s%s", kReplaced[i], home, kFolders[i]);
        if (*kFolders[i] && ::mkdir(entry + std::strlen(kReplaced[i]) + 1, 0700) != 0)
            fail("cannot prepare", home);
        environment[used++] = entry;
    }

    // The terminal's interrupt reaches the child too; the parent stays to tidy up.
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGQUIT, SIG_IGN);
    const pid_t child = ::fork();
    if (child < 0)
        fail("cannot start the program for", home);
    if (child == 0) {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGQUIT, SIG_DFL);
        ::execve("/proc/self/exe", argv, environment);
        fail("cannot run the program in", home);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ::nftw(home, removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    std::_Exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0));
}

__attribute__((section(".preinit_array"), used)) void (*const kRunInTemporaryHome)(int, char **, char **) =
    &runInTemporaryHome;

} // namespace

const char *BenchHome::path()
{
    return std::getenv(kMarker);
}
