#include "utils/CrashHandler.h"

#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
const int kMaxFrames = 128;

// Everything the handler needs is prepared at install time: inside the
// handler only async-signal-safe calls are allowed (no allocation, no locks,
// no locale or time-zone look-ups).
char g_dumpDir[PATH_MAX];
long g_utcOffsetSecs = 0;
std::atomic_flag g_crashing = ATOMIC_FLAG_INIT;
alignas(16) char g_altStack[256 * 1024];

// A fixed buffer that collects text and writes it out with write(2).
class SafeWriter
{
public:
    explicit SafeWriter(int fd) : m_fd(fd) {}
    ~SafeWriter() { flush(); }

    SafeWriter &text(const char *s)
    {
        while (*s)
            put(*s++);
        return *this;
    }
    SafeWriter &dec(long long value)
    {
        if (value < 0) {
            put('-');
            return udec(0ULL - static_cast<unsigned long long>(value));
        }
        return udec(static_cast<unsigned long long>(value));
    }
    SafeWriter &udec(unsigned long long value) { return digits(value, 10, 1); }
    SafeWriter &hex(unsigned long long value) { return digits(value, 16, 1); }
    SafeWriter &padded(unsigned long long value, int width) { return digits(value, 10, width); }
    void flush()
    {
        size_t done = 0;
        while (done < m_used) {
            const ssize_t n = ::write(m_fd, m_buffer + done, m_used - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        m_used = 0;
    }

private:
    void put(char c)
    {
        if (m_used == sizeof(m_buffer))
            flush();
        m_buffer[m_used++] = c;
    }
    SafeWriter &digits(unsigned long long value, unsigned base, int width)
    {
        char tmp[24];
        int n = 0;
        do {
            tmp[n++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value != 0 && n < int(sizeof(tmp)));
        while (n < width && n < int(sizeof(tmp)))
            tmp[n++] = '0';
        while (n > 0)
            put(tmp[--n]);
        return *this;
    }

    int m_fd;
    char m_buffer[512];
    size_t m_used = 0;
};

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "?";
    }
}

struct CivilTime
{
    long long year;
    unsigned month, day, hour, minute, second;
};

// Local wall-clock time from the epoch seconds and the offset taken at install
// time (days-to-civil conversion for the proleptic Gregorian calendar).
CivilTime civilTime(long long epochSecs)
{
    long long secs = epochSecs + g_utcOffsetSecs;
    long long days = secs / 86400;
    long long rest = secs % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    CivilTime t;
    t.day = dayOfYear - (153 * mp + 2) / 5 + 1;
    t.month = mp < 10 ? mp + 3 : mp - 9;
    t.year = static_cast<long long>(yearOfEra) + era * 400 + (t.month <= 2 ? 1 : 0);
    t.hour = static_cast<unsigned>(rest / 3600);
    t.minute = static_cast<unsigned>(rest % 3600 / 60);
    t.second = static_cast<unsigned>(rest % 60);
    return t;
}

// "yyyy_MM_dd_hh_mm_ss" into a buffer of at least 20 bytes.
void formatTime(const CivilTime &t, char *out)
{
    const unsigned long long parts[] = {static_cast<unsigned long long>(t.year), t.month, t.day,
                                        t.hour, t.minute, t.second};
    const int widths[] = {4, 2, 2, 2, 2, 2};
    char *p = out;
    for (int i = 0; i < 6; ++i) {
        unsigned long long v = parts[i];
        for (int k = widths[i] - 1; k >= 0; --k) {
            p[k] = char('0' + v % 10);
            v /= 10;
        }
        p += widths[i];
        if (i < 5)
            *p++ = '_';
    }
    *p = '\0';
}

void copyFile(const char *path, int toFd)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        ssize_t done = 0;
        while (done < n) {
            const ssize_t w = ::write(toFd, buffer + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                break;
            done += w;
        }
    }
    ::close(fd);
}

