#pragma once
// Exclusive lock on a whole open file for the time of one append or rewrite,
// so that workstations sharing the program folder do not write over each
// other's cards. When another workstation holds the lock, waits for it for a
// bounded time and then gives up with ArchiveBusy, before anything is written;
// any other failure to lock is raised as IoError. The wait is told to the
// storage listener (StorageEvents), so the window can show it.
#include <QString>
#include <chrono>

class QFile;

class FileLock
{
public:
    explicit FileLock(QFile &file);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // How long a save waits for another workstation's lock.
    static constexpr std::chrono::milliseconds DefaultWait {10000};

private:
    enum class Attempt { Locked, Busy, Failed };
    // One attempt that does not wait; the platform's reason on failure.
    static Attempt tryLock(QFile &file, QString &reason);
    static void unlock(QFile &file);

    QFile &m_file;
};

// The wait in force (DefaultWait unless replaced).
std::chrono::milliseconds LockWait();
// Replaces the wait (tests); a negative value restores DefaultWait.
void SetLockWait(std::chrono::milliseconds wait);
