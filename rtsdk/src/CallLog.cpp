#include "CallLog.h"

#include <cstring>

namespace rtsdk {

std::string CallLog::newObject(const std::string &kind)
{
    std::lock_guard<std::mutex> lock(mMutex);
    std::string name = kind + "#" + std::to_string(++mCounters[kind]);
    mObjects.push_back(name);
    return name;
}

void CallLog::addObject(const std::string &name)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mObjects.push_back(name);
}

void CallLog::record(const std::string &object, const std::string &call)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mCalls.push_back(CallRecord { object, call });
}

void CallLog::noteLogin(const std::string &userId, const std::string &service)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mServiceOfUser[userId] = service;
}

std::vector<CallRecord> CallLog::calls() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mCalls;
}

std::vector<std::string> CallLog::callsOf(const std::string &object) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    std::vector<std::string> out;
    for (const CallRecord &c : mCalls)
        if (c.object == object)
            out.push_back(c.call);
    return out;
}

std::vector<std::string> CallLog::objects() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mObjects;
}

std::string CallLog::serviceOf(const std::string &userId) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    auto it = mServiceOfUser.find(userId);
    return it == mServiceOfUser.end() ? std::string() : it->second;
}

void CallLog::clear()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mCalls.clear();
    mObjects.clear();
    mCounters.clear();
    mServiceOfUser.clear();
}

std::string CallLog::quoted(const char *text)
{
    if (!text)
        return "null";
    const size_t limit = 120;
    size_t n = std::strlen(text);
    if (n <= limit)
        return "\"" + std::string(text, n) + "\"";
    return "\"" + std::string(text, limit) + "...\"(" + std::to_string(n) + " bytes)";
}

} // namespace rtsdk
