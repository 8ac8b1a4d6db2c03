#pragma once
// The searches of both archives: up to ten criteria, each a text typed for one
// field, tested on the records' stored bytes (nothing is decoded). A criterion
// counts when its text, trimmed, is not empty; it is then looked for as typed
// (a trailing blank included) in the trimmed field, A-Z and a-z alike.
#include "core/storage/ArchiveScan.h"
#include "core/storage/RecordLayout.h"
#include "core/storage/TextRules.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

// A counted criterion ready to test: where its field lies in a record, and the
// text with A-Z lowered in the code page. A text with a character the code
// page lacks occurs in no record.
struct FieldNeedle {
    int offset = 0;
    int capacity = 0;
    QByteArray bytes;
    bool impossible = false;
};

// The criteria whose trimmed text is not empty.
int CountCriteriaTexts(const QString (&texts)[10]);

FieldNeedle MakeFieldNeedle(int offset, int capacity, const QString &typed);

// The needles of the counted criteria; texts[i] is typed for the field named
// names[i].
template <class Record, std::size_t N>
QList<FieldNeedle> FieldNeedles(const std::array<FieldSpec<Record>, N> &fields, const char *const (&names)[10],
                                const QString (&texts)[10])
{
    QList<FieldNeedle> needles;
    for (int i = 0; i < 10; ++i) {
        if (Trim(texts[i]).isEmpty())
            continue;
        const FieldSpec<Record> &field = FieldNamed(fields, names[i]);
        needles.append(MakeFieldNeedle(field.offset, field.capacity, texts[i]));
    }
    return needles;
}

// True when every needle occurs in its field; with no needle every record
// matches.
bool RecordMatches(const char *record, const QList<FieldNeedle> &needles);
