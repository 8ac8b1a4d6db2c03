#include "storage/FileLock.h"

#include "storage/RecordFile.h"

#include <QFile>
#include <io.h>
#include <windows.h>

namespace {
HANDLE osHandle(QFile &file)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
}
} // namespace

FileLock::FileLock(QFile &file)
    : m_file(file)
{
    OVERLAPPED at {};
    if (!LockFileEx(osHandle(file), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &at))
        throw IoError(QStringLiteral("cannot lock %1").arg(file.fileName()));
}

FileLock::~FileLock()
{
    OVERLAPPED at {};
    UnlockFileEx(osHandle(m_file), 0, MAXDWORD, MAXDWORD, &at);
}
