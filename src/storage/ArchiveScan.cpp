#include "storage/ArchiveScan.h"

#include "storage/RecordFile.h"

#include <algorithm>

namespace {
// About 700 KB of register cards per read: large enough that the walk costs
// little more than a raw sequential read, small enough to stay in cache.
constexpr int BlockBytes = 1 << 20;
} // namespace

int ScanArchive(const QString &path, int recordSize, const RecordVisitor &visit, const ScanProgress &progress)
{
    RecordFile file(path, recordSize);
    const int total = file.count();
    const int perBlock = std::max(1, BlockBytes / recordSize);
    int index = 0;
    QByteArray block;
    while (index < total) {
        const int wanted = std::min(perBlock, total - index);
        file.readBlock(index, wanted, block);
        const char *record = block.constData();
        for (int i = 0; i < wanted; ++i, record += recordSize) {
            if (!visit(index + i, record)) {
                file.close();
                return index + i + 1;
            }
        }
        index += wanted;
        if (progress)
            progress(index, total);
    }
    file.close();
    return index;
}

QByteArrayView TrimmedFieldBytes(const char *record, int offset, int capacity)
{
    // A length byte above the capacity is read as the capacity.
    const int length = std::min<int>(static_cast<unsigned char>(record[offset]), capacity);
    const unsigned char *text = reinterpret_cast<const unsigned char *>(record + offset + 1);
    int first = 0, last = length;
    while (first < last && text[first] <= 0x20)
        ++first;
    while (last > first && text[last - 1] <= 0x20)
        --last;
    return QByteArrayView(record + offset + 1 + first, last - first);
}

bool FieldIsBlank(const char *record, int offset, int capacity)
{
    return TrimmedFieldBytes(record, offset, capacity).isEmpty();
}
