#pragma once

// A copy of a Qt list that shares no list block with the original. Handing
// such copies from a guarded list to another thread keeps ThreadSanitizer
// quiet: Qt's relaxed check for sharing before an append in place happens in
// the distribution's uninstrumented library.
template <class List>
List unsharedCopy(const List &list)
{
    List copy;
    copy.reserve(list.size());
    for (const auto &item : list)
        copy.append(item);
    return copy;
}
