#pragma once
// What a card editor does to its archive, whatever the kind of card: the
// card on screen is new or a stored card with its number; a save appends a
// new card or rewrites a stored one, and never overwrites unseen what another
// workstation changed since the card was loaded; the arrows move through the
// archive. The windows only bind fields to controls and tell the user.
#include "core/storage/CardArchive.h"

#include <functional>
#include <optional>

// Why a card cannot be saved: the message, whether it is a warning box (else
// a plain message with OK alone) and the field that gets the focus.
struct SaveRefusal {
    QString message;
    bool warning = false;
    QString field; // the name of a field of the record's layout
};

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

enum class SaveOutcome {
    Appended,      // a new card went to the end of the archive
    Rewritten,     // the stored card was replaced in place
    ReloadedAsNow, // another workstation changed it; the card as it is now was loaded instead
};

template <class Record>
class CardEditorModel
{
public:
    // The archive the editor works on; the editor holds a new card.
    void SetArchive(const QString &path)
    {
        m_archive = CardArchive<Record>(path);
        New();
    }
    const CardArchive<Record> &Archive() const { return m_archive; }
    const QString &ArchivePath() const { return m_archive.Path(); }

    // The stored card on screen, or nothing for a new card.
    std::optional<int> CardNumber() const { return m_number; }
    // The stored card as it was read or last saved.
    const std::optional<Record> &Loaded() const { return m_loaded; }
    // True when the card on screen differs from the card as loaded (for a
    // new card: from `blank`, the card the editor starts from).
    bool ChangedSinceLoaded(const Record &onScreen, const Record &blank = Record()) const
    {
        return onScreen != (m_loaded ? *m_loaded : blank);
    }

    void New()
    {
        m_number.reset();
        m_loaded.reset();
    }
    // Reads card cardNumber and makes it the card on screen; IoError leaves
    // the editor as it was.
    Record Load(int cardNumber)
    {
        Record card = m_archive.Read(cardNumber);
        Remember(cardNumber, card);
        return card;
    }

    // Saves the card on screen: appended when new, else rewritten in place.
    // When another workstation changed the stored card since it was loaded,
    // askOverwrite decides: true writes over what is stored now (asked again
    // should it change once more), false loads the card as it is now (read
    // again: the answer may have taken a while). IoError leaves the editor
    // as it was.
    SaveOutcome Save(const Record &card, const std::function<bool()> &askOverwrite)
    {
        if (!m_number) {
            const int number = m_archive.Append(card);
            Remember(number, CardArchive<Record>::AsStored(card));
            return SaveOutcome::Appended;
        }
        const int number = *m_number;
        if (!m_loaded) {
            // Not read by this editor: nothing to compare with.
            m_archive.Rewrite(number, card);
        } else {
            Record expected = *m_loaded;
            while (const std::optional<Record> now = m_archive.RewriteIfUnchanged(number, expected, card)) {
                if (!askOverwrite()) {
                    Load(number);
                    return SaveOutcome::ReloadedAsNow;
                }
                expected = *now;
            }
        }
        Remember(number, CardArchive<Record>::AsStored(card));
        return SaveOutcome::Rewritten;
    }

    // The step an arrow takes from the card on screen; the card number is
    // forgotten when the step says so (a failed read then leaves a new card).
    ArrowStep StepFor(Arrow arrow)
    {
        const ArrowStep step = StepOf(arrow, m_archive.Count(), m_number.value_or(0));
        if (step.clearPosition || step.zeroPosition)
            New();
        return step;
    }

private:
    void Remember(int number, const Record &card)
    {
        m_number = number;
        m_loaded = card;
    }

    CardArchive<Record> m_archive;
    std::optional<int> m_number;
    std::optional<Record> m_loaded;
};
