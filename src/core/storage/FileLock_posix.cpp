#include "core/storage/FileLock.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace {
int setLock(int fd, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // the whole file, however long it grows
    int rc;
    do {
        rc = fcntl(fd, F_SETLK, &lock);
    } while (rc == -1 && errno == EINTR);
    return rc;
}
} // namespace

FileLock::Attempt FileLock::tryLock(QFile &file, QString &reason)
{
    if (setLock(file.handle(), F_WRLCK) == 0)
        return Attempt::Locked;
    if (errno == EACCES || errno == EAGAIN)
        return Attempt::Busy;
    reason = QString::fromLocal8Bit(std::strerror(errno));
    return Attempt::Failed;
}

void FileLock::unlock(QFile &file)
{
    setLock(file.handle(), F_UNLCK);
}
