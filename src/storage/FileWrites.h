#pragma once
// Every byte the program writes to a file (archives, password store, exports,
// copied attachments, PDFs) goes through these two calls, so that the tests
// can make the n-th write or flush fail, also part-way through a write, as a
// full disk or a dropped network share would.
#include <QByteArray>
#include <QtGlobal>

class QFileDevice;

namespace FileWrites {
// Writes all the bytes at the device's position; false when the file system
// refuses any of them (some may have reached the file).
bool Write(QFileDevice &file, const char *data, qint64 size);
bool Write(QFileDevice &file, const QByteArray &bytes);
// Flushes what was written; false on failure.
bool Flush(QFileDevice &file);
} // namespace FileWrites

// Tests only: faults to come. The n-th write from now (1 = the next) fails
// after its first partBytes bytes have reached the file; the n-th flush from
// now fails after flushing. Each fault fires once.
namespace WriteFaults {
void FailWrite(int n, qint64 partBytes = 0);
void FailFlush(int n);
void Clear();
} // namespace WriteFaults
