#pragma once
// One card of the company fleet: a vehicle with its data and up to three
// attached documents.
#include "core/storage/RecordLayout.h"

#include <QString>

struct VehicleRecord {
    static constexpr int Size = 3635;

    QString Veicolo, Marca, Modello, Colore, Alimentazione, Targa, Impianti, Telaio,
        Immatricolazione, Cilindrata, Cavalli, DataAcq, PrezzoAcq, Telepass, Posti, Peso,
        Viacard, Litro, Uso, Pneumatici, Assi, Ambientale, Officina, Compagnia, Incidenti,
        Stato, Conducente, CodFisc, Recapito, Disponibile, Note, File01, File02, File03,
        Desc01, Desc02, Desc03;

    static VehicleRecord fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;
    bool operator==(const VehicleRecord &) const = default;
};

// The 37 fields in file order: availability stands between Recapito and Note,
// and the three file names come before the three descriptions.
inline constexpr std::array<FieldSpec<VehicleRecord>, 37> VehicleFields = {{
    {"Veicolo", 50, 0, &VehicleRecord::Veicolo},
    {"Marca", 50, 51, &VehicleRecord::Marca},
    {"Modello", 50, 102, &VehicleRecord::Modello},
    {"Colore", 50, 153, &VehicleRecord::Colore},
    {"Alimentazione", 50, 204, &VehicleRecord::Alimentazione},
    {"Targa", 30, 255, &VehicleRecord::Targa},
    {"Impianti", 250, 286, &VehicleRecord::Impianti},
    {"Telaio", 50, 537, &VehicleRecord::Telaio},
    {"Immatricolazione", 30, 588, &VehicleRecord::Immatricolazione},
    {"Cilindrata", 30, 619, &VehicleRecord::Cilindrata},
    {"Cavalli", 30, 650, &VehicleRecord::Cavalli},
    {"DataAcq", 30, 681, &VehicleRecord::DataAcq},
    {"PrezzoAcq", 30, 712, &VehicleRecord::PrezzoAcq},
    {"Telepass", 50, 743, &VehicleRecord::Telepass},
    {"Posti", 30, 794, &VehicleRecord::Posti},
    {"Peso", 30, 825, &VehicleRecord::Peso},
    {"Viacard", 50, 856, &VehicleRecord::Viacard},
    {"Litro", 30, 907, &VehicleRecord::Litro},
    {"Uso", 50, 938, &VehicleRecord::Uso},
    {"Pneumatici", 120, 989, &VehicleRecord::Pneumatici},
    {"Assi", 30, 1110, &VehicleRecord::Assi},
    {"Ambientale", 30, 1141, &VehicleRecord::Ambientale},
    {"Officina", 250, 1172, &VehicleRecord::Officina},
    {"Compagnia", 50, 1423, &VehicleRecord::Compagnia},
    {"Incidenti", 250, 1474, &VehicleRecord::Incidenti},
    {"Stato", 30, 1725, &VehicleRecord::Stato},
    {"Conducente", 50, 1756, &VehicleRecord::Conducente},
    {"CodFisc", 16, 1807, &VehicleRecord::CodFisc},
    {"Recapito", 50, 1824, &VehicleRecord::Recapito},
    {"Disponibile", 2, 1875, &VehicleRecord::Disponibile},
    {"Note", 250, 1878, &VehicleRecord::Note},
    {"File01", 250, 2129, &VehicleRecord::File01},
    {"File02", 250, 2380, &VehicleRecord::File02},
    {"File03", 250, 2631, &VehicleRecord::File03},
    {"Desc01", 250, 2882, &VehicleRecord::Desc01},
    {"Desc02", 250, 3133, &VehicleRecord::Desc02},
    {"Desc03", 250, 3384, &VehicleRecord::Desc03},
}};
static_assert(LayoutIsContiguous(VehicleFields, VehicleRecord::Size));

inline VehicleRecord VehicleRecord::fromBytes(const QByteArray &bytes)
{
    return DecodeRecord(bytes, VehicleFields, Size);
}

inline QByteArray VehicleRecord::toBytes() const
{
    return EncodeRecord(*this, VehicleFields, Size);
}
