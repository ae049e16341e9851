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

// A model's nodes going in and out of a document's list, so that running out of memory leaves
// both lists as they were: every allocation comes before the first element moves.

// Room for count elements to be moved out of list, made before a model tells its views of the
// change; the elements move out within it, so that views still see them until then.
template <class Out, class T> QList<Out> roomToMoveOut(QList<T>& list, qsizetype count)
{
    QList<Out> out;
    out.reserve(count);
    list.detach();
    return out;
}

// Moves count elements from at on out of list into out, where room was made; the caller then
// removes them.
template <class T, class Out>
void moveOut(QList<T>& list, qsizetype at, qsizetype count, QList<Out>& out)
{
    for (qsizetype i = 0; i < count; ++i)
        out.append(Out(std::move(list[at + i])));
}

// Makes room in list for count more elements, before a model tells its views of the change.
template <class T> void makeRoom(QList<T>& list, qsizetype count)
{
    list.reserve(list.size() + count);
}

// Moves the elements of from into list at at, where room was made; converts each by take.
template <class T, class From, class Take>
void moveIn(QList<T>& list, qsizetype at, QList<From>& from, Take take)
{
    list.insert(at, from.size(), T());
    for (qsizetype i = 0; i < from.size(); ++i)
        list[at + i] = take(std::move(from[i]));
}
