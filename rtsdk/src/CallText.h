#pragma once
// How the media side writes a call's arguments into the call log.

#include <string>

#include "CallLog.h"

namespace rtsdk {
namespace calltext {

inline std::string arg(int v) { return std::to_string(v); }
inline std::string arg(unsigned int v) { return std::to_string(v); }
inline std::string arg(unsigned long v) { return std::to_string(v); }
inline std::string arg(long long v) { return std::to_string(v); }
inline std::string arg(bool v) { return v ? "true" : "false"; }
inline std::string arg(const char *v) { return CallLog::quoted(v); }
inline std::string arg(const std::string &v) { return CallLog::quoted(v.c_str()); }
// Objects and views are not numbered: the log says only whether one came.
inline std::string arg(const void *v) { return v ? "ptr" : "null"; }

inline std::string join() { return std::string(); }
template <class A> std::string join(const A &a) { return arg(a); }
template <class A, class... R> std::string join(const A &a, const R &...rest) { return arg(a) + ", " + join(rest...); }

/** `name(a, b, c)` */
template <class... A> std::string call(const char *name, const A &...args) { return std::string(name) + "(" + join(args...) + ")"; }

} // namespace calltext
} // namespace rtsdk
