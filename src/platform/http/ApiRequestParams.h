#pragma once

#include <QMap>
#include <QString>

// Form field name -> value text; sent in key order.
using ParamMap = QMap<QString, QString>;

// What an upload endpoint's builder returns: the form fields and the one
// file field (field name -> local path).
struct UploadParams
{
    ParamMap params;
    ParamMap files;
};

// The shared base of the parameter builders of every API area.
class ApiRequestParams
{
public:
    // "userID", "userToken" (the signed-in user, "" when none) and "orgID"
    // (the chosen organisation), read anew on every call.
    static ParamMap commonParams();

protected:
    static QString number(qint64 value);
    // Inserts the key only when the condition holds: an optional key is
    // never sent empty.
    static void insertIf(ParamMap &params, bool condition, const QString &key, const QString &value);
    static UploadParams upload(const ParamMap &params, const QString &fileField, const QString &filePath);
};
