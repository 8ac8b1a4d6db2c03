#include "core/storage/StorageEvents.h"

namespace {
StorageEvents::Listener &listener()
{
    static StorageEvents::Listener current;
    return current;
}
} // namespace

void StorageEvents::SetListener(Listener l)
{
    listener() = std::move(l);
}

void StorageEvents::TellLockWait(LockWait step)
{
    if (listener().lockWait)
        listener().lockWait(step);
}

void StorageEvents::TellTailKept(const QString &archive, const QString &sideFile, qint64 bytes)
{
    if (listener().tailKept)
        listener().tailKept(archive, sideFile, bytes);
}
