#include "core/storage/RecordFile.h"

#include "core/storage/Environment.h"
#include "core/storage/FileLock.h"
#include "core/storage/FileWrites.h"
#include "core/storage/StorageEvents.h"

#include <QFileInfo>
#include <algorithm>

namespace {
constexpr int BlockRecords = 256;
}

RecordFile::RecordFile(const QString &path, int recordSize, Access access)
    : m_file(path)
    , m_recordSize(recordSize)
{
    if (path.isEmpty())
        throw IoError(QStringLiteral("no archive named"));
    if (access == Access::Read && m_file.exists()) {
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            fail(QStringLiteral("cannot open"));
        return;
    }
    // ReadWrite creates a missing file and never truncates an existing one.
    if (m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return;
    // A folder that can be read but not written (a read-only share) and has
    // no such archive: there is nothing to read, which is an empty archive.
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (access == Access::Read && folder.isDir() && folder.isReadable() && folder.isExecutable()
        && !m_file.exists()) {
        m_file.unsetError();
        return;
    }
    fail(QStringLiteral("cannot open"));
}

RecordFile::~RecordFile()
{
    if (m_file.isOpen())
        m_file.close();
}

void RecordFile::fail(const QString &what) const
{
    throw IoError(QStringLiteral("%1 %2: %3").arg(what, m_file.fileName(), m_file.errorString()));
}

int RecordFile::count()
{
    m_knownCount = m_file.isOpen() ? int(m_file.size() / m_recordSize) : 0;
    return m_knownCount;
}

void RecordFile::seek(int index)
{
    if (index < 0 || !m_file.seek(qint64(index) * m_recordSize))
        fail(QStringLiteral("cannot seek in"));
    m_position = index;
}

QByteArray RecordFile::read()
{
    if (m_position < m_blockFirst || m_position >= m_blockFirst + m_blockRecords) {
        if (m_position >= m_knownCount)
            count();
        const int wanted = std::clamp(m_knownCount - m_position, 1, BlockRecords);
        if (!m_file.seek(qint64(m_position) * m_recordSize))
            fail(QStringLiteral("cannot seek in"));
        m_block = m_file.read(qint64(wanted) * m_recordSize);
        m_blockFirst = m_position;
        m_blockRecords = int(m_block.size() / m_recordSize);
        if (m_blockRecords == 0) {
            m_block.clear();
            fail(QStringLiteral("short read of a record in"));
        }
    }
    const QByteArray record = m_block.mid(qint64(m_position - m_blockFirst) * m_recordSize, m_recordSize);
    ++m_position;
    return record;
}

void RecordFile::writeAt(qint64 index, const QByteArray &record)
{
    if (record.size() != m_recordSize)
        throw IoError(QStringLiteral("record of %1 bytes for %2").arg(record.size()).arg(m_file.fileName()));
    m_blockRecords = 0;
    m_keptTail.clear();
    m_block.clear();
    // What the write replaces, so that a write failing part-way (a full disk,
    // a share gone) is undone: a replaced card gets its old bytes back, an
    // appended one is cut off again, and no card is left half-written.
    const qint64 sizeBefore = m_file.size();
    const qint64 at = index * m_recordSize;
    QByteArray before;
    if (at < sizeBefore) {
        if (!m_file.seek(at))
            fail(QStringLiteral("cannot seek in"));
        before = m_file.read(std::min<qint64>(m_recordSize, sizeBefore - at));
        if (before.size() != std::min<qint64>(m_recordSize, sizeBefore - at))
            fail(QStringLiteral("short read of a record in"));
    }
    // The record goes over a loose tail (a save cut short by an older copy
    // of the program, a damaged copy): those bytes are kept first.
    QString keptTail;
    if (!before.isEmpty() && before.size() < m_recordSize)
        keptTail = keepTail(before);
    if (!m_file.seek(at))
        fail(QStringLiteral("cannot seek in"));
    if (!FileWrites::Write(m_file, record) || !FileWrites::Flush(m_file)) {
        const bool full = FileWrites::OutOfSpace();
        const QString reason = m_file.errorString();
        if (m_file.size() > sizeBefore)
            m_file.resize(sizeBefore);
        if (!before.isEmpty() && m_file.seek(at) && FileWrites::Write(m_file, before))
            FileWrites::Flush(m_file);
        m_file.unsetError();
        const QString what = QStringLiteral("cannot write %1: %2").arg(m_file.fileName(), reason);
        if (full)
            throw DiskFull(what);
        throw IoError(what);
    }
    m_position = int(index) + 1;
    m_keptTail = keptTail;
    m_keptTailBytes = before.size();
}

QString RecordFile::TailFileName(const QString &archive, const QDateTime &when)
{
    return archive + QStringLiteral(".coda_") + when.toString(QStringLiteral("yyyyMMdd_HHmmss"));
}

QString RecordFile::keepTail(const QByteArray &tail)
{
    const QString base = TailFileName(m_file.fileName(), CurrentDateTime());
    // Never over another file: a second tail within the same second gets a
    // number of its own.
    for (int n = 1; n < 100; ++n) {
        const QString name = n == 1 ? base : base + QStringLiteral("_%1").arg(n);
        QFile side(name);
        if (!side.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (side.exists())
                continue;
            throw IoError(QStringLiteral("cannot keep the loose tail of %1 in %2: %3")
                              .arg(m_file.fileName(), name, side.errorString()));
        }
        if (!FileWrites::Write(side, tail) || !FileWrites::Flush(side)) {
            const QString reason = side.errorString();
            side.close();
            side.remove();
            FileWrites::ThrowWriteFailure(
                QStringLiteral("cannot keep the loose tail of %1 in %2: %3").arg(m_file.fileName(), name, reason));
        }
        side.close();
        return name;
    }
    throw IoError(QStringLiteral("no free name to keep the loose tail of %1").arg(m_file.fileName()));
}

void RecordFile::tellKeptTail()
{
    if (!m_keptTail.isEmpty())
        StorageEvents::TellTailKept(m_file.fileName(), m_keptTail, m_keptTailBytes);
}

void RecordFile::write(const QByteArray &record)
{
    requireWritable();
    {
        FileLock lock(m_file);
        writeAt(m_position, record);
    }
    tellKeptTail();
}

void RecordFile::requireWritable() const
{
    if (!m_file.isOpen() || !m_file.isWritable())
        throw IoError(QStringLiteral("%1 was opened for reading only").arg(m_file.fileName()));
}

void RecordFile::readBlock(int first, int records, QByteArray &buffer)
{
    const qint64 bytes = qint64(records) * m_recordSize;
    buffer.resize(bytes);
    if (first < 0 || !m_file.seek(qint64(first) * m_recordSize))
        fail(QStringLiteral("cannot seek in"));
    qint64 got = 0;
    while (got < bytes) {
        const qint64 n = m_file.read(buffer.data() + got, bytes - got);
        if (n <= 0)
            fail(QStringLiteral("short read of a record in"));
        got += n;
    }
    m_position = first + records;
}

bool RecordFile::atEnd()
{
    if (m_position < m_knownCount)
        return false;
    return m_position >= count();
}

void RecordFile::close()
{
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    m_file.unsetError();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError)
        fail(QStringLiteral("cannot close"));
}