void writeDump(int fd, int signal, const siginfo_t *info, const char *timeText)
{
    {
        SafeWriter out(fd);
        out.text("Veltro crash dump\n");
        out.text("time: ").text(timeText).text("\n");
        out.text("version: ").text(VELTRO_VERSION).text("\n");
        out.text("signal: ").dec(signal).text(" ").text(signalName(signal)).text("\n");
        out.text("code: ").dec(info ? info->si_code : 0).text("\n");
        out.text("address: 0x").hex(reinterpret_cast<unsigned long long>(info ? info->si_addr : nullptr)).text("\n");
        out.text("pid: ").dec(::getpid()).text("\n");
        out.text("tid: ").dec(static_cast<long long>(::syscall(SYS_gettid))).text("\n");
        out.text("backtrace:\n");
    }
    void *frames[kMaxFrames];
    const int count = ::backtrace(frames, kMaxFrames);
    ::backtrace_symbols_fd(frames, count, fd);
    SafeWriter(fd).text("maps:\n");
    copyFile("/proc/self/maps", fd);
}

} // namespace

void ApplicationCrashHandler(int signal, siginfo_t *info, void *)
{
    if (g_crashing.test_and_set()) {
        // Another thread is writing the dump; its re-raise ends the process.
        for (;;)
            ::pause();
    }

    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    char timeText[32];
    formatTime(civilTime(now.tv_sec), timeText);

    {
        SafeWriter err(STDERR_FILENO);
        err.text("errCode: ").hex(static_cast<unsigned>(signal)).text("\n");
        err.text("errAddr: ").hex(reinterpret_cast<unsigned long long>(info ? info->si_addr : nullptr)).text("\n");
        err.text("errFlag: ").hex(static_cast<unsigned>(info ? info->si_code : 0)).text("\n");
        err.text("errPara: ").hex(static_cast<unsigned>(info ? info->si_errno : 0)).text("\n");
    }

    char path[PATH_MAX + 32];
    size_t used = 0;
    for (const char *s = g_dumpDir; *s && used < PATH_MAX; ++s)
        path[used++] = *s;
    path[used++] = '/';
    for (const char *s = timeText; *s; ++s)
        path[used++] = *s;
    for (const char *s = ".dmp"; *s; ++s)
        path[used++] = *s;
    path[used] = '\0';

    ::mkdir(g_dumpDir, 0755);
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        SafeWriter(STDERR_FILENO).text("hDumpFile == null\n");
    } else {
        writeDump(fd, signal, info, timeText);
        ::close(fd);
    }

    // End the process with the same signal, as if the handler had not been there.
    struct sigaction fallback{};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

bool installCrashHandler()
{
    const QByteArray dir = QFile::encodeName(FileUtils::getDmpDir());
    if (dir.size() >= PATH_MAX) {
        CLog::error(QStringLiteral("dump folder path too long"), QStringLiteral("%1 ").arg(QStringLiteral("installCrashHandler")));
        return false;
    }
    std::memcpy(g_dumpDir, dir.constData(), static_cast<size_t>(dir.size()) + 1);

    // The local time offset is taken now: the handler cannot read the time zone.
    const time_t now = ::time(nullptr);
    tm local{};
    if (::localtime_r(&now, &local))
        g_utcOffsetSecs = local.tm_gmtoff;

    // backtrace() loads its unwinder on first use; do that here, not in the handler.
    void *warmUp[2];
    ::backtrace(warmUp, 2);

    // A stack of its own, so a stack overflow of the GUI thread still gets a dump.
    stack_t stack{};
    stack.ss_sp = g_altStack;
    stack.ss_size = sizeof(g_altStack);
    ::sigaltstack(&stack, nullptr);

    bool ok = true;
    for (int signal : kSignals) {
        struct sigaction action{};
        action.sa_sigaction = &ApplicationCrashHandler;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        if (::sigaction(signal, &action, nullptr) != 0)
            ok = false;
    }
    if (!ok)
        CLog::error(QStringLiteral("sigaction failed"), QStringLiteral("%1 ").arg(QStringLiteral("installCrashHandler")));
    return ok;
}
