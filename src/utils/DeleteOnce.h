#pragma once

#include <QList>
#include <QSet>

// Deletes every pointer of `list` that `done` does not hold yet and records
// it there, so that an object listed twice, or in two lists that share one
// `done`, is deleted exactly once. Null entries are skipped.
template <typename T>
void deleteEachOnce(const QList<T *> &list, QSet<const void *> &done)
{
    for (T *item : list) {
        if (item && !done.contains(item)) {
            done.insert(item);
            delete item;
        }
    }
}
