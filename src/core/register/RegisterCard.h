#pragma once
// The rules of the register card editor that need no window: the checks a
// card must pass before it is saved, and what each scrolling arrow does.
#include "core/register/VisitRecord.h"
#include "core/storage/IoError.h"

#include <QString>
#include <optional>

// Why a card cannot be saved: the message, whether it is a warning box (else
// a plain message with OK alone) and the field that gets the focus.
struct SaveRefusal {
    QString message;
    bool warning = false;
    QString field; // a field name of VisitFields
};

// The first check the card fails, in the order the operator is told about
// them; nothing when the card can be saved. The card's texts are trimmed.
std::optional<SaveRefusal> CheckCardForSave(const VisitRecord &card);

// The card number shown in the editor: a stored card's number (1 or more),
// or 0 for a new card (empty, or anything that is not a card number).
int ShownCardNumber(const QString &position);

// The register archive of a year, one action per call: each opens the
// archive (created when missing), does its work and closes it. Failures are
// raised as IoError (ArchiveBusy when another workstation holds the lock).
namespace RegisterArchive {
int Count(const QString &path);
// The card of number cardNumber (1-based); IoError when there is none.
VisitRecord ReadCard(const QString &path, int cardNumber);
// A new card appended under the archive's lock; returns its card number.
int AppendCard(const QString &path, const VisitRecord &card);
// Card cardNumber replaced in place under the archive's lock.
void RewriteCard(const QString &path, int cardNumber, const VisitRecord &card);
// Card cardNumber replaced by card only while it still holds asLoaded (the
// card as the editor loaded it): compared and written under the archive's
// lock. Nothing when written; else the card as it is now, and nothing is
// written, because another workstation changed it meanwhile.
std::optional<VisitRecord> RewriteCardIfUnchanged(const QString &path, int cardNumber, const VisitRecord &asLoaded,
                                                  const VisitRecord &card);
// The card as a read gives it back after it has been stored (trimmed, in the
// code page, cut to the capacities).
VisitRecord AsStored(const VisitRecord &card);
} // namespace RegisterArchive

enum class Arrow { First, Previous, Next, Last };

// What an arrow does on an archive of `count` cards while card `shown` is on
// screen (0 = a new card).
struct ArrowStep {
    int showIndex = -1;          // index of the card to show, or -1 for none
    bool emptyArchive = false;   // tell the operator the archive has no card
    bool clearPosition = false;  // empty the card number first
    bool zeroPosition = false;   // the card number becomes 0 before reading
};
ArrowStep StepOf(Arrow arrow, int count, int shown);
