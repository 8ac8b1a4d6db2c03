#pragma once
// Every byte the program writes to a file (archives, password store, exports,
// copied attachments, PDFs) goes through these two calls, so that the tests
// can make the n-th write or flush fail, also part-way through a write, as a
// full disk or a dropped network share would.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QFileDevice;
class QIODevice;
class QSaveFile;

namespace FileWrites {
// Writes all the bytes at the device's position; false when the file system
// refuses any of them (some may have reached the file).
bool Write(QIODevice &file, const char *data, qint64 size);
bool Write(QIODevice &file, const QByteArray &bytes);
// Flushes what was written; false on failure.
bool Flush(QFileDevice &file);
// Puts a file written whole in place of the old one; false on failure.
bool Commit(QSaveFile &file);
// True when the last Write, Flush or Commit of this thread failed for want of
// space (a full disk or a full quota), so the user can be told so; every
// call of this seam sets it again.
bool OutOfSpace();
// Raises the failure of a Write, Flush or Commit that just returned false:
// DiskFull when it ran out of space, else IoError; what says what failed.
[[noreturn]] void ThrowWriteFailure(const QString &what);
// A file replaced whole (through a new file that takes its place) must still
// be writable in place where it exists, so a read-only file is refused as it
// would be by an in-place write. False, with the reason, when it is not.
bool MayReplace(const QString &path, QString *reason);
} // namespace FileWrites

// Tests only: faults to come. The n-th write from now (1 = the next) fails
// after its first partBytes bytes have reached the file; the n-th flush from
// now fails after flushing. Each fault fires once; with diskFull it fails as
// a full disk does.
namespace WriteFaults {
void FailWrite(int n, qint64 partBytes = 0, bool diskFull = false);
void FailFlush(int n, bool diskFull = false);
void Clear();
} // namespace WriteFaults
