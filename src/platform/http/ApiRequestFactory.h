#pragma once

#include "platform/http/ApiRequestParams.h"

class httpRequest;

// The shared base of the request factories of every API area: a new,
// unsent request for the configured API host. The caller connects and
// executes it; it deletes itself after its reply.
class ApiRequestFactory
{
protected:
    static httpRequest *form(const QString &path, const ParamMap &params);
    static httpRequest *upload(const QString &path, const ParamMap &params, const ParamMap &files);
};
