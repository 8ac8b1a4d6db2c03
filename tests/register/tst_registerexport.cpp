#include "core/register/RegisterExport.h"
#include "core/register/VisitRecord.h"
#include "core/storage/IoError.h"

#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
VisitRecord Card(const QString &plate, const QString &note = {})
{
    VisitRecord card;
    card.DataEnt = QStringLiteral("10/12/2026");
    card.OraEnt = QStringLiteral("08:30");
    card.Veicolo = QStringLiteral("Fiat Ducato");
    card.Targa = plate;
    card.Note = note;
    return card;
}
} // namespace

class TestRegisterExport : public QObject
{
    Q_OBJECT

private slots:
    void columnsWrittenAreTheExportsOwn()
    {
        const QList<SpreadsheetColumn> columns = RegisterExportColumns();
        QCOMPARE(columns.size(), 16);
        QCOMPARE(columns.at(3).heading, QStringLiteral("Marca e modello veicoli"));
        QCOMPARE(columns.at(4).width, 200);
        QCOMPARE(columns.at(15).heading, QStringLiteral("Operatore uscita"));
    }

    void rowsOfEveryCardInArchiveOrder()
    {
        TempProgramFolder dir;
        dir.write("2026.vis", Card("AA111AA").toBytes() + Card("BB222BB", "<b>attesa</b>").toBytes()
                                  + Card("CC333CC").toBytes());
        const QList<QStringList> rows = RegisterExportRows(dir.path("2026.vis"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(1).size(), 16);
        QCOMPARE(rows.at(1).at(4), QStringLiteral("BB222BB"));
        QCOMPARE(rows.at(1).at(12), QStringLiteral("<b>attesa</b>"));
        QCOMPARE(rows.at(2).at(13), QString()); // no exit yet: listed all the same
    }

    void emptyOrMissingArchiveGivesTenEmptyRows()
    {
        TempProgramFolder dir;
        const QList<QStringList> rows = RegisterExportRows(dir.path("2026.vis"));
        QCOMPARE(rows, QList<QStringList>(10, QStringList(16, QString())));
        QVERIFY(QFile::exists(dir.path("2026.vis")));
    }

    // The grid keeps the archive's own bytes; its file must be exactly the
    // writer's file of the same texts, typed corrections included.
    void gridWritesTheSameFileAsItsTexts()
    {
        TempProgramFolder dir;
        VisitRecord odd = Card("DD444DD", QString::fromUtf8("Tessera è € & <ok>"));
        odd.Persone = QStringLiteral("Luca\x01Verdi");
        dir.write("2026.vis", Card("AA111AA").toBytes() + odd.toBytes());
        auto grid = MakeRegisterGrid();
        grid->Fill(dir.path("2026.vis"));
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->Text(1, 0), QStringLiteral("2"));
        QCOMPARE(grid->Text(1, 13), QString::fromUtf8("Tessera è € & <ok>"));

        QVERIFY(grid->setData(grid->index(0, 13), QString::fromUtf8("  nota ł  ")));  // Note: editable
        QVERIFY(!grid->setData(grid->index(0, 4), QStringLiteral("altro veicolo"))); // Veicolo: read-only
        QVERIFY(!grid->setData(grid->index(0, 0), QStringLiteral("9")));             // number: read-only

        QList<QStringList> texts;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList row;
            for (int c = 1; c <= 16; ++c)
                row << grid->Text(r, c);
            texts << row;
        }
        QCOMPARE(texts.at(0).at(12), QString::fromUtf8("  nota ł  "));
        const QByteArray expected = SpreadsheetBytes(RegisterExportSheetName, RegisterExportColumns(), texts);
        QCOMPARE(SpreadsheetBytes(RegisterExportSheetName, RegisterExportColumns(), *grid), expected);
        QVERIFY(expected.contains(">nota &#322;</td>"));
        QVERIFY(expected.contains("Luca&#1;Verdi"));
    }

    void gridOfAnEmptyArchiveAndAfterAFailure()
    {
        TempProgramFolder dir;
        auto grid = MakeRegisterGrid();
        grid->Fill(dir.path("2026.vis"));
        QCOMPARE(grid->rowCount(), 10);
        QCOMPARE(grid->Text(0, 0), QString());
        QCOMPARE(SpreadsheetBytes(RegisterExportSheetName, RegisterExportColumns(), *grid),
                 SpreadsheetBytes(RegisterExportSheetName, RegisterExportColumns(), RegisterExportRows(dir.path("2026.vis"))));
        // An archive that cannot be opened: told by IoError, the blank rows stay.
        QDir(dir.folder()).mkdir("2027.vis");
        QVERIFY_THROWS_EXCEPTION(IoError, grid->Fill(dir.path("2027.vis")));
        QCOMPARE(grid->rowCount(), 10);
    }
};

QTEST_GUILESS_MAIN(TestRegisterExport)
#include "tst_registerexport.moc"
