#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <string>

// Forgiving conversions from any JSON value (number, numeric text, boolean,
// null, missing) to numbers and texts, for every parser of server replies and
// stored JSON; plus the small checks several parts of the program share.
class CDataHelper
{
public:
    // Sign-in form check codes.
    enum CheckCode {
        kCheckValid = 0,
        kPhoneEmpty = 11,
        kPhoneTooLong = 12,
        kPhoneTooShort = 13,
        kPhoneNotDigits = 14,
        kVerifyCodeEmpty = 21,
    };

    // A whole number within the int range, a numeric text, or a boolean;
    // 0 for anything else (a fraction, out of range, an object).
    static int jsonValueToInt(const QJsonValue &value);
    // Numbers are truncated toward zero; 0 when out of the type's range.
    static qint32 jsonValueToLong(const QJsonValue &value);
    static qint64 jsonValueToLongLong(const QJsonValue &value);
    static double jsonValueToDouble(const QJsonValue &value);
    // Texts unchanged, objects and arrays as compact JSON, booleans as 1/0,
    // null and missing as "". Whole numbers within +-2^53 are written exactly
    // (ids and millisecond times survive); other numbers as C's %g.
    static QString jsonValueToString(const QJsonValue &value);
    static std::string jsonValueToStdString(const QJsonValue &value);

    static bool isAllDigits(const std::string &text);
    // The number starting at the first digit, up to the first non-digit; 0
    // when there is no digit or the number does not fit an int.
    static int getIntFromString(const std::string &text);
    // Whether version2 is newer than version1, comparing dotted parts as numbers.
    static bool isVersion2Bigger(const QString &version1, const QString &version2);
    static bool isDirExists(const QString &path);

    static int checkPhone(const QString &phone);
    static int checkVerifyCode(const QString &code);

    // The machine's id, made once and kept in the key-value table; never empty.
    static QString getDeviceId();
    static std::string deviceIdKey();

    static void printJsonObject(const QJsonObject &object);

private:
    CDataHelper() = delete;
};
