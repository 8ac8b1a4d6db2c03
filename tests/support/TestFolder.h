#pragma once
// Shared pieces of every test: a temporary program folder, a fixed clock, and
// a way to lose root's power over file permissions for one block.
#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>
#include <QByteArray>
#include <QString>
#include <chrono>

// A fresh program folder for one test; restored to the default on exit.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path(const QString &name) const;
    QByteArray bytes(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QString folder() const;

private:
    QTemporaryDir m_dir;
};

// Pins the program's clock to the given moment for the lifetime of the object.
class FixedClock
{
public:
    explicit FixedClock(const QDateTime &now);
    ~FixedClock();
};

// Inside its lifetime file permissions are checked as an ordinary user, also
// when the tests run as root (as they do in CI), so read-only files refuse
// writing as they would on a workstation.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();

private:
    int m_previous = -1;
};

// Another workstation in the middle of a save: a separate process (the
// lock_holder helper, built beside the tests) holds the exclusive lock of an
// archive for holdMs milliseconds, or for the lifetime of this object when
// holdMs is negative. The constructor returns once the lock is taken.
class LockHeldElsewhere
{
public:
    explicit LockHeldElsewhere(const QString &archivePath, int holdMs = -1);
    ~LockHeldElsewhere();
    // The helper started and took the lock.
    bool holding() const { return m_holding; }
    // Waits for a lock held for a limited time to be released.
    bool released(int timeoutMs = 30000);

private:
    QProcess m_process;
    bool m_holding = false;
};

// A shorter wait for another workstation's lock within its lifetime, so that
// tests of a busy archive do not wait the full time a save waits.
class ShortLockWait
{
public:
    explicit ShortLockWait(std::chrono::milliseconds wait);
    ~ShortLockWait();
};

// A small file system of its own (tmpfs of the given size) mounted on a fresh
// folder and seen by this test process alone (it moves into a mount namespace
// of its own, so nothing is left mounted when it ends). It can be made only
// where the test may mount (root on Linux); otherwise made() is false and
// reason() says why, for QSKIP.
class OwnFileSystem
{
public:
    explicit OwnFileSystem(qint64 bytes);
    ~OwnFileSystem();
    OwnFileSystem(const OwnFileSystem &) = delete;
    OwnFileSystem &operator=(const OwnFileSystem &) = delete;
    bool made() const { return m_made; }
    QString reason() const { return m_reason; }
    // The mounted folder, without a trailing separator.
    QString folder() const { return m_dir.path(); }
    // Mounts it again read-only: every write then fails as on a read-only share.
    bool makeReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_made = false;
    QString m_reason;
};
