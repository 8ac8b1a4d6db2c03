// Generates a year archive of 200,000 gate cards and a fleet of 10,000
// vehicles with realistic texts, then times, against a raw sequential read of
// the year archive in the same run: the still-inside test (exit date blank)
// of every card through the one archive walk, which should stay within 2x the
// raw read with a warm cache, and a full scan that decodes every field of
// every card.
//
//   bench_archives [folder]          (default: a folder under /tmp)
//   bench_archives folder --cold     drops the page cache before each timing
//                                    (root only), as after a workstation restart
#include "varcanto_core.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <unistd.h>

namespace {
const QStringList Makes = {"Fiat Ducato", "Iveco Daily", "Ford Transit", "Renault Master", "Volkswagen Golf",
                           "Opel Vivaro", "Mercedes Sprinter", "Peugeot Boxer", "Citroën Jumper", "Lancia Ypsilon"};
const QStringList People = {"Mario Rossi", "Giulia Bianchi", "Luca Verdi", "Anna Esposito", "Paolo Ricci",
                            "Francesca Romano", "Giorgio Colombo", "Elena Gallo", "Davide Conti", "Sara Greco"};
const QStringList Goods = {"Bancali di materiale elettrico", "Ricambi per manutenzione", "Documentazione tecnica",
                           "Nessuna merce", "Consegna corriere espresso", "Attrezzatura da cantiere"};
const QStringList Places = {"Magazzino centrale", "Officina", "Uffici amministrativi", "Laboratorio", "Mensa"};

QString pick(const QStringList &list, QRandomGenerator &rng)
{
    return list.at(int(rng.bounded(list.size())));
}

QString plate(QRandomGenerator &rng)
{
    auto letter = [&] { return QChar('A' + int(rng.bounded(26))); };
    return QString("%1%2%3%4%5").arg(letter()).arg(letter()).arg(rng.bounded(100, 1000)).arg(letter()).arg(letter());
}

void writeYear(const QString &path, int cards)
{
    QFile::remove(path);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QRandomGenerator rng(2021);
    QByteArray block;
    for (int i = 0; i < cards; ++i) {
        const QDate day = QDate(2021, 1, 1).addDays(i * 365 / cards);
        VisitRecord c;
        c.DataEnt = DateText(day);
        c.OraEnt = TimeText(QTime(6 + int(rng.bounded(12)), int(rng.bounded(60))));
        c.OperatoreEnt = pick(People, rng);
        c.Veicolo = pick(Makes, rng);
        c.Targa = plate(rng);
        c.Conduttore = pick(People, rng);
        c.Persone = rng.bounded(3) ? QString() : pick(People, rng) + ", " + pick(People, rng);
        c.Merce = pick(Goods, rng);
        c.Foglio = QString("FM-%1").arg(i);
        c.Tessere = QString("T%1").arg(rng.bounded(1, 200));
        c.Luogo = pick(Places, rng);
        c.TelCel = QString("3%1").arg(rng.bounded(100000000, 999999999));
        c.Note = rng.bounded(4) ? QString() : QStringLiteral("Documento d'identità lasciato in portineria");
        if (rng.bounded(10)) {
            c.DataUsc = c.DataEnt;
            c.OraUsc = TimeText(QTime(18, int(rng.bounded(60))));
            c.OperatoreUsc = pick(People, rng);
        }
        block += c.toBytes();
        if (block.size() > (1 << 22)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

void writeFleet(const QString &path, int vehicles)
{
    QFile::remove(path);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QRandomGenerator rng(7);
    for (int i = 0; i < vehicles; ++i) {
        VehicleRecord v;
        const QStringList make = pick(Makes, rng).split(' ');
        v.Veicolo = rng.bounded(2) ? "Autocarro" : "Autovettura";
        v.Marca = make.first();
        v.Modello = make.mid(1).join(' ');
        v.Colore = "Bianco";
        v.Alimentazione = rng.bounded(2) ? "Gasolio" : "Benzina";
        v.Targa = plate(rng);
        v.Telaio = QString("ZFA%1").arg(rng.bounded(10000000, 99999999));
        v.Immatricolazione = "12/05/2019";
        v.Conducente = pick(People, rng);
        v.CodFisc = "RSSMRA80A01H501U";
        v.Recapito = QString("3%1").arg(rng.bounded(100000000, 999999999));
        v.Disponibile = rng.bounded(2) ? QStringLiteral("Sì") : QStringLiteral("No");
        v.Note = "Tagliando ogni 30000 km";
        file.write(v.toBytes());
    }
}

bool g_cold = false;

void dropPageCache()
{
    if (!g_cold)
        return;
    std::fflush(nullptr);
    ::sync();
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    if (!drop.open(QIODevice::WriteOnly) || drop.write("3\n") != 2)
        std::fprintf(stderr, "cannot drop the page cache (root needed)\n");
}

double seconds(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e9;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/varcanto-bench";
    g_cold = argc > 2 && QByteArray(argv[2]) == "--cold";
    QDir().mkpath(folder);
    const QString year = folder + "/2021.vis";
    const QString fleet = folder + "/Flotta_Automezzi.pro";
    writeYear(year, 200000);
    writeFleet(fleet, 10000);
    std::printf("archive: %s (%lld bytes)\n", qPrintable(year), QFile(year).size());

    // Best of three runs each: with the page cache warm (default) or dropped
    // before each timing (--cold).
    double raw = 1e9, inside = 1e9, scan = 1e9;
    int stillInside = 0;
    const auto &dataUsc = FieldNamed(VisitFields, "DataUsc");
    for (int run = 0; run < 3; ++run) {
        dropPageCache();
        QElapsedTimer t;
        t.start();
        // The raw read: the whole file in 1 MB reads into one reused buffer,
        // looking at nothing.
        QFile file(year);
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        QByteArray buffer(1 << 20, Qt::Uninitialized);
        qint64 total = 0;
        for (qint64 n; (n = file.read(buffer.data(), buffer.size())) > 0;)
            total += n;
        raw = std::min(raw, seconds(t));

        dropPageCache();
        t.restart();
        stillInside = 0;
        const int walked = ScanArchive(year, VisitRecord::Size, [&](int, const char *card) {
            stillInside += FieldIsBlank(card, dataUsc);
            return true;
        });
        inside = std::min(inside, seconds(t));
        if (walked != 200000)
            return 1;

        dropPageCache();
        t.restart();
        RecordFile records(year, VisitRecord::Size);
        qint64 characters = 0;
        while (!records.atEnd()) {
            const VisitRecord c = VisitRecord::fromBytes(records.read());
            characters += c.Targa.size() + c.Note.size();
        }
        scan = std::min(scan, seconds(t));
        if (total == 0 || characters == 0)
            return 1;
    }
    const double goal = 2.0;
    std::printf("cache: %s, best of 3 runs\n", g_cold ? "cold (dropped before each timing)" : "warm");
    std::printf("raw sequential read:                       %.3f s\n", raw);
    std::printf("still-inside test of every card (walk):    %.3f s  ratio %.2f  goal <= %.1fx raw%s  %s"
                "  (%d cards still inside)\n",
                inside, inside / raw, goal, g_cold ? " (goal is for a warm cache)" : "",
                inside / raw <= goal ? "met" : "MISSED", stillInside);
    std::printf("full scan decoding every field:            %.3f s  ratio %.2f\n", scan, scan / raw);
    return 0;
}
