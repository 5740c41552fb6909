#pragma once

#include <csignal>

// The crash handler of the process. installCrashHandler() routes SIGSEGV,
// SIGBUS, SIGFPE, SIGILL and SIGABRT to ApplicationCrashHandler, which writes
// "<data>/dmp/yyyy_MM_dd_hh_mm_ss.dmp" (never over an existing file: a second
// crash in the same second leaves no dump) and then lets the signal end the
// process as it would have without the handler. The dump is text: a header
// (time, version, signal, code, address, pid, tid), the raw backtrace and the
// memory map of the process.
bool installCrashHandler();

// Runs on the faulting thread; async-signal-safe.
void ApplicationCrashHandler(int signal, siginfo_t *info, void *context);
