#include "core/storage/ArchiveScan.h"

#include "core/storage/RecordFile.h"

#include <algorithm>

namespace {
// About 700 KB of register cards per read: large enough that the walk costs
// little more than a raw sequential read, small enough to stay in cache.
constexpr int BlockBytes = 1 << 20;
} // namespace

int ScanArchive(const QString &path, int recordSize, const RecordVisitor &visit, const ScanProgress &progress)
{
    RecordFile file(path, recordSize, RecordFile::Access::Read);
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
