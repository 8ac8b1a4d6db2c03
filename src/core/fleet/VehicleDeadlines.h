#pragma once
// The deadlines of a fleet vehicle (insurance, periodic inspection, road tax,
// service, one more of the user's choice, and a note), the inspection date the
// program proposes, and the file that holds them.
//
// The deadlines live in "Scadenze_Automezzi.dat" beside the fleet archive, one
// fixed-size entry per card number (entry n - 1 belongs to card n; card
// numbers never change), so the fleet archive's own layout stays as it is.
// An entry is written under the fleet archive's lock, after comparing it with
// the entry as the dialog read it, so a change made meanwhile on another
// workstation is never lost unseen. An entry of zeros holds no deadlines; an
// entry whose check value or dates do not read back is damaged and reads as
// no deadlines.
#include "core/storage/RecordLayout.h"

#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <optional>

struct VehicleDeadlines {
    static constexpr int Size = 362;

    QString Assicurazione, Revisione, Bollo, Tagliando, AltraDescrizione, AltraData, Note;
    // Four hexadecimal digits of DeadlineChecksum; set by toBytes.
    QString Controllo;

    // True when no field holds anything (stored as an entry of zeros).
    bool IsEmpty() const;
    // The entry's bytes, its check value included.
    QByteArray toBytes() const;
    bool operator==(const VehicleDeadlines &other) const;
};

inline constexpr std::array<FieldSpec<VehicleDeadlines>, 8> DeadlineFields = {{
    {"Assicurazione", 10, 0, &VehicleDeadlines::Assicurazione},
    {"Revisione", 10, 11, &VehicleDeadlines::Revisione},
    {"Bollo", 10, 22, &VehicleDeadlines::Bollo},
    {"Tagliando", 10, 33, &VehicleDeadlines::Tagliando},
    {"AltraDescrizione", 50, 44, &VehicleDeadlines::AltraDescrizione},
    {"AltraData", 10, 95, &VehicleDeadlines::AltraData},
    {"Note", 250, 106, &VehicleDeadlines::Note},
    {"Controllo", 4, 357, &VehicleDeadlines::Controllo},
}};
static_assert(LayoutIsContiguous(DeadlineFields, VehicleDeadlines::Size));

// An entry as read: its deadlines, or none and damaged when its bytes do not
// read back as an entry.
struct DeadlineEntry {
    VehicleDeadlines deadlines;
    bool damaged = false;
};
DeadlineEntry DecodeDeadlines(const char *bytes);
// The check value of an entry's bytes: the CRC-16 of ISO 3309 (as qChecksum
// gives it) of what its fields before the check value hold, each field's
// length byte and text in field order (bytes past a field's length do not
// count).
quint16 DeadlineChecksum(const char *entry);

// The five dated deadlines of a vehicle, in the dialog's order.
enum class DeadlineKind { Insurance, Inspection, RoadTax, Service, Other };
inline constexpr int DeadlineKinds = 5;
// "Assicurazione", "Revisione", "Bollo", "Tagliando", and for the free row its
// description ("Altra scadenza" when it has none).
QString DeadlineKindText(DeadlineKind kind, const QString &otherDescription = {});

// The date of dd/mm/yyyy, or an invalid date.
QDate DateOfText(const QString &text);
// A registration date as the vehicle card holds it: dd/mm/yyyy, or mm/yyyy
// read as the first of that month; any other text gives an invalid date.
QDate RegistrationDate(const QString &text);

// True when the vehicle is inspected every year: a bus; a lorry, trailer or
// tractor whose maximum weight (comma or dot for decimals) is over 3.5
// tonnes; a vehicle used as taxi, hired with driver or ambulance.
bool InspectedEveryYear(const QString &vehicleType, const QString &maxWeightTonnes, const QString &use);
// The next periodic inspection due: the first inspection four years after
// registration, then every two years (every year, the first one year after
// registration, when InspectedEveryYear); each due on the last day of its
// month; the first of them not before today. Invalid when the registration
// (or today) is not a valid date.
QDate NextInspectionDue(const QString &vehicleType, const QString &maxWeightTonnes, const QString &use,
                        const QDate &registration, const QDate &today);

// Why the deadlines cannot be saved (a date that does not exist): the message
// and the field (a name of DeadlineFields) that gets the focus.
struct DeadlineRefusal {
    QString message;
    QString field;
};
std::optional<DeadlineRefusal> CheckDeadlinesForSave(const VehicleDeadlines &deadlines);

namespace DeadlineFile {
inline constexpr const char *FileName = "Scadenze_Automezzi.dat";
// The deadlines file beside the fleet archive at fleetPath.
QString PathFor(const QString &fleetPath);

// The entry of card cardNumber; a missing file or entry holds no deadlines.
// IoError when the file cannot be read.
DeadlineEntry Read(const QString &fleetPath, int cardNumber);

// Writes the deadlines of card cardNumber under the fleet archive's lock,
// while its entry still holds expected (nullopt: write whatever it holds; a
// damaged entry counts as no deadlines). Nothing when written; else what the
// entry holds now, and nothing is written. The file is created on first use;
// the card must be stored in the fleet archive. IoError (ArchiveBusy) on
// failure, with the file as it was.
std::optional<VehicleDeadlines> StoreIfUnchanged(const QString &fleetPath, int cardNumber,
                                                 const std::optional<VehicleDeadlines> &expected,
                                                 const VehicleDeadlines &deadlines);

// Every entry of the file in one walk, in card order: visit(cardNumber,
// entry bytes) for each entry that is not all zeros. Returns nothing for a
// missing file; IoError on failure.
void ForEachEntry(const QString &fleetPath, const std::function<void(int cardNumber, const char *entry)> &visit);
} // namespace DeadlineFile

// The deadlines dialog's side of the file: the entry as loaded, and a save
// that asks before writing over another workstation's change.
class DeadlineEditorModel
{
public:
    DeadlineEditorModel(QString fleetPath, int cardNumber);
    // Reads the entry and remembers it; IoError leaves the model as it was.
    DeadlineEntry Load();
    enum class Outcome { Written, ReloadedAsNow };
    // Writes the deadlines. When another workstation changed them since they
    // were loaded, askOverwrite decides: true writes over them (asked again
    // should they change once more), false loads them as they are now.
    Outcome Save(const VehicleDeadlines &deadlines, const std::function<bool()> &askOverwrite);
    const VehicleDeadlines &Loaded() const { return m_loaded; }

private:
    QString m_fleetPath;
    int m_cardNumber;
    VehicleDeadlines m_loaded;
};
