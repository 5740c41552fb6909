#pragma once

#include <QJsonObject>
#include <QtGlobal>

#include <string>
#include <string_view>

// One message of the class's data channel: {"tqMsg", "tqRec", "tqTm", "tqType"}.
// Every value is written as a JSON string; reading accepts numbers, numeric
// strings, booleans and null (see TQJsonValues.h).
class TQMessageEnvelope
{
public:
    // Payload types.
    enum Type {
        Drawing = 0,
        Status = 1,
        PrivateMessage = 2,
        Control = 3,
        OnsiteHomework = 4,
        PublicMessage = 5,
        Partition = 6,
        StudentDuration = 7,
    };

    // Compact JSON, members in the order tqMsg, tqRec, tqTm, tqType; tqMsg is
    // escaped for JSON only (UTF-8 is written as it is).
    std::string toJson() const;
    // tqMsg only from a JSON string; a missing member reads as "" or 0.
    static TQMessageEnvelope fromJson(const QJsonObject &object);
    // The compact form as toJson writes it, with every value a string of
    // printable ASCII without escapes (what every peer sends), read in place:
    // the numbers go into *header (its tqMsg stays empty) and *payload views
    // the tqMsg text inside text. False for any other text, which then has to
    // go through a JSON parser and fromJson; for text this accepts, the result
    // is the same as theirs.
    static bool readCompact(std::string_view text, TQMessageEnvelope *header, std::string_view *payload);

    // Payload text, UTF-8.
    std::string tqMsg;
    int tqType = 0;
    // Receiver user id; -1 for every member of the class channel.
    int tqRec = 0;
    // Sender's time stamp, ms since 1970.
    qint64 tqTm = 0;
};
