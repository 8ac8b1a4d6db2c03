#include "core/register/RegisterCard.h"

#include "core/storage/TextRules.h"

namespace {
const QString ValidDateHint = QStringLiteral(
    " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa.");
const QString BothExitFields = QStringLiteral(
    "\n\r\n\rPer poter salvare la scheda è necessario o compilare o lasciare in bianco entrambi i campi di testo.");
} // namespace

std::optional<SaveRefusal> CheckCardForSave(const VisitRecord &card)
{
    if (card.DataEnt.isEmpty())
        return SaveRefusal{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data d'ingresso."),
                           true, QStringLiteral("DataEnt")};
    if (!IsValidDate(card.DataEnt))
        return SaveRefusal{QStringLiteral("Attenzione: la data d'ingresso ") + card.DataEnt + ValidDateHint, false,
                           QStringLiteral("DataEnt")};
    if (card.OraEnt.isEmpty())
        return SaveRefusal{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare l'ora d'ingresso."),
                           true, QStringLiteral("OraEnt")};
    if (card.Veicolo.isEmpty())
        return SaveRefusal{
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la marca e il modello del veicolo."),
            true, QStringLiteral("Veicolo")};
    if (card.Targa.isEmpty())
        return SaveRefusal{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la targa del veicolo."),
                           true, QStringLiteral("Targa")};
    if (!card.DataUsc.isEmpty() && !IsValidDate(card.DataUsc))
        return SaveRefusal{QStringLiteral("Attenzione: la data d'uscita ") + card.DataUsc + ValidDateHint, false,
                           QStringLiteral("DataUsc")};
    if (card.DataUsc.isEmpty() && !card.OraUsc.isEmpty())
        return SaveRefusal{QStringLiteral("Attenzione: è stata indicata l'ora d'uscita ma non la data.") + BothExitFields,
                           false, QStringLiteral("DataUsc")};
    if (!card.DataUsc.isEmpty() && card.OraUsc.isEmpty())
        return SaveRefusal{QStringLiteral("Attenzione: è stata indicata la data d'uscita ma non l'ora.") + BothExitFields,
                           false, QStringLiteral("DataUsc")};
    return std::nullopt;
}
