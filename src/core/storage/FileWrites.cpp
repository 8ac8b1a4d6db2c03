#include "core/storage/FileWrites.h"

#include "core/storage/IoError.h"

#include <QFile>
#include <QFileDevice>
#include <QSaveFile>
#include <algorithm>
#include <atomic>
#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// Countdowns to the failing call (0 = no fault pending).
std::atomic<int> g_writeCountdown {0};
std::atomic<qint64> g_writePart {0};
std::atomic<int> g_flushCountdown {0};
std::atomic<bool> g_writeFull {false};
std::atomic<bool> g_flushFull {false};
thread_local bool t_outOfSpace = false;

// Notes why the call that just failed failed (errno as the file system left it).
bool failed(bool diskFull)
{
    t_outOfSpace = diskFull;
    return false;
}

// The system's error of the next call starts afresh.
void clearSystemError()
{
    errno = 0;
#ifdef Q_OS_WIN
    SetLastError(0);
#endif
}

// True when the system's error of the call that just failed is a full disk.
bool noSpace()
{
#ifdef Q_OS_WIN
    const DWORD error = GetLastError();
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
        return true;
#endif
#ifdef EDQUOT
    if (errno == EDQUOT)
        return true;
#endif
    return errno == ENOSPC;
}

// True when this call is the one that must fail.
bool fires(std::atomic<int> &countdown)
{
    int left = countdown.load();
    while (left > 0) {
        if (countdown.compare_exchange_weak(left, left - 1))
            return left == 1;
    }
    return false;
}
} // namespace

bool FileWrites::Write(QIODevice &file, const char *data, qint64 size)
{
    t_outOfSpace = false;
    if (fires(g_writeCountdown)) {
        const qint64 part = std::clamp<qint64>(g_writePart.load(), 0, size);
        if (part > 0)
            file.write(data, part);
        return failed(g_writeFull.load());
    }
    qint64 done = 0;
    while (done < size) {
        clearSystemError();
        const qint64 n = file.write(data + done, size - done);
        if (n <= 0)
            return failed(noSpace());
        done += n;
    }
    return true;
}

bool FileWrites::Write(QIODevice &file, const QByteArray &bytes)
{
    return Write(file, bytes.constData(), bytes.size());
}

bool FileWrites::Flush(QFileDevice &file)
{
    t_outOfSpace = false;
    clearSystemError();
    const bool flushed = file.flush();
    if (!flushed)
        return failed(noSpace());
    if (fires(g_flushCountdown))
        return failed(g_flushFull.load());
    return true;
}

bool FileWrites::Commit(QSaveFile &file)
{
    t_outOfSpace = false;
    clearSystemError();
    if (!file.commit())
        return failed(noSpace());
    return true;
}

bool FileWrites::OutOfSpace()
{
    return t_outOfSpace;
}

void FileWrites::ThrowWriteFailure(const QString &what)
{
    if (t_outOfSpace)
        throw DiskFull(what + QStringLiteral(": no space left"));
    throw IoError(what);
}

bool FileWrites::MayReplace(const QString &path, QString *reason)
{
    t_outOfSpace = false;
    QFile file(path);
    if (!file.exists() || file.open(QIODevice::ReadWrite))
        return true;
    *reason = file.errorString();
    return false;
}

void WriteFaults::FailWrite(int n, qint64 partBytes, bool diskFull)
{
    g_writePart.store(partBytes);
    g_writeFull.store(diskFull);
    g_writeCountdown.store(n);
}

void WriteFaults::FailFlush(int n, bool diskFull)
{
    g_flushFull.store(diskFull);
    g_flushCountdown.store(n);
}

void WriteFaults::Clear()
{
    g_writeCountdown.store(0);
    g_flushCountdown.store(0);
    g_writePart.store(0);
    g_writeFull.store(false);
    g_flushFull.store(false);
}
