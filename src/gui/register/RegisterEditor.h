#pragma once
// What the other windows hand to the register card editor: the year menu the
// archive of a year, the lists and searches a stored card, the fleet search a
// company vehicle. Reached through Navigator::As<RegisterEditor>(ScreenId::Register).
#include <QString>

class RegisterEditor
{
public:
    virtual ~RegisterEditor() = default;
    // The archive of the year (four digits) becomes the editor's archive.
    virtual void OpenYear(const QString &year) = 0;
    // The card number cardNumber (1-based) of the archive is loaded into the
    // editor's fields and lblPosizione. False, with the editor as it was and
    // the failure told to the user, when the card cannot be read.
    virtual bool LoadCard(const QString &archivePath, int cardNumber) = 0;
    // The archive the editor works on (its hidden lblFile).
    virtual QString ArchivePath() const = 0;
    // A company vehicle picked in the fleet search: make and model, plate,
    // driver and telephone go into the card on screen; nothing else changes
    // (a stored card stays stored, a new one new).
    virtual void ImportVehicle(const QString &vehicle, const QString &plate, const QString &driver,
                               const QString &telephone) = 0;
};
