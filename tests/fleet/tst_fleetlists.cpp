// The fleet's lists and export without windows: the line of a vehicle, the
// search criteria, the available vehicles, and the rows and columns of the
// spreadsheet file.
#include "varcanto_core.h"

#include "TestFolder.h"

#include <QDir>
#include <QTest>

namespace {
VehicleRecord Vehicle(const QString &marca, const QString &modello, const QString &targa)
{
    VehicleRecord v;
    v.Veicolo = QStringLiteral("Autovettura");
    v.Marca = marca;
    v.Modello = modello;
    v.Targa = targa;
    v.Disponibile = AvailableNo;
    return v;
}

QString LineOf(const VehicleRecord &v)
{
    return FleetListLine(v.toBytes().constData());
}

QStringList Texts(const ListLines &lines)
{
    QStringList texts;
    for (const ListLine &line : lines.lines)
        texts << line.text;
    return texts;
}

QList<int> Numbers(const ListLines &lines)
{
    QList<int> numbers;
    for (const ListLine &line : lines.lines)
        numbers << line.cardNumber;
    return numbers;
}
} // namespace

class TestFleetLists : public QObject
{
    Q_OBJECT

private slots:
    void lineLayout_data()
    {
        QTest::addColumn<QString>("marca");
        QTest::addColumn<QString>("modello");
        QTest::addColumn<QString>("targa");
        QTest::addColumn<QString>("conducente");
        QTest::addColumn<QString>("recapito");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("line");
        QTest::newRow("ordinary") << "Fiat" << "Panda" << "AB123CD" << "Mario Rossi" << "0612345678" << "in sede"
                                  << "Fiat Panda                      Targa: AB123CD       Mario Rossi              "
                                     "  Tel. 0612345678       in sede";
        QTest::newRow("empty make starts with a blank")
            << "" << "Daily" << "AB1" << "" << "" << ""
            << " Daily                          Targa: AB1                                      Tel.                  ";
        QTest::newRow("make and model cut at 30, driver at 25, telephone at 15")
            << "Mercedes-Benz" << "Sprinter 316 CDI Furgone Lungo" << "123456789012345" << "Giovanni Battista "
                                                                                           "Montemaggiore"
            << "+39 06 1234 5678 9" << "nota lunga senza limite di larghezza"
            << "Mercedes-Benz Sprinter 316 CDI  Targa: 123456789012  Giovanni Battista Montema  Tel. +39 06 1234 567"
               "  nota lunga senza limite di larghezza";
        QTest::newRow("a make of 30 leaves no room for the model; the euro sign kept")
            << QString(32, 'M') << "Ducato" << "" << QString::fromUtf8("Nicolò € Ricci") << "" << ""
            << QString(30, 'M') + QString::fromUtf8("  Targa:               Nicolò € Ricci             Tel.                  ");
    }

    void lineLayout()
    {
        QFETCH(QString, marca);
        QFETCH(QString, modello);
        QFETCH(QString, targa);
        QFETCH(QString, conducente);
        QFETCH(QString, recapito);
        QFETCH(QString, note);
        QFETCH(QString, line);
        VehicleRecord v = Vehicle(marca, modello, targa);
        v.Conducente = conducente;
        v.Recapito = recapito;
        v.Note = note;
        QCOMPARE(LineOf(v), line);
    }

