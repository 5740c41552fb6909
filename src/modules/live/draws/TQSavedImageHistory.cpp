#include "modules/live/draws/TQSavedImageHistory.h"

#include "modules/live/draws/TQSavedImage.h"

#include <cstddef>

TQSavedImageHistory::~TQSavedImageHistory()
{
    clear();
}

TQSavedImage *TQSavedImageHistory::push(const std::vector<TQPath *> &paths,
                                        const std::vector<TQDrawingElement *> &elements, int id, int materialId,
                                        int pageIndex, int topOffset)
{
    // A new change after an undo: what was undone cannot come back.
    const int at = indexOf(mCurrentId);
    while (at >= 0 && size() - 1 > at)
        removeAt(size() - 1);

    if (!mEntries.empty()) {
        TQSavedImage *newest = mEntries.back();
        if (newest->pageIndex != pageIndex || newest->materialId != materialId)
            clear();
        else if (newest->id == id)
            return newest;
    }
    if (size() >= kCapacity)
        removeAt(0);

    auto *entry = new TQSavedImage;
    entry->paths = paths;
    entry->backgroundElements = elements;
    entry->id = id;
    entry->materialId = materialId;
    entry->pageIndex = pageIndex;
    entry->topOffset = topOffset;
    entry->previousId = mCurrentId;
    mEntries.push_back(entry);
    mCurrentId = id;
    markEnds();
    return entry;
}

TQSavedImage *TQSavedImageHistory::stepBack()
{
    const int at = indexOf(mCurrentId);
    if (at <= 0)
        return nullptr;
    TQSavedImage *entry = mEntries[std::size_t(at - 1)];
    mCurrentId = entry->id;
    return entry;
}

TQSavedImage *TQSavedImageHistory::stepForward()
{
    const int at = indexOf(mCurrentId);
    if (at < 0 || at == size() - 1)
        return nullptr;
    TQSavedImage *entry = mEntries[std::size_t(at + 1)];
    mCurrentId = entry->id;
    return entry;
}

TQSavedImage *TQSavedImageHistory::current() const
{
    return mCurrentId == -1 ? nullptr : find(mCurrentId);
}

TQSavedImage *TQSavedImageHistory::find(int id) const
{
    for (auto it = mEntries.rbegin(); it != mEntries.rend(); ++it) {
        if ((*it)->id == id)
            return *it;
    }
    for (auto it = mEntries.rbegin(); it != mEntries.rend(); ++it) {
        if ((*it)->id < id)
            return *it;
    }
    return nullptr;
}

int TQSavedImageHistory::indexOf(int id) const
{
    if (id == -1)
        return -1;
    for (int i = size() - 1; i >= 0; --i) {
        if (mEntries[std::size_t(i)]->id == id)
            return i;
    }
    return -1;
}

void TQSavedImageHistory::clear()
{
    mCurrentId = -1;
    for (TQSavedImage *entry : mEntries)
        delete entry;
    mEntries.clear();
}

void TQSavedImageHistory::removeAt(int index)
{
    delete mEntries[std::size_t(index)];
    mEntries.erase(mEntries.begin() + index);
}

void TQSavedImageHistory::markEnds()
{
    for (TQSavedImage *entry : mEntries)
        entry->first = entry->last = false;
    if (mEntries.empty())
        return;
    mEntries.front()->first = true;
    mEntries.back()->last = true;
}
