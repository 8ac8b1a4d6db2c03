#pragma once
// The documents attached to vehicle cards: one flat folder
// "Documenti_Allegati" in the program folder, shared by every vehicle; a
// card keeps only the bare names of its (up to three) documents.
#include "core/storage/IoError.h"

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

// True when source is there but is no ordinary file: a folder, a device
// (such as /dev/zero) or a pipe, whose reading would never end or give
// nothing. Only ordinary files are attached.
bool IsSpecialFile(const QString &source);

// The name a document of that file name is attached under: the name itself
// (trimmed) when a card's file field holds it exactly, else one it holds:
// each character the field's code page lacks becomes a similar letter
// (Cyrillic and Greek letters spelt in Latin ones) or "_", a name made of
// nothing else becomes "allegato", and a name longer than the field is cut
// before its extension. The extension is kept.
QString AttachmentNameFor(const QString &fileName);
// True when the name is stored in a card's file field exactly as it is.
bool CardHoldsAttachmentName(const QString &name);
// name when no document of that name is in the attachments folder, else the
// first of "<name>_2.<ext>", "<name>_3.<ext>", ... that is free, each one a
// name the card holds.
QString FreeAttachmentName(const QString &name);

// The source is not an ordinary file; nothing was copied.
class NotAnOrdinaryFile : public IoError
{
public:
    using IoError::IoError;
};

// Copies source into the attachments folder under name (creating the folder
// and its missing parents), replacing a document of that name only once the
// whole copy is written: a copy that fails leaves the previous document whole.
// Failures (folder not creatable, source unreadable, destination locked) are
// raised as IoError; NotAnOrdinaryFile when the source is not an ordinary
// file, DiskFull when the copy finds no space.
void CopyIntoAttachments(const QString &source, const QString &name);
