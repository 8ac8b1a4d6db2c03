#include "BenchSupport.h"

#include "varcanto_core.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <fcntl.h>
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
} // namespace

void WriteYearArchive(const QString &path, int cards)
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

void WriteFleetArchive(const QString &path, int vehicles)
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


namespace {
bool g_cold = false;
QStringList g_coldFiles;
} // namespace

void SetColdCache(bool cold, const QStringList &files)
{
    g_cold = cold;
    g_coldFiles = files;
}

bool DropPageCache()
{
    if (!g_cold)
        return false;
    std::fflush(nullptr);
    ::sync();
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    if (drop.open(QIODevice::WriteOnly) && drop.write("3\n") == 2)
        return true;
    // Without the right to drop the whole cache (a container, a user who is
    // not root), the pages of the benchmark's own files are let go one file
    // at a time; once synced none is dirty, so the system frees them all.
    bool dropped = !g_coldFiles.isEmpty();
    for (const QString &path : g_coldFiles) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        dropped &= fd >= 0 && ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
        if (fd >= 0)
            ::close(fd);
    }
    return dropped;
}

double Seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

double Best(int runs, const std::function<void()> &run)
{
    double fastest = 1e9;
    for (int i = 0; i < runs; ++i) {
        DropPageCache();
        QElapsedTimer t;
        t.start();
        run();
        fastest = std::min(fastest, Seconds(t));
    }
    return fastest;
}

void RawRead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (file.read(buffer.data(), buffer.size()) > 0) {
    }
}

void RawWrite(const QString &path, qint64 bytes)
{
    const QByteArray block(1 << 20, 'x');
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    for (qint64 left = bytes; left > 0; left -= block.size())
        file.write(block.constData(), std::min<qint64>(left, block.size()));
    file.flush();
    ::fsync(file.handle());
}

namespace {
// A "Name:   123 kB" line of /proc/self/status, in bytes.
qint64 statusBytes(const char *name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(int(qstrlen(name))).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}
} // namespace

qint64 ResidentBytes()
{
    return statusBytes("VmRSS:");
}

qint64 PeakResidentBytes()
{
    return statusBytes("VmHWM:");
}
