// The deadlines of fleet vehicles without windows: the proposed inspection
// date, the deadlines file (written under the fleet's lock, compared before
// it is overwritten, never half-written, damaged entries read as none), the
// start menu's counts, the list of deadlines due and the marks on the
// available vehicles.
#include "varcanto_core.h"
#include "core/storage/FileWrites.h"

#include "TestFolder.h"

#include <QFile>
#include <QTest>

namespace {
VehicleRecord Vehicle(int k)
{
    VehicleRecord v;
    v.Veicolo = QStringLiteral("Autovettura");
    v.Marca = QStringLiteral("Fiat");
    v.Modello = QStringLiteral("Panda %1").arg(k);
    v.Targa = QStringLiteral("AB%1CD").arg(k, 3, 10, QLatin1Char('0'));
    v.Conducente = QStringLiteral("Conducente %1").arg(k);
    v.Disponibile = AvailableYes;
    return v;
}

VehicleDeadlines Deadlines(const QString &insurance, const QString &inspection = {}, const QString &other = {},
                           const QString &otherDate = {})
{
    VehicleDeadlines d;
    d.Assicurazione = insurance;
    d.Revisione = inspection;
    d.AltraDescrizione = other;
    d.AltraData = otherDate;
    return d;
}

const QDate Today(2025, 6, 15);
} // namespace

class TestVehicleDeadlines : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> dir;
    QString fleet() const { return FleetArchive::Path(); }
    QString file() const { return DeadlineFile::PathFor(fleet()); }
    void makeFleet(int cards)
    {
        for (int k = 1; k <= cards; ++k)
            FleetArchive::AppendCard(Vehicle(k));
    }
    void store(int card, const VehicleDeadlines &d)
    {
        QVERIFY(!DeadlineFile::StoreIfUnchanged(fleet(), card, std::nullopt, d));
    }

