#include "storage/FileLock.h"

#include "storage/RecordFile.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace {
int lockWhole(int fd, short type, bool wait)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // the whole file, however long it grows
    int rc;
    do {
        rc = fcntl(fd, wait ? F_SETLKW : F_SETLK, &lock);
    } while (rc == -1 && errno == EINTR);
    return rc;
}
} // namespace

FileLock::FileLock(QFile &file)
    : m_file(file)
{
    if (lockWhole(file.handle(), F_WRLCK, true) == -1)
        throw IoError(QStringLiteral("cannot lock %1: %2").arg(file.fileName(), QString::fromLocal8Bit(std::strerror(errno))));
}

FileLock::~FileLock()
{
    lockWhole(m_file.handle(), F_UNLCK, false);
}
