#include "modules/live/draws/TQStudentWritingBuffer.h"

#include "actions/TQDrawingAction.h"

#include <utility>

TQStudentWritingBuffer::TQStudentWritingBuffer(int userId)
    : userId(userId)
{
}

TQStudentWritingBuffer::~TQStudentWritingBuffer()
{
    freePending();
}

TQStudentWritingBuffer::TQStudentWritingBuffer(TQStudentWritingBuffer &&other) noexcept
    : userId(other.userId)
    , lastWritingIndex(other.lastWritingIndex)
    , pending(std::move(other.pending))
    , lostCount(other.lostCount)
    , reserved(other.reserved)
    , lastToastTime(other.lastToastTime)
{
    other.pending.clear();
}

TQStudentWritingBuffer &TQStudentWritingBuffer::operator=(TQStudentWritingBuffer &&other) noexcept
{
    if (this != &other) {
        freePending();
        userId = other.userId;
        lastWritingIndex = other.lastWritingIndex;
        pending = std::move(other.pending);
        other.pending.clear();
        lostCount = other.lostCount;
        reserved = other.reserved;
        lastToastTime = other.lastToastTime;
    }
    return *this;
}

void TQStudentWritingBuffer::reset()
{
    freePending();
    lastWritingIndex = -1;
    lostCount = 0;
    reserved = 0;
    lastToastTime = 0;
}

void TQStudentWritingBuffer::freePending()
{
    for (TQDrawingAction *action : pending)
        delete action;
    pending.clear();
}
