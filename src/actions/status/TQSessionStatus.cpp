#include "actions/status/TQSessionStatus.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

#include <utility>

namespace {

// Element 2 on of the snapshot, in text order; the texts and lists follow.
struct Element
{
    int TQSessionStatus::*number;
    bool TQSessionStatus::*flag;
};

constexpr Element kElements[] = {
    {&TQSessionStatus::classStateA, nullptr},
    {nullptr, &TQSessionStatus::isOnsiteHomeworkRunning},
    {&TQSessionStatus::interactionType, nullptr},
    {&TQSessionStatus::interactionOptions, nullptr},
    {&TQSessionStatus::interactionID, nullptr},
    {&TQSessionStatus::maxDrawingIndex, nullptr},
    {nullptr, &TQSessionStatus::isRandomSelectRunning},
    {&TQSessionStatus::interactionTime, nullptr},
    {&TQSessionStatus::classStateB, nullptr},
    {&TQSessionStatus::onsiteHomeworkID, nullptr},
    {&TQSessionStatus::materialID, nullptr},
    {&TQSessionStatus::pageIndex, nullptr},
    {&TQSessionStatus::blackboardClosedAt, nullptr},
    {&TQSessionStatus::classStateC, nullptr},
    {nullptr, &TQSessionStatus::isFreeTalkEnabled},
    {&TQSessionStatus::boardWidth, nullptr},
    {&TQSessionStatus::boardHeight, nullptr},
    {nullptr, &TQSessionStatus::isTakingPicture},
    {&TQSessionStatus::pictureUserID, nullptr},
    {&TQSessionStatus::pictureID, nullptr},
    {&TQSessionStatus::blackboardDrawingIndex, nullptr},
    {&TQSessionStatus::blackboardPosition, nullptr},
    {nullptr, nullptr}, // clientText, element 24
    {nullptr, &TQSessionStatus::isAllAudioOn},
    {&TQSessionStatus::teacherVideoScreenMode, nullptr},
    {&TQSessionStatus::classSessionID, nullptr},
    {&TQSessionStatus::statusVersion, nullptr},
    {&TQSessionStatus::statusValueA, nullptr},
    {&TQSessionStatus::countDownCurrent, nullptr},
    {&TQSessionStatus::correctAnswerCount, nullptr},
    {&TQSessionStatus::countDownState, nullptr},
    {&TQSessionStatus::statusValueB, nullptr},
    {&TQSessionStatus::countDownTotal, nullptr},
};
constexpr int kFirstElement = 2;
constexpr int kClientTextElement = 24;
constexpr int kTitleElement = 35;
constexpr int kLastCheckedElement = 28;

// A group's text without its closing ")"; the text up to its end when there is none.
std::string_view withoutLastCharacter(std::string_view piece)
{
    if (!piece.empty())
        piece.remove_suffix(1);
    return piece;
}

} // namespace

TQSessionStatus::TQUserStatus::TQUserStatus(int userID, bool isVideoOn, bool isAudioOn, bool isWritingEnabled,
                                            bool isHandRaised, int isHandPicked, bool isInVideoRoom,
                                            bool isRandomlyPicked, bool isShouldVideoOn, bool isShouldAudioOn,
                                            std::string userName)
    : userID(userID)
    , isVideoOn(isVideoOn)
    , isAudioOn(isAudioOn)
    , isWritingEnabled(isWritingEnabled)
    , isHandRaised(isHandRaised)
    , isHandPicked(isHandPicked)
    , isInVideoRoom(isInVideoRoom)
    , isRandomlyPicked(isRandomlyPicked)
    , isShouldVideoOn(isShouldVideoOn)
    , isShouldAudioOn(isShouldAudioOn)
    , userName(std::move(userName))
{
}

std::string TQSessionStatus::TQUserStatus::toString() const
{
    std::string text;
    TQActionTextWriter(text)
        .add(userID).addFlag(isVideoOn).addFlag(isAudioOn).addFlag(isWritingEnabled).addFlag(isHandRaised)
        .add(isHandPicked).addFlag(isInVideoRoom).addFlag(isRandomlyPicked).addFlag(isShouldVideoOn)
        .addFlag(isShouldAudioOn).addBase64(userName)
        .close();
    text.front() = '(';
    text.back() = ')';
    return text;
}

TQSessionStatus::TQUserStatus *TQSessionStatus::TQUserStatus::fromString(std::string_view text)
{
    const TQActionFields fields(text);
    if (fields.size() < 11 || fields.hasNonNumeric(0, 9))
        return nullptr;
    return new TQUserStatus(fields.toInt(0), fields.isOne(1), fields.isOne(2), fields.isOne(3), fields.isOne(4),
                            fields.toInt(5), fields.isOne(6), fields.isOne(7), fields.isOne(8), fields.isOne(9),
                            fields.base64Text(10));
}

TQSessionStatus::TQSessionStatus()
    : TQStatusAction(109)
{
}

TQSessionStatus::~TQSessionStatus()
{
    for (TQUserStatus *entry : userStatuses)
        delete entry;
}

void TQSessionStatus::toString(std::string &out) const
{
    TQActionTextWriter writer(out);
    writer.add(-1).add(type);
    for (const Element &element : kElements) {
        if (element.number)
            writer.add(this->*element.number);
        else if (element.flag)
            writer.addFlag(this->*element.flag);
        else
            writer.add(clientText);
    }
    writer.addBase64(countDownTitle);
    out += ",(";
    for (size_t i = 0; i < blackRoomUserIDs.size(); ++i) {
        if (i > 0)
            out += ',';
        out += blackRoomUserIDs[i];
    }
    out += ')';
    for (const TQUserStatus *entry : userStatuses) {
        out += ',';
        out += entry->toString();
    }
    writer.close();
}

TQSessionStatus *TQSessionStatus::classStatusFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < kTitleElement + 1 || fields.hasNonNumeric(0, kLastCheckedElement))
        return nullptr;
    auto *status = new TQSessionStatus;
    int position = kFirstElement;
    for (const Element &element : kElements) {
        if (element.number)
            status->*element.number = fields.toInt(position);
        else if (element.flag)
            status->*element.flag = fields.isOne(position);
        ++position;
    }
    status->clientText = fields.text(kClientTextElement);
    status->countDownTitle = fields.base64Text(kTitleElement);

    const std::vector<std::string_view> groups = splitKeepingEmpty(text, ",(");
    if (groups.size() > 1) {
        for (std::string_view id : splitKeepingEmpty(withoutLastCharacter(groups[1]), ","))
            status->blackRoomUserIDs.emplace_back(id);
    }
    for (size_t i = 2; i < groups.size(); ++i) {
        if (TQUserStatus *entry = TQUserStatus::fromString(withoutLastCharacter(groups[i])))
            status->userStatuses.push_back(entry);
    }
    return status;
}
