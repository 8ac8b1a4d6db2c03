#pragma once
// One card of the gate register: one vehicle transit, entry and exit.
#include "core/storage/RecordLayout.h"

#include <QString>

struct VisitRecord {
    static constexpr int Size = 1366;

    QString DataEnt, OraEnt, OperatoreEnt, Veicolo, Targa, Conduttore, Persone, Merce,
        Foglio, Tessere, Luogo, TelCel, Note, DataUsc, OraUsc, OperatoreUsc;

    static VisitRecord fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;
    bool operator==(const VisitRecord &) const = default;
};

// The sixteen fields in file order.
inline constexpr std::array<FieldSpec<VisitRecord>, 16> VisitFields = {{
    {"DataEnt", 10, 0, &VisitRecord::DataEnt},
    {"OraEnt", 5, 11, &VisitRecord::OraEnt},
    {"OperatoreEnt", 50, 17, &VisitRecord::OperatoreEnt},
    {"Veicolo", 50, 68, &VisitRecord::Veicolo},
    {"Targa", 30, 119, &VisitRecord::Targa},
    {"Conduttore", 50, 150, &VisitRecord::Conduttore},
    {"Persone", 250, 201, &VisitRecord::Persone},
    {"Merce", 250, 452, &VisitRecord::Merce},
    {"Foglio", 50, 703, &VisitRecord::Foglio},
    {"Tessere", 120, 754, &VisitRecord::Tessere},
    {"Luogo", 120, 875, &VisitRecord::Luogo},
    {"TelCel", 50, 996, &VisitRecord::TelCel},
    {"Note", 250, 1047, &VisitRecord::Note},
    {"DataUsc", 10, 1298, &VisitRecord::DataUsc},
    {"OraUsc", 5, 1309, &VisitRecord::OraUsc},
    {"OperatoreUsc", 50, 1315, &VisitRecord::OperatoreUsc},
}};
static_assert(LayoutIsContiguous(VisitFields, VisitRecord::Size));

inline VisitRecord VisitRecord::fromBytes(const QByteArray &bytes)
{
    return DecodeRecord(bytes, VisitFields, Size);
}

inline QByteArray VisitRecord::toBytes() const
{
    return EncodeRecord(*this, VisitFields, Size);
}
