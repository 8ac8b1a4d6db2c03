#include "fleet/FleetArchive.h"

#include "storage/Environment.h"
#include "storage/RecordFile.h"

QString FleetArchive::Path()
{
    return ProgramFolder() + QLatin1String(FileName);
}

int FleetArchive::Count(const QString &path)
{
    RecordFile archive(path, VehicleRecord::Size);
    const int count = archive.count();
    archive.close();
    return count;
}

VehicleRecord FleetArchive::ReadCard(int cardNumber, const QString &path)
{
    RecordFile archive(path, VehicleRecord::Size);
    if (cardNumber < 1 || cardNumber > archive.count())
        throw IoError(QStringLiteral("no card %1 in %2").arg(cardNumber).arg(path));
    archive.seek(cardNumber - 1);
    const VehicleRecord card = VehicleRecord::fromBytes(archive.read());
    archive.close();
    return card;
}

int FleetArchive::AppendCard(const VehicleRecord &card, const QString &path)
{
    RecordFile archive(path, VehicleRecord::Size);
    const int number = archive.append(card.toBytes());
    archive.close();
    return number;
}

void FleetArchive::RewriteCard(int cardNumber, const VehicleRecord &card, const QString &path)
{
    RecordFile archive(path, VehicleRecord::Size);
    archive.rewrite(cardNumber - 1, card.toBytes());
    archive.close();
}

void FleetArchive::Reach(const QString &path)
{
    RecordFile archive(path, VehicleRecord::Size);
    archive.close();
}
