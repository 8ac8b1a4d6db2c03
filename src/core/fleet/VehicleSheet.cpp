#include "core/fleet/VehicleSheet.h"

#include "core/storage/TextRules.h"

QList<SheetRow> VehicleSheetRows(const VehicleRecord &c)
{
    auto row = [](const char *label, const QString &value) { return SheetRow{QString::fromUtf8(label), value}; };
    // Both separators are printed even around empty values.
    return {
        row("Tipo veicolo:", Trim(c.Veicolo)),
        row("Marca e modello:", Trim(c.Marca) + QLatin1Char(' ') + Trim(c.Modello)),
        row("Colore:", Trim(c.Colore)),
        row("Alimentazione:", Trim(c.Alimentazione)),
        row("Targa:", Trim(c.Targa)),
        row("Impianti e accessori:", Trim(c.Impianti)),
        row("Telaio:", Trim(c.Telaio)),
        row("Data immatricolazione:", Trim(c.Immatricolazione)),
        row("Cilindrata:", Trim(c.Cilindrata)),
        row("Cavalli fiscali / kW:", Trim(c.Cavalli)),
        row("Data acquisto:", Trim(c.DataAcq) + QStringLiteral("  -  Prezzo: ") + Trim(c.PrezzoAcq)),
        row("Apparato Telepass:", Trim(c.Telepass)),
        row("Numero posti:", Trim(c.Posti)),
        row("Tessera Viacard:", Trim(c.Viacard)),
        row("Km al litro:", Trim(c.Litro)),
        row("Pneumatici:", Trim(c.Pneumatici)),
        row("Compatibilità ambientale:", Trim(c.Ambientale)),
        row("Compagnia assicurazione:", Trim(c.Compagnia)),
        row("Incidenti subiti:", Trim(c.Incidenti)),
        row("Stato veicolo:", Trim(c.Stato)),
        row("Proprietario o conducente:", Trim(c.Conducente)),
        row("Codice fiscale:", Trim(c.CodFisc)),
        row("Tel. preferenziale:", Trim(c.Recapito)),
        row("Note:", Trim(c.Note)),
    };
}

QString VehicleSheetFooter(const QDateTime &printedAt)
{
    return QStringLiteral("Stampa eseguita in data ") + DateText(printedAt.date()) + QStringLiteral(" alle ore ")
        + printedAt.time().toString(QStringLiteral("hh:mm:ss"));
}
