#pragma once
// An archive of fixed-size cards of one kind (a year of the gate register,
// the company fleet), card numbers 1-based. Each call is one action: it opens
// the archive (created when missing for a write), does its work and closes it.
// Failures are raised as IoError (ArchiveBusy when another workstation holds
// the lock of a write).
#include "core/storage/RecordFile.h"

#include <QString>
#include <optional>
#include <utility>

template <class Record>
class CardArchive
{
public:
    CardArchive() = default;
    explicit CardArchive(QString path)
        : m_path(std::move(path))
    {
    }

    const QString &Path() const { return m_path; }
    int Count() const { return CardFile::Count(m_path, Record::Size); }
    // The card of number cardNumber; IoError when there is none.
    Record Read(int cardNumber) const { return Record::fromBytes(CardFile::Read(m_path, Record::Size, cardNumber)); }
    // A new card appended under the archive's lock; returns its card number.
    int Append(const Record &card) const { return CardFile::Append(m_path, card.toBytes()); }
    // Card cardNumber replaced in place under the archive's lock.
    void Rewrite(int cardNumber, const Record &card) const { CardFile::Rewrite(m_path, cardNumber, card.toBytes()); }
    // Card cardNumber replaced by card only while it still holds asLoaded (the
    // card as the editor loaded it): compared and written under the archive's
    // lock. Nothing when written; else the card as it is now, and nothing is
    // written, because another workstation changed it meanwhile.
    std::optional<Record> RewriteIfUnchanged(int cardNumber, const Record &asLoaded, const Record &card) const
    {
        QByteArray now;
        const bool written = CardFile::RewriteIfUnchanged(
            m_path, cardNumber, [&](const QByteArray &stored) { return Record::fromBytes(stored) == asLoaded; },
            card.toBytes(), &now);
        if (written)
            return std::nullopt;
        return Record::fromBytes(now);
    }
    // Opens for reading (creating when missing, where the folder allows) and
    // closes the archive: proves it can be reached.
    void Reach() const
    {
        RecordFile archive(m_path, Record::Size, RecordFile::Access::Read);
        archive.close();
    }
    // The card as a read gives it back after it has been stored (trimmed, in
    // the code page, cut to the capacities).
    static Record AsStored(const Record &card) { return Record::fromBytes(card.toBytes()); }

private:
    QString m_path;
};