private slots:
    void init() { dir = std::make_unique<TempProgramFolder>(); }
    void cleanup()
    {
        WriteFaults::Clear();
        dir.reset();
    }

    void nextInspectionDue_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("use");
        QTest::addColumn<QString>("registration");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("due");
        // Four years, then every two, on the last day of the month.
        QTest::newRow("car, first passed") << "Autovettura" << "" << "" << "15/03/2020" << Today << "31/03/2026";
        QTest::newRow("car, due this month") << "Autovettura" << "" << "" << "10/06/2021" << Today << "30/06/2025";
        QTest::newRow("car, due today") << "Autovettura" << "" << "" << "10/06/2021" << QDate(2025, 6, 30) << "30/06/2025";
        QTest::newRow("car, day after due") << "Autovettura" << "" << "" << "10/06/2021" << QDate(2025, 7, 1) << "30/06/2027";
        QTest::newRow("car, registered later") << "Autovettura" << "" << "" << "10/10/2025" << Today << "31/10/2029";
        QTest::newRow("motorcycle, 29 February") << "Motociclo" << "" << "" << "29/02/2020" << Today << "28/02/2026";
        QTest::newRow("car, 29 February in a leap year") << "Autovettura" << "" << "" << "29/02/2024" << Today << "29/02/2028";
        QTest::newRow("car, month end") << "Autovettura" << "" << "" << "31/08/2021" << Today << "31/08/2025";
        QTest::newRow("car, mm/yyyy") << "Autovettura" << "" << "" << "06/2021" << Today << "30/06/2025";
        // Every year, the first one year after registration.
        QTest::newRow("heavy lorry, comma") << "Autocarro" << "7,5" << "" << "05/08/2023" << Today << "31/08/2025";
        QTest::newRow("heavy lorry, dot and unit") << "AUTOCARRO" << "3.6 t" << "" << "05/08/2023" << Today << "31/08/2025";
        QTest::newRow("light lorry") << "Autocarro" << "3,5" << "" << "05/08/2023" << Today << "31/08/2027";
        QTest::newRow("trailer, no weight") << "Rimorchio" << "" << "" << "05/08/2023" << Today << "31/08/2027";
        QTest::newRow("heavy tractor") << "Trattore stradale" << "18" << "" << "05/08/2023" << Today << "31/08/2025";
        QTest::newRow("bus") << "Autobus" << "" << "" << "12/12/2024" << Today << "31/12/2025";
        QTest::newRow("taxi") << "Autovettura" << "" << "Servizio TAXI" << "01/05/2023" << Today << "31/05/2026";
        QTest::newRow("hired with driver") << "Autovettura" << "" << "Noleggio con conducente" << "03/11/2024" << Today
                                           << "30/11/2025";
        QTest::newRow("ambulance") << "Autoveicolo speciale" << "" << "ambulanza" << "03/11/2024" << Today << "30/11/2025";
        QTest::newRow("hired without driver") << "Autovettura" << "" << "Noleggio senza conducente" << "03/11/2024"
                                              << Today << "30/11/2028";
        // No registration date, no proposal.
        QTest::newRow("31 April") << "Autovettura" << "" << "" << "31/04/2021" << Today << "";
        QTest::newRow("29 February, not leap") << "Autovettura" << "" << "" << "29/02/2023" << Today << "";
        QTest::newRow("month 13") << "Autovettura" << "" << "" << "13/2021" << Today << "";
        QTest::newRow("year only") << "Autovettura" << "" << "" << "2021" << Today << "";
        QTest::newRow("empty") << "Autovettura" << "" << "" << "" << Today << "";
    }
    void nextInspectionDue()
    {
        QFETCH(QString, type);
        QFETCH(QString, weight);
        QFETCH(QString, use);
        QFETCH(QString, registration);
        QFETCH(QDate, today);
        QFETCH(QString, due);
        const QDate next = NextInspectionDue(type, weight, use, RegistrationDate(registration), today);
        QCOMPARE(next.isValid() ? DateText(next) : QString(), due);
    }

    // Saved, read back, and a second workstation's change is never written
    // over unseen; cards without deadlines before the first written one
    // read as none.
    void storedEntriesComeBackAndChangesAreCompared()
    {
        makeFleet(3);
        DeadlineEditorModel mine(fleet(), 3);
        QVERIFY(!mine.Load().damaged);
        QVERIFY(!QFile::exists(file()));

        VehicleDeadlines d = Deadlines(QStringLiteral("31/12/2025"), QStringLiteral(" 30/06/2026 "),
                                       QStringLiteral("Estintore"), QStringLiteral("01/09/2025"));
        d.Note = QStringLiteral("Polizza n. 42 è rinnovata");
        QCOMPARE(mine.Save(d, [] { return false; }), DeadlineEditorModel::Outcome::Written);
        QCOMPARE(QFileInfo(file()).size(), 3 * VehicleDeadlines::Size);
        QCOMPARE(DeadlineFile::Read(fleet(), 1).deadlines, VehicleDeadlines());
        QCOMPARE(DeadlineFile::Read(fleet(), 3).deadlines.Revisione, QStringLiteral("30/06/2026"));
        QCOMPARE(DeadlineFile::Read(fleet(), 3).deadlines.Note, d.Note);

        // Another workstation changes the insurance meanwhile.
        DeadlineEditorModel theirs(fleet(), 3);
        VehicleDeadlines changed = theirs.Load().deadlines;
        changed.Assicurazione = QStringLiteral("31/01/2026");
        QCOMPARE(theirs.Save(changed, [] { return false; }), DeadlineEditorModel::Outcome::Written);

        VehicleDeadlines mineNow = d;
        mineNow.Bollo = QStringLiteral("28/02/2026");
        int asked = 0;
        QCOMPARE(mine.Save(mineNow, [&] { ++asked; return false; }), DeadlineEditorModel::Outcome::ReloadedAsNow);
        QCOMPARE(asked, 1);
        QCOMPARE(mine.Loaded().Assicurazione, QStringLiteral("31/01/2026"));
        QCOMPARE(DeadlineFile::Read(fleet(), 3).deadlines.Bollo, QString());

        QCOMPARE(theirs.Save(d, [&] { ++asked; return true; }), DeadlineEditorModel::Outcome::Written);
        QCOMPARE(asked, 1); // theirs loaded what it last wrote: nothing to ask
        QCOMPARE(mine.Save(mineNow, [&] { ++asked; return true; }), DeadlineEditorModel::Outcome::Written);
        QCOMPARE(asked, 2);
        QCOMPARE(DeadlineFile::Read(fleet(), 3).deadlines.Assicurazione, QStringLiteral("31/12/2025"));
        QCOMPARE(DeadlineFile::Read(fleet(), 3).deadlines.Bollo, QStringLiteral("28/02/2026"));

        // Emptied deadlines are stored as an entry of zeros.
        QCOMPARE(mine.Save(VehicleDeadlines(), [] { return true; }), DeadlineEditorModel::Outcome::Written);
        QCOMPARE(dir->bytes(DeadlineFile::FileName).mid(2 * VehicleDeadlines::Size), QByteArray(VehicleDeadlines::Size, '\0'));
    }

    // The write holds the fleet archive's lock; it fails before writing
    // when the card is not in the archive, when another workstation keeps
    // the lock, or part-way, and the file is then as it was.
    void failedWritesLeaveTheFileAsItWas()
    {
        VehicleDeadlines d = Deadlines(QStringLiteral("31/12/2025"));
        QVERIFY_THROWS_EXCEPTION(IoError, DeadlineFile::StoreIfUnchanged(fleet(), 1, std::nullopt, d));
        QVERIFY(!QFile::exists(file()));
        makeFleet(2);
        QVERIFY_THROWS_EXCEPTION(IoError, DeadlineFile::StoreIfUnchanged(fleet(), 3, std::nullopt, d));
        QVERIFY(!QFile::exists(file()));
        store(1, d);
        const QByteArray before = dir->bytes(DeadlineFile::FileName);

        {
            ShortLockWait wait(std::chrono::milliseconds(300));
            LockHeldElsewhere other(fleet());
            QVERIFY(other.holding());
            QVERIFY_THROWS_EXCEPTION(ArchiveBusy, DeadlineFile::StoreIfUnchanged(fleet(), 2, std::nullopt, d));
        }
        QCOMPARE(dir->bytes(DeadlineFile::FileName), before);

        WriteFaults::FailWrite(1, 100);
        QVERIFY_THROWS_EXCEPTION(IoError, DeadlineFile::StoreIfUnchanged(fleet(), 1, std::nullopt, Deadlines(QStringLiteral("01/01/2026"))));
        QCOMPARE(dir->bytes(DeadlineFile::FileName), before);
    }

    // A damaged entry reads as no deadlines and is counted; its neighbours
    // and an incomplete tail do not suffer.
    void damagedEntriesReadAsNone()
    {
        makeFleet(3);
        store(1, Deadlines(QStringLiteral("01/01/2025")));
        store(2, Deadlines(QStringLiteral("02/01/2025")));
        store(3, Deadlines(QStringLiteral("03/01/2025")));
        QByteArray bytes = dir->bytes(DeadlineFile::FileName);
        bytes[VehicleDeadlines::Size + 1] = '9'; // card 2: 92/01/2025, check value no longer fits
        bytes[2 * VehicleDeadlines::Size + 358] = 'Z'; // card 3: its check value
        bytes[200] = 'x'; // card 1: room of the note past its length, not significant
        bytes += "tail";
        dir->write(DeadlineFile::FileName, bytes);

        QVERIFY(!DeadlineFile::Read(fleet(), 1).damaged);
        // The check value is the standard CRC-16 of what the fields hold.
        QCOMPARE(DeadlineChecksum(bytes.constData()),
                 qChecksum(QByteArray(bytes.constData(), 12) + QByteArray(5, '\0'))); // the insurance, six empty fields
        const DeadlineEntry second = DeadlineFile::Read(fleet(), 2);
        QVERIFY(second.damaged);
        QCOMPARE(second.deadlines, VehicleDeadlines());
        QVERIFY(DeadlineFile::Read(fleet(), 3).damaged);
        const DeadlineCounts counts = CountDeadlines(fleet(), Today, 30);
        QCOMPARE(counts.expired, 1);
        QCOMPARE(counts.damaged, 2);

        // Saving over a damaged entry mends it.
        DeadlineEditorModel model(fleet(), 2);
        QVERIFY(model.Load().damaged);
        QCOMPARE(model.Save(Deadlines(QStringLiteral("02/01/2025")), [] { return false; }),
                 DeadlineEditorModel::Outcome::Written);
        QCOMPARE(CountDeadlines(fleet(), Today, 30).damaged, 1);
    }

    void checksRefuseDatesThatDoNotExist()
    {
        QVERIFY(!CheckDeadlinesForSave(Deadlines(QStringLiteral("29/02/2024"), QString(), QString(), QStringLiteral(" 01/01/2030"))));
        const auto refusal = CheckDeadlinesForSave(Deadlines(QStringLiteral("31/12/2025"), QStringLiteral("31/04/2026")));
        QVERIFY(refusal);
        QCOMPARE(refusal->field, QStringLiteral("Revisione"));
        QCOMPARE(refusal->message,
                 QStringLiteral("Attenzione: la data della revisione 31/04/2026 non esiste.\n\r\n\rPer poter salvare le "
                                "scadenze è necessario indicare una data valida nel formato gg/mm/aaaa."));
        QCOMPARE(CheckDeadlinesForSave(Deadlines({}, {}, {}, QStringLiteral("1/1/2026")))->field, QStringLiteral("AltraData"));
    }

    // Expired before today, due from today to the notice's last day; the
    // list by date with its vehicles; the line leaves out zero parts.
    void remindersCountAndListTheDeadlinesDue()
    {
        QCOMPARE(CountDeadlines(fleet(), Today, 30).expired, 0); // no file: nothing, nothing created
        QVERIFY(!QFile::exists(file()));
        makeFleet(3);
        store(1, Deadlines(QStringLiteral("14/06/2025"), QStringLiteral("15/07/2025"), QStringLiteral("Estintore"),
                           QStringLiteral("16/07/2025")));
        VehicleDeadlines third = Deadlines(QStringLiteral("15/06/2025"));
        third.Tagliando = QStringLiteral("01/01/2020");
        third.Bollo = QStringLiteral("15/06/2025");
        store(3, third);

        const DeadlineCounts counts = CountDeadlines(fleet(), Today, 30);
        QCOMPARE(counts.expired, 2);
        QCOMPARE(counts.dueSoon, 3);
        QCOMPARE(ReminderText(counts, 30), QStringLiteral("Scadenze automezzi: 2 scadute, 3 entro 30 giorni."));
        QCOMPARE(ReminderText({0, 4, 0}, 10), QStringLiteral("Scadenze automezzi: 4 entro 10 giorni."));
        QCOMPARE(ReminderText({5, 0, 1}, 10), QStringLiteral("Scadenze automezzi: 5 scadute."));
        QCOMPARE(ReminderText({0, 0, 3}, 10), QString());

        const DueDeadlines due = DeadlinesDue(fleet(), Today, 30);
        const QList<ListLine> lines = DueDeadlineLines(due);
        QStringList texts;
        QList<int> cards;
        QList<bool> alerts;
        for (const ListLine &line : lines) {
            texts << line.text;
            cards << line.cardNumber;
            alerts << line.alert;
        }
        QCOMPARE(cards, (QList<int>{3, 1, 3, 3, 1}));
        QCOMPARE(alerts, (QList<bool>{true, true, false, false, false}));
        QCOMPARE(texts.at(0), QStringLiteral("01/01/2020  scaduta da 1992 giorni  Tagliando             Fiat Panda 3"
                                             "                    Targa: AB003CD       Conducente 3"));
        QCOMPARE(texts.at(2).left(56), QStringLiteral("15/06/2025  oggi                    Assicurazione       "));
        QCOMPARE(texts.at(4).mid(12, 32), QStringLiteral("tra 30 giorni           Revision")); // the other row falls due a day too late
        QCOMPARE(DueDeadlineRows(due).at(1),
                 (QStringList{"14/06/2025", "scaduta da 1 giorni", "Assicurazione", "Fiat Panda 1", "AB001CD", "Conducente 1"}));
    }

    void expiredInsuranceOrInspectionMarksAnAvailableVehicle()
    {
        makeFleet(3);
        store(1, Deadlines(QStringLiteral("14/06/2025"), QStringLiteral("10/06/2025")));
        store(2, Deadlines(QStringLiteral("15/06/2025"), QStringLiteral("01/01/2099"), QStringLiteral("Bollo"),
                           QStringLiteral("01/01/2000")));
        store(3, Deadlines(QString(), QStringLiteral("31/05/2025")));
        ListLines available = AvailableVehicles(fleet());
        const int damaged = MarkExpiredVehicles(available.lines, fleet(), Today);
        QCOMPARE(damaged, 0);
        QCOMPARE(available.lines.size(), 3);
        QVERIFY(available.lines.at(0).text.endsWith(QStringLiteral("  ASSICURAZIONE SCADUTA  REVISIONE SCADUTA")));
        QVERIFY(available.lines.at(0).alert);
        QCOMPARE(available.lines.at(1).cardNumber, 2); // due today, other deadline passed: not marked
        QVERIFY(!available.lines.at(1).alert);
        QVERIFY(!available.lines.at(1).text.contains(QStringLiteral("SCADUTA")));
        QVERIFY(available.lines.at(2).text.endsWith(QStringLiteral("  Tel.                    REVISIONE SCADUTA")));
        QVERIFY(available.lines.at(2).alert);
    }
};

QTEST_GUILESS_MAIN(TestVehicleDeadlines)
#include "tst_vehicledeadlines.moc"
