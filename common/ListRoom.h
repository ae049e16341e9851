#pragma once

#include <QList>

// Gives back the room a list kept for growing. QList::squeeze copies the list into a new block,
// holding it twice for a moment; a large list keeps its room instead, which is never more than
// the list itself, so that a large file's peak stays that of its document.
template <class T> void giveBackRoom(QList<T>& list)
{
    constexpr qsizetype largestCopied = qsizetype(16) << 20; // bytes
    if (list.capacity() > list.size() && list.size() * qsizetype(sizeof(T)) <= largestCopied)
        list.squeeze();
}
