#pragma once
// What the storage layer has to tell the user while it works, handed to one
// listener that the windows install at start-up: a save waiting for another
// workstation's lock (so the window can show that it waits, and keep
// painting), and an archive's loose tail kept in a file of its own before a
// card was written over it. Without a listener nothing is told and the work
// is the same.
#include <QString>
#include <QtGlobal>
#include <functional>

namespace StorageEvents {
enum class LockWait {
    Begins, // another workstation holds the archive's lock: the save waits
    Goes,   // still waiting (about every 50 ms): a moment to repaint
    Ends,   // the wait is over, the lock taken or given up
};

struct Listener {
    std::function<void(LockWait step)> lockWait;
    // archive: the archive's path; sideFile: the file now holding its loose
    // tail; bytes: the tail's length.
    std::function<void(const QString &archive, const QString &sideFile, qint64 bytes)> tailKept;
};

// Replaces the listener; an empty one tells nothing.
void SetListener(Listener listener);

void TellLockWait(LockWait step);
void TellTailKept(const QString &archive, const QString &sideFile, qint64 bytes);
} // namespace StorageEvents