int RecordFile::append(const QByteArray &record)
{
    requireWritable();
    {
        FileLock lock(m_file);
        writeAt(count(), record);
    }
    // Told once the lock is given back, so no other workstation waits while
    // the user reads it.
    tellKeptTail();
    return m_position;
}

void RecordFile::rewrite(int index, const QByteArray &record)
{
    requireWritable();
    FileLock lock(m_file);
    checkStored(index);
    writeAt(index, record);
}

bool RecordFile::rewriteIfUnchanged(int index, const std::function<bool(const QByteArray &)> &stillAsLoaded,
                                    const QByteArray &record, QByteArray *current)
{
    requireWritable();
    FileLock lock(m_file);
    checkStored(index);
    seek(index);
    m_blockRecords = 0;
    const QByteArray now = read();
    if (current)
        *current = now;
    if (!stillAsLoaded(now))
        return false;
    writeAt(index, record);
    return true;
}

void RecordFile::checkStored(int index)
{
    // Only a card already stored is replaced: a number past the end would
    // leave a gap of blank cards before it.
    if (index < 0 || index >= count())
        throw IoError(QStringLiteral("no record %1 in %2").arg(index).arg(m_file.fileName()));
}

int CardFile::Count(const QString &path, int recordSize)
{
    RecordFile archive(path, recordSize, RecordFile::Access::Read);
    const int count = archive.count();
    archive.close();
    return count;
}

QByteArray CardFile::Read(const QString &path, int recordSize, int cardNumber)
{
    RecordFile archive(path, recordSize, RecordFile::Access::Read);
    if (cardNumber < 1 || cardNumber > archive.count())
        throw IoError(QStringLiteral("no card %1 in %2").arg(cardNumber).arg(path));
    archive.seek(cardNumber - 1);
    const QByteArray record = archive.read();
    archive.close();
    return record;
}

int CardFile::Append(const QString &path, const QByteArray &record)
{
    RecordFile archive(path, int(record.size()));
    // Counted under the archive's lock: a card saved at the same moment on
    // another workstation gets another number.
    const int number = archive.append(record);
    archive.close();
    return number;
}

void CardFile::Rewrite(const QString &path, int cardNumber, const QByteArray &record)
{
    RecordFile archive(path, int(record.size()));
    archive.rewrite(cardNumber - 1, record);
    archive.close();
}

bool CardFile::RewriteIfUnchanged(const QString &path, int cardNumber,
                                  const std::function<bool(const QByteArray &)> &stillAsLoaded,
                                  const QByteArray &record, QByteArray *current)
{
    RecordFile archive(path, int(record.size()));
    const bool written = archive.rewriteIfUnchanged(cardNumber - 1, stillAsLoaded, record, current);
    archive.close();
    return written;
}
