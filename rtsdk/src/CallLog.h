#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "rtsdk/StandInControl.h"

namespace rtsdk {

/** Every SDK call with its arguments, in the order the calls were made, and
 *  the names of the objects they were made on. Thread-safe. */
class CallLog
{
public:
    /** A new object name "<kind>#<n>", numbered per kind from 1. */
    std::string newObject(const std::string &kind);
    /** Registers a name built by the caller (channels, messages). */
    void addObject(const std::string &name);
    void record(const std::string &object, const std::string &call);
    void noteLogin(const std::string &userId, const std::string &service);

    std::vector<CallRecord> calls() const;
    std::vector<std::string> callsOf(const std::string &object) const;
    std::vector<std::string> objects() const;
    std::string serviceOf(const std::string &userId) const;
    void clear();

    /** `"text"`, cut after 120 bytes with the full size noted. */
    static std::string quoted(const char *text);

private:
    mutable std::mutex mMutex;
    std::vector<CallRecord> mCalls;
    std::vector<std::string> mObjects;
    std::map<std::string, int> mCounters;
    std::map<std::string, std::string> mServiceOfUser;
};

} // namespace rtsdk
