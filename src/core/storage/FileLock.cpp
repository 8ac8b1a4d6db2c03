#include "core/storage/FileLock.h"

#include "core/storage/IoError.h"
#include "core/storage/StorageEvents.h"

#include <QDeadlineTimer>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <thread>

namespace {
std::atomic<long long> g_waitMs {-1};
// Between two attempts: short enough that a lock released a moment later is
// taken at once, long enough not to load a file server with requests.
constexpr std::chrono::milliseconds PollInterval {50};
} // namespace

std::chrono::milliseconds LockWait()
{
    const long long ms = g_waitMs.load();
    return ms < 0 ? FileLock::DefaultWait : std::chrono::milliseconds(ms);
}

void SetLockWait(std::chrono::milliseconds wait)
{
    g_waitMs.store(wait.count() < 0 ? -1 : static_cast<long long>(wait.count()));
}

FileLock::FileLock(QFile &file)
    : m_file(file)
{
    const QDeadlineTimer deadline(LockWait());
    QString reason;
    // Whoever shows the program is told when a wait begins and ends, and at
    // every attempt between, so the window can say that it waits and keep
    // painting.
    struct Wait {
        bool told = false;
        void go()
        {
            StorageEvents::TellLockWait(told ? StorageEvents::LockWait::Goes : StorageEvents::LockWait::Begins);
            told = true;
        }
        ~Wait()
        {
            if (told)
                StorageEvents::TellLockWait(StorageEvents::LockWait::Ends);
        }
    } wait;
    for (;;) {
        switch (tryLock(file, reason)) {
        case Attempt::Locked:
            return;
        case Attempt::Failed:
            throw IoError(QStringLiteral("cannot lock %1: %2").arg(file.fileName(), reason));
        case Attempt::Busy:
            break;
        }
        if (deadline.hasExpired())
            throw ArchiveBusy(QStringLiteral("%1 is locked by another workstation").arg(file.fileName()));
        wait.go();
        std::this_thread::sleep_for(std::min(PollInterval, std::chrono::milliseconds(deadline.remainingTime())));
    }
}

FileLock::~FileLock()
{
    unlock(m_file);
}
