#include "core/fleet/FleetArchive.h"

#include "core/storage/Environment.h"
#include "core/storage/RecordFile.h"

QString FleetArchive::Path()
{
    return ProgramFolder() + QLatin1String(FileName);
}

int FleetArchive::Count(const QString &path)
{
    return CardFile::Count(path, VehicleRecord::Size);
}

VehicleRecord FleetArchive::ReadCard(int cardNumber, const QString &path)
{
    return VehicleRecord::fromBytes(CardFile::Read(path, VehicleRecord::Size, cardNumber));
}

int FleetArchive::AppendCard(const VehicleRecord &card, const QString &path)
{
    return CardFile::Append(path, card.toBytes());
}

void FleetArchive::RewriteCard(int cardNumber, const VehicleRecord &card, const QString &path)
{
    CardFile::Rewrite(path, cardNumber, card.toBytes());
}

std::optional<VehicleRecord> FleetArchive::RewriteCardIfUnchanged(int cardNumber, const VehicleRecord &asLoaded,
                                                                  const VehicleRecord &card, const QString &path)
{
    QByteArray now;
    const bool written = CardFile::RewriteIfUnchanged(
        path, cardNumber, [&](const QByteArray &stored) { return VehicleRecord::fromBytes(stored) == asLoaded; },
        card.toBytes(), &now);
    if (written)
        return std::nullopt;
    return VehicleRecord::fromBytes(now);
}

VehicleRecord FleetArchive::AsStored(const VehicleRecord &card)
{
    return VehicleRecord::fromBytes(card.toBytes());
}

void FleetArchive::Reach(const QString &path)
{
    RecordFile archive(path, VehicleRecord::Size, RecordFile::Access::Read);
    archive.close();
}
