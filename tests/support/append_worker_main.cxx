// Appends a number of cards to an archive, one action per card as the card
// editor does; used by the test of several workstations saving at once.
#include "storage/RecordFile.h"
#include "register/VisitRecord.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString worker = QString::fromLocal8Bit(argv[2]);
    const int cards = atoi(argv[3]);
    try {
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
    } catch (const IoError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