    void criteria_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<bool>("listed");
        QTest::newRow("make FIAT finds Fiat") << 2 << "Fiat" << "FIAT" << true;
        QTest::newRow("inside the text") << 3 << "Grande Punto" << "de pu" << true;
        QTest::newRow("accented capital does not find its small letter") << 9 << QStringLiteral("così")
                                                                          << QStringLiteral("COSÌ") << false;
        QTest::newRow("accented small letter, same case") << 9 << QStringLiteral("così") << QStringLiteral("sì")
                                                           << true;
        QTest::newRow("euro sign (a byte of the 0x80 row)") << 9 << QStringLiteral("costo € 300")
                                                             << QStringLiteral("€ 3") << true;
        // Stored as its look-alike "l", which the criterion does not ask for.
        QTest::newRow("character outside the code page finds nothing") << 6 << QStringLiteral("Łukasz")
                                                                        << QStringLiteral("ł") << false;
        QTest::newRow("trailing blank is matched with the blank") << 6 << "Mario Rossi" << "Mario " << true;
        QTest::newRow("trailing blank not followed by a blank") << 6 << "Mario" << "Mario " << false;
        QTest::newRow("absent") << 4 << "AB123CD" << "ZZ" << false;
        for (int i = 0; i < 10; ++i)
            QTest::addRow("field %s is searched", FleetSearchFields[i]) << i << "ValoreUnico" << "valoreunico" << true;
    }

    void criteria()
    {
        QFETCH(int, field);
        QFETCH(QString, stored);
        QFETCH(QString, criterion);
        QFETCH(bool, listed);
        VehicleRecord v;
        for (const auto &f : VehicleFields) {
            if (qstrcmp(f.name, FleetSearchFields[field]) == 0)
                v.*(f.member) = stored;
        }
        const QByteArray record = v.toBytes();
        FleetCriteria criteria;
        criteria.text[field] = criterion;
        QCOMPARE(VehicleMatches(record.constData(), criteria), listed);
        // The same text under any other criterion finds nothing.
        FleetCriteria elsewhere;
        elsewhere.text[(field + 1) % 10] = criterion;
        QVERIFY(!VehicleMatches(record.constData(), elsewhere));
    }

    // Criteria join with AND; a criterion of blanks only is not counted and
    // cannot stand in for a filled one that fails.
    void criteriaTogether()
    {
        VehicleRecord v = Vehicle("Fiat", "Panda", "AB123CD");
        v.Note = QStringLiteral("due parole");
        const QByteArray record = v.toBytes();
        FleetCriteria none;
        QCOMPARE(CountCriteria(none), 0);
        QVERIFY(VehicleMatches(record.constData(), none));

        FleetCriteria both;
        both.text[2] = "fiat";
        both.text[3] = "panda";
        QVERIFY(VehicleMatches(record.constData(), both));
        both.text[4] = "XX";
        QCOMPARE(CountCriteria(both), 3);
        QVERIFY(!VehicleMatches(record.constData(), both));

        FleetCriteria blankNote;
        blankNote.text[2] = "Opel";
        blankNote.text[9] = " ";
        QCOMPARE(CountCriteria(blankNote), 1);
        QVERIFY(!VehicleMatches(record.constData(), blankNote));
    }

    void searchAndAvailableOverTheArchive()
    {
        TempProgramFolder dir;
        QVERIFY(SearchFleet(FleetArchive::Path(), {}).lines.isEmpty());
        QVERIFY(QFile::exists(dir.path("Flotta_Automezzi.pro")));

        QByteArray archive;
        const QStringList marks = {AvailableYes, AvailableNo, QString(), QStringLiteral("si"), AvailableYes,
                                   QStringLiteral("SÌ")};
        const QStringList makes = {"Opel", "Fiat", "Iveco", "Fiat", "", "Alfa"};
        for (int i = 0; i < marks.size(); ++i) {
            VehicleRecord v = Vehicle(makes[i], QStringLiteral("M%1").arg(i + 1), QStringLiteral("T%1").arg(i + 1));
            v.Disponibile = marks[i];
            archive += v.toBytes();
        }
        archive += QByteArray(100, 'x'); // an incomplete tail is no vehicle
        dir.write("Flotta_Automezzi.pro", archive);

        // Sorted by line; an empty make first; each line keeps its card number.
        const ListLines all = SearchFleet(FleetArchive::Path(), {});
        QVERIFY(!all.failed);
        QCOMPARE(Numbers(all), (QList<int>{5, 6, 2, 4, 3, 1}));
        QVERIFY(Texts(all).first().startsWith(" M5"));

        FleetCriteria fiat;
        fiat.text[2] = "FIAT";
        QCOMPARE(Numbers(SearchFleet(FleetArchive::Path(), fiat)), (QList<int>{2, 4}));

        const ListLines available = AvailableVehicles(FleetArchive::Path());
        QCOMPARE(Numbers(available), (QList<int>{5, 1}));

        QCOMPARE(FleetFoundText(6), QStringLiteral("Il presente riepilogo contiene 6 schede."));
    }

    void unreadableArchiveIsFlagged()
    {
        TempProgramFolder dir;
        QVERIFY(QDir().mkdir(dir.path("Flotta_Automezzi.pro")));
        QVERIFY(SearchFleet(FleetArchive::Path(), {}).failed);
        QVERIFY(AvailableVehicles(FleetArchive::Path()).failed);
        QVERIFY_THROWS_EXCEPTION(IoError, FleetExportRows(FleetArchive::Path()));
    }

    void exportColumnsAndRows()
    {
        const QList<SpreadsheetColumn> columns = FleetExportColumns();
        QCOMPARE(columns.size(), 25);
        QCOMPARE(columns[0].heading, QStringLiteral("Tipo veicolo"));
        QCOMPARE(columns[16].heading, QStringLiteral("Compatibilità ambientale"));
        QCOMPARE(columns[17].heading, QStringLiteral("Libretto circolazione e Certificato proprietà"));
        QCOMPARE(columns[17].width, 300);
        QCOMPARE(FleetGridModel::Widths()[18], 250);
        QCOMPARE(columns[24].width, 350);
        QStringList headings;
        for (const auto &c : columns)
            headings << c.heading;
        QCOMPARE(FleetGridModel::Headings().mid(1), headings);

        TempProgramFolder dir;
        const QList<QStringList> empty = FleetExportRows(FleetArchive::Path());
        QCOMPARE(empty.size(), 10);
        for (const QStringList &row : empty)
            QCOMPARE(row, QStringList(25, QString()));

        VehicleRecord bought = Vehicle("Fiat", "Panda", "AB123CD");
        bought.DataAcq = QStringLiteral("10/03/2020");
        bought.PrezzoAcq = QStringLiteral("15000");
        bought.Peso = QStringLiteral("not exported");
        bought.CodFisc = QStringLiteral("RSSMRA85T10A562S");
        bought.Note = QStringLiteral("<b>nota</b>");
        VehicleRecord noMake = Vehicle("", "Daily", "CD456EF");
        noMake.Disponibile = AvailableYes;
        dir.write("Flotta_Automezzi.pro", bought.toBytes() + noMake.toBytes() + Vehicle("Iveco", "", "X").toBytes());
        const QList<QStringList> rows = FleetExportRows(FleetArchive::Path());
        QCOMPARE(rows.size(), 3);
        for (const QStringList &row : rows)
            QCOMPARE(row.size(), 25);
        QCOMPARE(rows[0][1], QStringLiteral("Fiat Panda"));
        QCOMPARE(rows[0][10], QStringLiteral("Data: 10/03/2020  Prezzo: 15000"));
        QCOMPARE(rows[0][22], QStringLiteral("RSSMRA85T10A562S"));
        QVERIFY(!rows[0].contains(QStringLiteral("not exported")));
        QCOMPARE(rows[1][1], QStringLiteral(" Daily"));
        QCOMPARE(rows[1][10], QStringLiteral("Data:   Prezzo: "));
        QCOMPARE(rows[2][1], QStringLiteral("Iveco "));

        const QByteArray file = SpreadsheetBytes(FleetExportSheetName, columns, rows);
        QCOMPARE(file.count("<tr"), 4);
        QCOMPARE(file.count("sdnum=\"1040;0;@\""), 75);
        QVERIFY(file.contains("&lt;b&gt;nota&lt;/b&gt;"));
        QVERIFY(file.contains("Flotta Automezzi"));
        // The export window's grid, joined columns and all, writes the same file.
        FleetGridModel grid;
        grid.Fill(FleetArchive::Path());
        QCOMPARE(SpreadsheetBytes(FleetExportSheetName, columns, grid), file);
    }
};

QTEST_APPLESS_MAIN(TestFleetLists)
#include "tst_fleetlists.moc"
