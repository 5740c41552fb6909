#pragma once

#include <vector>

class TQDrawingElement;
class TQPath;
class TQSavedImage;

// The undo snapshots of one page of one material, oldest first, and the one
// the page currently shows. A snapshot of another page or material starts
// the history afresh; it never holds more than kCapacity snapshots.
class TQSavedImageHistory
{
public:
    static constexpr int kCapacity = 26;

    TQSavedImageHistory() = default;
    ~TQSavedImageHistory();
    TQSavedImageHistory(const TQSavedImageHistory &) = delete;
    TQSavedImageHistory &operator=(const TQSavedImageHistory &) = delete;

    // Adds a snapshot after the current one (what followed it goes) and makes
    // it current. A snapshot with the id of the newest is not added twice:
    // the newest is returned.
    TQSavedImage *push(const std::vector<TQPath *> &paths, const std::vector<TQDrawingElement *> &elements, int id,
                       int materialId, int pageIndex, int topOffset);
    // The snapshot before, respectively after, the current one, which becomes
    // current; null at either end or without a current one.
    TQSavedImage *stepBack();
    TQSavedImage *stepForward();
    TQSavedImage *current() const;
    // The newest snapshot with that id, else the newest with a smaller id.
    TQSavedImage *find(int id) const;
    // Position of the newest snapshot with that id, or -1.
    int indexOf(int id) const;
    void clear();

    int currentId() const { return mCurrentId; }
    int size() const { return int(mEntries.size()); }
    const std::vector<TQSavedImage *> &entries() const { return mEntries; }

private:
    void removeAt(int index);
    void markEnds();

    std::vector<TQSavedImage *> mEntries;
    int mCurrentId = -1;
};
