#pragma once

#include <QtGlobal>

#include <vector>

class TQDrawingAction;

// The drawing actions of one student that arrived and were not released
// yet, in ascending drawing index, and how far the student's writing got.
// Owns its pending actions; move-only.
class TQStudentWritingBuffer
{
public:
    explicit TQStudentWritingBuffer(int userId = 0);
    ~TQStudentWritingBuffer();
    TQStudentWritingBuffer(TQStudentWritingBuffer &&other) noexcept;
    TQStudentWritingBuffer &operator=(TQStudentWritingBuffer &&other) noexcept;
    TQStudentWritingBuffer(const TQStudentWritingBuffer &) = delete;
    TQStudentWritingBuffer &operator=(const TQStudentWritingBuffer &) = delete;

    // Back to the start of a grant; the user id stays.
    void reset();

    int userId = 0;
    // Drawing index of the last action released.
    int lastWritingIndex = -1;
    std::vector<TQDrawingAction *> pending;
    // Drawing indexes skipped since the last reset.
    int lostCount = 0;
    int reserved = 0;
    // When the last gap toast was shown, ms since 1970.
    qint64 lastToastTime = 0;

private:
    void freePending();
};
