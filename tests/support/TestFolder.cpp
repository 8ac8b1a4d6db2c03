#include "TestFolder.h"

#include "core/storage/Environment.h"
#include "core/storage/FileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

TempProgramFolder::TempProgramFolder()
{
    // Readable by the ordinary user that AsOrdinaryUser switches to.
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                            | QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup
                                            | QFileDevice::ExeGroup);
    SetProgramFolder(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    SetProgramFolder(QString());
}

QString TempProgramFolder::folder() const
{
    return ProgramFolder();
}

QString TempProgramFolder::path(const QString &name) const
{
    return ProgramFolder() + name;
}

QByteArray TempProgramFolder::bytes(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TempProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

FixedClock::FixedClock(const QDateTime &now)
{
    SetClock([now] { return now; });
}

FixedClock::~FixedClock()
{
    SetClock({});
}

AsOrdinaryUser::AsOrdinaryUser()
{
#ifdef Q_OS_LINUX
    if (geteuid() == 0) {
        setfsgid(65534);
        m_previous = setfsuid(65534);
    }
#endif
}

AsOrdinaryUser::~AsOrdinaryUser()
{
#ifdef Q_OS_LINUX
    if (m_previous >= 0) {
        setfsuid(uid_t(m_previous));
        setfsgid(0);
    }
#endif
}


LockHeldElsewhere::LockHeldElsewhere(const QString &archivePath, int holdMs)
{
    QStringList arguments {archivePath};
    if (holdMs >= 0)
        arguments << QString::number(holdMs);
    m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lock_holder"), arguments);
    if (!m_process.waitForStarted(10000))
        return;
    QByteArray said;
    while (!said.contains("locked\n") && m_process.waitForReadyRead(10000))
        said += m_process.readAllStandardOutput();
    m_holding = said.contains("locked\n");
}

LockHeldElsewhere::~LockHeldElsewhere()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
}

bool LockHeldElsewhere::released(int timeoutMs)
{
    return m_process.waitForFinished(timeoutMs) && m_process.exitStatus() == QProcess::NormalExit
        && m_process.exitCode() == 0;
}

ShortLockWait::ShortLockWait(std::chrono::milliseconds wait)
{
    SetLockWait(wait);
}

ShortLockWait::~ShortLockWait()
{
    SetLockWait(std::chrono::milliseconds(-1));
}

#ifdef Q_OS_LINUX
namespace {
// Moves this process into a mount namespace of its own, once; empty on
// success, else why not.
QString ownMountNamespace()
{
    static const QString reason = []() -> QString {
        if (geteuid() != 0)
            return QStringLiteral("mounting a file system needs root");
        if (unshare(CLONE_NEWNS) != 0)
            return QStringLiteral("no mount namespace of its own: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return QStringLiteral("mounts not private: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return QString();
    }();
    return reason;
}
} // namespace
#endif

OwnFileSystem::OwnFileSystem(qint64 bytes)
{
#ifdef Q_OS_LINUX
    m_reason = ownMountNamespace();
    if (!m_reason.isEmpty())
        return;
    const QByteArray where = QFile::encodeName(m_dir.path());
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) != 0) {
        m_reason = QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_made = true;
#else
    Q_UNUSED(bytes);
    m_reason = QStringLiteral("mounting a file system is tried on Linux only");
#endif
}

OwnFileSystem::~OwnFileSystem()
{
#ifdef Q_OS_LINUX
    if (m_made)
        umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
}

bool OwnFileSystem::makeReadOnly()
{
#ifdef Q_OS_LINUX
    return m_made
        && mount(nullptr, QFile::encodeName(m_dir.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    return false;
#endif
}
