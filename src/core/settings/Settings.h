#pragma once
// The program's settings: "Impostazioni.ini" in the program folder, an INI
// text file (section "Impostazioni", one whole number per key) shared by
// every workstation. Each setting is a row of one table, shown by the
// settings window in order; a feature that needs a setting adds its row.
#include <QList>
#include <QMap>
#include <QString>

namespace Settings {
inline constexpr const char *FileName = "Impostazioni.ini";
QString Path();

// The longest a vehicle may stay inside, in hours; 0 = no limit.
inline constexpr const char *MaxHoursInside = "PermanenzaMassimaOre";
// Days before a fleet deadline from which the start menu reminds of it.
inline constexpr const char *DeadlineNoticeDays = "PreavvisoScadenzeGiorni";

struct Row {
    const char *key; // the key in section "Impostazioni"
    QString label;   // the caption in the settings window
    int defaultValue;
    int minimum;
    int maximum;
};
// Every setting, in the order the settings window shows them.
const QList<Row> &Rows();

// The stored value of key, or its row's default when the file, the key or a
// whole number within the row's range is missing (a damaged file included).
int Value(const char *key);
// Stores the values (key -> value) under the settings' lock, each read back
// into the file as it is now, so a change another workstation made to any
// other key is kept. IoError when the file cannot be written; a file that
// fails part-way is never left half-written.
void Store(const QMap<QString, int> &values);
} // namespace Settings
