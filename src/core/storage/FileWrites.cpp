#include "core/storage/FileWrites.h"

#include <QFile>
#include <QFileDevice>
#include <algorithm>
#include <atomic>

namespace {
// Countdowns to the failing call (0 = no fault pending).
std::atomic<int> g_writeCountdown {0};
std::atomic<qint64> g_writePart {0};
std::atomic<int> g_flushCountdown {0};

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
    if (fires(g_writeCountdown)) {
        const qint64 part = std::clamp<qint64>(g_writePart.load(), 0, size);
        if (part > 0)
            file.write(data, part);
        return false;
    }
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.write(data + done, size - done);
        if (n <= 0)
            return false;
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
    const bool flushed = file.flush();
    if (fires(g_flushCountdown))
        return false;
    return flushed;
}

bool FileWrites::MayReplace(const QString &path, QString *reason)
{
    QFile file(path);
    if (!file.exists() || file.open(QIODevice::ReadWrite))
        return true;
    *reason = file.errorString();
    return false;
}

void WriteFaults::FailWrite(int n, qint64 partBytes)
{
    g_writePart.store(partBytes);
    g_writeCountdown.store(n);
}

void WriteFaults::FailFlush(int n)
{
    g_flushCountdown.store(n);
}

void WriteFaults::Clear()
{
    g_writeCountdown.store(0);
    g_flushCountdown.store(0);
    g_writePart.store(0);
}
