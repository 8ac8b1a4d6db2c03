// The card editor model shared by the register and the fleet: the same
// table of behaviours run on both kinds of card.
#include "core/fleet/FleetArchive.h"
#include "core/fleet/VehicleRecord.h"
#include "core/register/VisitRecord.h"
#include "core/register/YearArchive.h"
#include "core/storage/CardEditorModel.h"

#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {
template <class Record>
Record Card(const QString &plate)
{
    Record card;
    card.Veicolo = QStringLiteral("  Furgone ");
    card.Targa = plate;
    return card;
}

template <class Record>
QString PathIn(const TempProgramFolder &dir);
template <>
QString PathIn<VisitRecord>(const TempProgramFolder &dir)
{
    return dir.path("2021.vis");
}
template <>
QString PathIn<VehicleRecord>(const TempProgramFolder &dir)
{
    return dir.path(FleetArchive::FileName);
}

template <class Record>
struct Editor {
    TempProgramFolder dir;
    CardEditorModel<Record> model;
    int asked = 0;
    Editor() { model.SetArchive(PathIn<Record>(dir)); }
    qint64 size() const { return QFileInfo(model.ArchivePath()).size(); }
    // Saves, answering the overwrite question with overwrite.
    SaveOutcome save(const Record &card, bool overwrite)
    {
        return model.Save(card, [&] {
            ++asked;
            return overwrite;
        });
    }
};

template <class Record>
void NewCardsAppendThenRewriteInPlace()
{
    Editor<Record> e;
    QCOMPARE(e.model.CardNumber(), std::nullopt);
    QCOMPARE(e.save(Card<Record>("AA"), false), SaveOutcome::Appended);
    QCOMPARE(e.model.CardNumber(), 1);
    // What the editor remembers is the card as a read gives it back.
    QCOMPARE(*e.model.Loaded(), e.model.Archive().Read(1));
    QCOMPARE(e.model.Loaded()->Veicolo, QStringLiteral("Furgone"));
    e.model.New();
    QCOMPARE(e.save(Card<Record>("BB"), false), SaveOutcome::Appended);
    QCOMPARE(e.model.CardNumber(), 2);

    QCOMPARE(e.model.Load(1).Targa, QStringLiteral("AA"));
    Record edited = *e.model.Loaded();
    edited.Targa = QStringLiteral("CC");
    QVERIFY(e.model.ChangedSinceLoaded(edited));
    QVERIFY(!e.model.ChangedSinceLoaded(*e.model.Loaded()));
    QCOMPARE(e.save(edited, false), SaveOutcome::Rewritten);
    QCOMPARE(e.size(), 2 * Record::Size);
    QCOMPARE(e.model.Archive().Read(1).Targa, QStringLiteral("CC"));
    QCOMPARE(e.model.Archive().Read(2).Targa, QStringLiteral("BB"));
    QCOMPARE(e.asked, 0);
}

// Another workstation rewrites the card between load and save: the operator
// is asked; No loads the card as it is now, Yes writes over it.
template <class Record>
void ChangedElsewhereAsksFirst(bool overwrite)
{
    Editor<Record> e;
    e.model.Archive().Append(Card<Record>("AA"));
    Record mine = e.model.Load(1);
    mine.Targa = QStringLiteral("MIA");
    Record theirs = Card<Record>("LORO");
    e.model.Archive().Rewrite(1, theirs);

    const SaveOutcome outcome = e.save(mine, overwrite);
    QCOMPARE(e.asked, 1);
    QCOMPARE(outcome, overwrite ? SaveOutcome::Rewritten : SaveOutcome::ReloadedAsNow);
    const QString stored = overwrite ? QStringLiteral("MIA") : QStringLiteral("LORO");
    QCOMPARE(e.model.Archive().Read(1).Targa, stored);
    QCOMPARE(e.model.Loaded()->Targa, stored);
    QCOMPARE(e.model.CardNumber(), 1);
    QCOMPARE(e.size(), Record::Size);
}

// A failed read or write leaves the editor as it was.
template <class Record>
void FailuresLeaveTheEditorAsItWas()
{
    Editor<Record> e;
    e.model.Archive().Append(Card<Record>("AA"));
    e.model.Load(1);
    QVERIFY_THROWS_EXCEPTION(IoError, e.model.Load(5));
    QCOMPARE(e.model.CardNumber(), 1);
    QCOMPARE(e.model.Loaded()->Targa, QStringLiteral("AA"));

    e.model.New();
    QVERIFY(QFile::remove(e.model.ArchivePath()));
    QVERIFY(QDir().mkdir(e.model.ArchivePath())); // a folder in the archive's place
    QVERIFY_THROWS_EXCEPTION(IoError, e.save(Card<Record>("BB"), false));
    QCOMPARE(e.model.CardNumber(), std::nullopt);
}

// The arrows count the archive as it is now and forget the card number
// before reading, so a failed read leaves a new card.
template <class Record>
void ArrowsStepThroughTheArchive()
{
    Editor<Record> e;
    for (const char *plate : {"A1", "A2", "A3"})
        e.model.Archive().Append(Card<Record>(QLatin1String(plate)));
    QCOMPARE(e.model.StepFor(Arrow::Next).showIndex, 0); // from a new card, the first
    e.model.Load(2);
    QCOMPARE(e.model.StepFor(Arrow::Next).showIndex, 2);
    QCOMPARE(e.model.StepFor(Arrow::Previous).showIndex, 0);
    e.model.Load(1);
    QCOMPARE(e.model.StepFor(Arrow::Previous).showIndex, -1);
    QCOMPARE(e.model.CardNumber(), 1);
    QCOMPARE(e.model.StepFor(Arrow::Last).showIndex, 2);
}
} // namespace

class TestCardEditor : public QObject
{
    Q_OBJECT

private slots:
    void cases_data()
    {
        QTest::addColumn<bool>("fleet");
        QTest::newRow("register card") << false;
        QTest::newRow("vehicle card") << true;
    }
    void cases()
    {
        QFETCH(bool, fleet);
        if (fleet) {
            NewCardsAppendThenRewriteInPlace<VehicleRecord>();
            ChangedElsewhereAsksFirst<VehicleRecord>(false);
            ChangedElsewhereAsksFirst<VehicleRecord>(true);
            FailuresLeaveTheEditorAsItWas<VehicleRecord>();
            ArrowsStepThroughTheArchive<VehicleRecord>();
        } else {
            NewCardsAppendThenRewriteInPlace<VisitRecord>();
            ChangedElsewhereAsksFirst<VisitRecord>(false);
            ChangedElsewhereAsksFirst<VisitRecord>(true);
            FailuresLeaveTheEditorAsItWas<VisitRecord>();
            ArrowsStepThroughTheArchive<VisitRecord>();
        }
    }
};

QTEST_MAIN(TestCardEditor)
#include "tst_cardeditor.moc"
