#pragma once
// The documents attached to vehicle cards: one flat folder
// "Documenti_Allegati" in the program folder, shared by every vehicle; a
// card keeps only the bare names of its (up to three) documents.
#include <QString>
#include <array>

// The three slots of a card: file names and their descriptions.
struct VehicleAttachments {
    std::array<QString, 3> files;
    std::array<QString, 3> descriptions;
};

// "<program folder>Documenti_Allegati/", with its trailing separator.
QString AttachmentsFolder();
// Where the attached document of that bare name lies.
QString AttachmentPath(const QString &name);

// True when source is the very file of that name in the attachments folder
// (chosen from the folder itself): there is nothing to copy.
bool IsTheAttachedCopy(const QString &source, const QString &name);

// Copies source into the attachments folder under name (creating the folder
// and its missing parents), replacing a document of that name only once the
// whole copy is written: a copy that fails leaves the previous document whole.
// Failures (folder not creatable, source unreadable, destination locked) are
// raised as IoError.
void CopyIntoAttachments(const QString &source, const QString &name);
