#include "core/register/RegisterCard.h"

#include "core/storage/RecordFile.h"
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

int RegisterArchive::Count(const QString &path)
{
    return CardFile::Count(path, VisitRecord::Size);
}

VisitRecord RegisterArchive::ReadCard(const QString &path, int cardNumber)
{
    return VisitRecord::fromBytes(CardFile::Read(path, VisitRecord::Size, cardNumber));
}

int RegisterArchive::AppendCard(const QString &path, const VisitRecord &card)
{
    return CardFile::Append(path, card.toBytes());
}

void RegisterArchive::RewriteCard(const QString &path, int cardNumber, const VisitRecord &card)
{
    CardFile::Rewrite(path, cardNumber, card.toBytes());
}

std::optional<VisitRecord> RegisterArchive::RewriteCardIfUnchanged(const QString &path, int cardNumber,
                                                                   const VisitRecord &asLoaded, const VisitRecord &card)
{
    QByteArray now;
    const bool written = CardFile::RewriteIfUnchanged(
        path, cardNumber, [&](const QByteArray &stored) { return VisitRecord::fromBytes(stored) == asLoaded; },
        card.toBytes(), &now);
    if (written)
        return std::nullopt;
    return VisitRecord::fromBytes(now);
}

VisitRecord RegisterArchive::AsStored(const VisitRecord &card)
{
    return VisitRecord::fromBytes(card.toBytes());
}

int ShownCardNumber(const QString &position)
{
    bool ok = false;
    const int number = Trim(position).toInt(&ok);
    return ok && number > 0 ? number : 0;
}

ArrowStep StepOf(Arrow arrow, int count, int shown)
{
    ArrowStep step;
    // Back from the first card goes nowhere, whatever the archive holds.
    if (arrow == Arrow::Previous && shown == 1)
        return step;
    if (count == 0) {
        step.emptyArchive = true;
        step.clearPosition = arrow == Arrow::Next;
        return step;
    }
    switch (arrow) {
    case Arrow::First:
        step.showIndex = 0;
        break;
    case Arrow::Last:
        step.showIndex = count - 1;
        break;
    case Arrow::Next:
        if (shown == 0) {
            step.zeroPosition = true;
            step.showIndex = 0;
        } else if (shown < count) {
            step.showIndex = shown;
        }
        break;
    case Arrow::Previous:
        step.showIndex = shown == 0 ? 0 : shown - 2;
        break;
    }
    return step;
}
