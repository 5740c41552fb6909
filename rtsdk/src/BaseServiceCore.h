#pragma once

#include <string>

namespace rtsdk {

/** The part of a vendor's base service that the vendors share: its name in
 *  the call log and the initialize step with its fault. */
class BaseServiceCore
{
public:
    explicit BaseServiceCore(const std::string &kind);
    int initialize(const char *appId);
    void released();

private:
    const std::string mName;
};

} // namespace rtsdk
