#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

class TQAction;
class TQActionsFromNet;
class TQBinaryPartition;
class TQMessageEnvelope;

// The codec between lists of action records and the envelopes of the class's
// data channel. One service lives with the real-time manager of one class; all
// calls come from the GUI thread.
class TQMessagePackagingService
{
public:
    // Received envelopes longer than this many bytes are refused.
    static constexpr int kMaxReceivedBytes = 20480;

    TQMessagePackagingService() = default;

    // The envelope of the actions (which stay the caller's); "" for no actions.
    // The payload type follows the first action's family.
    std::string packMessage(const std::vector<TQAction *> &actions);
    // The envelope (type 6) of one image partition's JSON.
    std::string packPartitionMessage(const std::string &partitionJson, int receiver);

    // The actions of a received envelope, or null (with a log line) when it is
    // too large, lacks a member name or has an unknown type. Records that do
    // not parse are left out. messageDataArray is the raw payload that came
    // with a data-channel message (null from the media data stream). The
    // caller owns the result.
    TQActionsFromNet *unpackMessage(const std::string &strFromNetwork, QByteArray *messageDataArray,
                                    long fromUserID);

    // The partition of a received partition JSON, or null when the text is no
    // valid partition (see TQBinaryPartition::fromJson).
    TQBinaryPartition *unpackPartition(const std::string &partitionJson);

    // A strictly increasing time stamp in ms since 1970, even when the clock
    // stands still or steps back.
    qint64 nextTimestamp();

    // The action factory: the record whose text (without brackets) is given,
    // rebuilt by the parser of its code, or null. fromUserID is only logged.
    TQAction *constructionActionFromStr(std::string text, int fromUserID);

private:
    // The factory on a view of the text, as the envelope's payload holds it.
    TQAction *actionFromText(std::string_view text, int fromUserID);
    // Fills the result's actions from a payload of the types that hold action texts.
    void splitIntoActions(std::string_view payload, int fromUserID, TQActionsFromNet *result);
    // Payload types 2, 5, 6 and 7: one chat or duration record, or a
    // partition; false when a partition is refused.
    bool unpackMessagePayload(const TQMessageEnvelope &envelope, QByteArray *messageDataArray, int fromUserID,
                              TQActionsFromNet *result);

    qint64 m_lastTimestamp = 0;
};
