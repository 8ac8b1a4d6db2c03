// Another workstation in the middle of a save: takes the exclusive lock of an
// archive, says "locked" on its standard output, holds the lock for the given
// milliseconds (until killed when none are given), then releases it and ends.
//
//   lock_holder <archive> [milliseconds]
#include "core/storage/FileLock.h"
#include "core/storage/IoError.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc > 3)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadWrite))
        return 1;
    try {
        FileLock lock(file);
        std::printf("locked\n");
        std::fflush(stdout);
        if (argc == 3)
            QThread::msleep(std::strtoul(argv[2], nullptr, 10));
        else
            for (;;)
                QThread::sleep(3600);
    } catch (const IoError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
