// Another workstation writing to a shared archive, one action per card as the
// card editors do; used by the tests of several workstations at once.
//   append_worker <archive> <worker> <cards>
//       appends that many register cards
//   append_worker <archive> <record size> append <worker> <cards>
//       appends cards of that layout (1366 register, 3635 fleet); each card
//       carries "<worker>-<i>" in Targa; prints "<worker>-<i> <card number>"
//       for each, the number the save reported
//   append_worker <archive> <record size> rewrite <worker> <rewrites>
//       rewrites cards already stored, chosen at random, in place as the
//       editors save (only over the card as it was read): each keeps its
//       Targa and gets "<worker>@<card number>" in Note
//   append_worker <flagged plates file> flag <worker> <plates>
//       flags that many plates "<worker>P<i>", one change at a time
#include "core/fleet/VehicleRecord.h"
#include "core/register/FlaggedPlates.h"
#include "core/register/VisitRecord.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/RecordFile.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

namespace {
template <class Record, std::size_t N>
int run(const QString &path, int size, const std::array<FieldSpec<Record>, N> &fields, const QString &mode,
        const QString &worker, int n)
{
    const FieldSpec<Record> &targa = FieldNamed(fields, "Targa");
    const FieldSpec<Record> &note = FieldNamed(fields, "Note");
    if (mode == QLatin1String("append")) {
        for (int i = 0; i < n; ++i) {
            QByteArray bytes(size, '\0');
            const QString id = worker + QLatin1Char('-') + QString::number(i);
            StoreAnsiField(bytes.data() + targa.offset, targa.capacity, id);
            RecordFile file(path, size);
            const int number = file.append(bytes);
            file.close();
            std::printf("%s %d\n", qPrintable(id), number);
        }
        return 0;
    }
    for (int i = 0; i < n;) {
        RecordFile file(path, size);
        const int count = file.count();
        if (count == 0) {
            file.close();
            QThread::msleep(1);
            continue;
        }
        const int index = int(QRandomGenerator::global()->bounded(count));
        file.seek(index);
        const QByteArray loaded = file.read();
        QByteArray bytes = loaded;
        StoreAnsiField(bytes.data() + note.offset, note.capacity,
                       worker + QLatin1Char('@') + QString::number(index + 1));
        // As the editors save: only over the card as it was read.
        if (file.rewriteIfUnchanged(index, [&](const QByteArray &now) { return now == loaded; }, bytes))
            ++i;
        file.close();
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    try {
        if (argc == 4) {
            const QString path = QString::fromLocal8Bit(argv[1]);
            const QString worker = QString::fromLocal8Bit(argv[2]);
            const int cards = atoi(argv[3]);
            for (int i = 0; i < cards; ++i) {
                VisitRecord card;
                card.DataEnt = QStringLiteral("01/02/2024");
                card.OraEnt = QStringLiteral("08:00");
                card.Veicolo = worker;
                card.Targa = QString::number(i);
                RecordFile file(path, VisitRecord::Size);
                file.append(card.toBytes());
                file.close();
            }
            return 0;
        }
        if (argc == 5 && QLatin1String(argv[2]) == QLatin1String("flag")) {
            const QString path = QString::fromLocal8Bit(argv[1]);
            const QString worker = QString::fromLocal8Bit(argv[3]);
            const int plates = atoi(argv[4]);
            for (int i = 0; i < plates; ++i)
                FlaggedPlates::Add({worker + QLatin1Char('P') + QString::number(i), worker, QStringLiteral("01/02/2024")},
                                   path);
            return 0;
        }
        if (argc != 6)
            return 2;
        const QString path = QString::fromLocal8Bit(argv[1]);
        const int size = atoi(argv[2]);
        const QString mode = QString::fromLocal8Bit(argv[3]);
        const QString worker = QString::fromLocal8Bit(argv[4]);
        const int n = atoi(argv[5]);
        if (size == VisitRecord::Size)
            return run(path, size, VisitFields, mode, worker, n);
        if (size == VehicleRecord::Size)
            return run(path, size, VehicleFields, mode, worker, n);
        return 2;
    } catch (const IoError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
