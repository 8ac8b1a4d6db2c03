#include "core/storage/FileLock.h"

#include <QFile>
#include <io.h>
#include <windows.h>

namespace {
HANDLE osHandle(QFile &file)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
}
} // namespace

FileLock::Attempt FileLock::tryLock(QFile &file, QString &reason)
{
    OVERLAPPED at {};
    if (LockFileEx(osHandle(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &at))
        return Attempt::Locked;
    const DWORD error = GetLastError();
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING)
        return Attempt::Busy;
    reason = QStringLiteral("Windows error %1").arg(error);
    return Attempt::Failed;
}

void FileLock::unlock(QFile &file)
{
    OVERLAPPED at {};
    UnlockFileEx(osHandle(file), 0, MAXDWORD, MAXDWORD, &at);
}
