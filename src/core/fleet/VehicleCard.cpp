#include "core/fleet/VehicleCard.h"

#include "core/fleet/FleetArchive.h"
#include "core/storage/TextRules.h"

std::optional<SaveRefusal> CheckVehicleForSave(const VehicleRecord &card)
{
    const auto refuse = [](const char *what, const char *field) {
        return SaveRefusal{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") + QString::fromUtf8(what)
                               + QLatin1Char('.'),
                           true, QString::fromLatin1(field)};
    };
    if (Trim(card.Veicolo).isEmpty())
        return refuse("il tipo di veicolo", "Veicolo");
    if (Trim(card.Marca).isEmpty())
        return refuse("la marca del veicolo", "Marca");
    if (Trim(card.Modello).isEmpty())
        return refuse("il modello del veicolo", "Modello");
    if (Trim(card.Targa).isEmpty())
        return refuse("la targa del veicolo", "Targa");
    return std::nullopt;
}

std::optional<bool> AvailabilityMark(const QString &disponibile)
{
    const QString value = Trim(disponibile);
    if (value == AvailableYes)
        return true;
    if (value == AvailableNo)
        return false;
    return std::nullopt;
}

QString WholeKmPerLitre(const QString &text)
{
    return IsDigitsOnly(text) ? text : QStringLiteral("0");
}
