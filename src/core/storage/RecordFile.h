#pragma once
// A headerless file of fixed-size records addressed by 0-based index. Opened,
// used and closed within one user action; nothing is kept between actions.
// Every failure of the file system is raised as IoError.
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <functional>

#include "core/storage/IoError.h"

class RecordFile
{
public:
    enum class Access {
        // Reading and writing; a missing file is created empty.
        Write,
        // Reading only, so an archive that is read-only, or lies in a
        // read-only folder, can be consulted whole. A missing file is created
        // empty where the folder allows it, else read as an empty archive.
        // Writes fail.
        Read,
    };
    // Opens the file; an existing file that cannot be opened is reported,
    // never recreated.
    RecordFile(const QString &path, int recordSize, Access access = Access::Write);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Whole records in the file; an incomplete tail is not counted.
    int count();
    // Positions at record index (index == count: ready to append).
    void seek(int index);
    // Index of the record the next read or write touches.
    int position() const { return m_position; }
    // Reads the record at the position and advances; a short read fails.
    QByteArray read();
    // Writes the record at the position (replacing it, or appending when the
    // position is the count) and advances. An append to a file whose length
    // is not a whole number of records first keeps the loose tail in a file
    // of its own beside it (keptTail), then writes the record over it: no
    // byte is lost, and the record lands at the first whole position.
    void write(const QByteArray &record);
    bool atEnd();
    // Reads records [first, first + records) into buffer in one read; a short
    // read fails. The position moves past them.
    void readBlock(int first, int records, QByteArray &buffer);
    void close();

    // Appends at the end as counted at this moment, under an exclusive lock so
    // that two workstations saving at once get different card numbers.
    // Returns the new record's card number (its index + 1).
    int append(const QByteArray &record);
    // Replaces record index in place, under the same lock; the record must
    // exist. A write that fails part-way is undone before IoError is raised.
    void rewrite(int index, const QByteArray &record);
    // Replaces record index only while stillAsLoaded accepts what it holds
    // now: the read, the comparison and the write happen under one lock, so
    // no other workstation's save slips in between. Returns false, writing
    // nothing, when the record changed; current receives what it holds.
    bool rewriteIfUnchanged(int index, const std::function<bool(const QByteArray &)> &stillAsLoaded,
                            const QByteArray &record, QByteArray *current = nullptr);

    int recordSize() const { return m_recordSize; }
    // The file that received the loose tail at the last append, or empty.
    QString keptTail() const { return m_keptTail; }

    // Where the loose tail of archive goes when kept at that moment:
    // "<archive>.coda_<yyyyMMdd_HHmmss>" beside it.
    static QString TailFileName(const QString &archive, const QDateTime &when);

private:
    void writeAt(qint64 index, const QByteArray &record);
    QString keepTail(const QByteArray &tail);
    void tellKeptTail();
    void requireWritable() const;
    void checkStored(int index);
    [[noreturn]] void fail(const QString &what) const;

    QFile m_file;
    int m_recordSize;
    int m_position = 0;
    int m_knownCount = 0;
    QString m_keptTail;
    qint64 m_keptTailBytes = 0;
    // Block of records read ahead, so scans read hundreds of records at a time.
    QByteArray m_block;
    int m_blockFirst = 0;
    int m_blockRecords = 0;
};

// One action on an archive of fixed records, card numbers 1-based: each opens
// the archive (created when missing), does its work and closes it; reads
// need no write access. Failures are raised as IoError (ArchiveBusy when
// another workstation holds the lock of a write, DiskFull when a write finds
// no space).
namespace CardFile {
int Count(const QString &path, int recordSize);
// The record of card cardNumber; IoError when there is none.
QByteArray Read(const QString &path, int recordSize, int cardNumber);
// A new record appended under the archive's lock; returns its card number.
int Append(const QString &path, const QByteArray &record);
// Card cardNumber replaced in place under the archive's lock.
void Rewrite(const QString &path, int cardNumber, const QByteArray &record);
// Card cardNumber replaced only while stillAsLoaded accepts what it holds
// now, compared and written under the archive's lock; false, and nothing
// written, when another workstation changed it (current: what it holds).
bool RewriteIfUnchanged(const QString &path, int cardNumber,
                        const std::function<bool(const QByteArray &)> &stillAsLoaded, const QByteArray &record,
                        QByteArray *current = nullptr);
} // namespace CardFile
