#include "core/storage/SpreadsheetExport.h"
#include "core/storage/Cp1252.h"
#include "core/storage/IoError.h"
#include "core/storage/SpreadsheetFile.h"
#include "core/storage/SpreadsheetXlsx.h"

#include "TestFolder.h"
#include "XlsxReadBack.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Sheet = QStringLiteral("Foglio");

// The data cells of a file, each as written between its tags.
QList<QByteArray> DataCells(const QByteArray &file)
{
    const QByteArray open = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
    QList<QByteArray> cells;
    for (qsizetype at = file.indexOf(open); at >= 0; at = file.indexOf(open, at)) {
        at += open.size();
        cells << file.mid(at, file.indexOf("</td>", at) - at);
    }
    return cells;
}
// One cell of bytes as stored in an archive.
class StoredBytes : public SpreadsheetRows
{
public:
    explicit StoredBytes(const QByteArray &bytes) : m_bytes(bytes) {}
    int RowCount() const override { return 1; }
    void WriteCell(int, int, SpreadsheetCell &cell) const override { cell.cp1252(m_bytes.constData(), m_bytes.size()); }

private:
    QByteArray m_bytes;
};

// One column of texts as stored in an archive, one row each.
class StoredColumn : public SpreadsheetRows
{
public:
    explicit StoredColumn(const QList<QByteArray> &cells) : m_cells(cells) {}
    int RowCount() const override { return int(m_cells.size()); }
    void WriteCell(int row, int, SpreadsheetCell &cell) const override
    {
        cell.cp1252(m_cells.at(row).constData(), m_cells.at(row).size());
    }

private:
    QList<QByteArray> m_cells;
};

// The texts of a sheet's column, from its second row.
QStringList ColumnTexts(const XlsxSheet &sheet, int column)
{
    QStringList texts;
    for (qsizetype r = 1; r < sheet.rows.size(); ++r)
        texts << sheet.rows.at(r).value(column).text;
    return texts;
}

// Texts a spreadsheet program likes to turn into something else, and the
// longest a field holds.
QStringList TrickyTexts()
{
    return {"0612345678", "007", "1e5", "10/12/2026", "A & B", "<b>x</b>", QString::fromUtf8("àèéìòù ÀÉ €"),
            QStringLiteral("Consegna al magazzino 3, ").repeated(10).left(249) + QLatin1Char('!'), "_x0041_",
            "=1+1", "TRUE"};
}
} // namespace

class TestSpreadsheet : public QObject
{
    Q_OBJECT

private slots:
    void wholeFileOfOneCell()
    {
        const QByteArray bytes = SpreadsheetBytes("Ingressi e Uscite Veicoli", {{"Data ingresso", 180}}, {{"01/02/2021"}});
        QCOMPARE(bytes,
                 QByteArray("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                            "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
                            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                            "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
                            "<x:Name>Ingressi e Uscite Veicoli</x:Name><x:WorksheetOptions><x:Selected/><x:Panes>"
                            "<x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
                            "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
                            "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
                            "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>"
                            "<tr><td style=\"text-align: left; font-weight: bold;\" width=180>Data ingresso</td></tr>"
                            "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">01/02/2021</td></tr>"
                            "</table></body></html>"));
    }

    void cellsAreTrimmedAndEscaped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("spaces around a plate") << "  AB123CD \t" << QByteArray("AB123CD");
        QTest::newRow("markup stays text") << "<b>x</b>" << QByteArray("&lt;b&gt;x&lt;/b&gt;");
        QTest::newRow("ampersand") << "A & B" << QByteArray("A &amp; B");
        QTest::newRow("code page letters") << QString::fromUtf8("è €") << QByteArray("\xE8 \x80");
        QTest::newRow("letter the code page lacks") << QString::fromUtf8("Łódź") << QByteArray("&#321;\xF3" "d&#378;");
        QTest::newRow("outside the BMP, one reference") << QString::fromUtf8("a😀b") << QByteArray("a&#128512;b");
        QTest::newRow("line break inside") << "riga1\nriga2" << QByteArray("riga1&#10;riga2");
        QTest::newRow("unassigned code page byte") << QString(QChar(0x81)) << QByteArray("&#129;");
        QTest::newRow("reference typed as text") << "&#65;" << QByteArray("&amp;#65;");
        // A reader takes "&#0;" for U+FFFD and "&#128;" for the euro sign.
        QTest::newRow("NUL inside") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << QByteArray("a&#65533;b");
        QTest::newRow("C1 control the code page hides") << QString(QChar(0x80)) << QByteArray("&#65533;");
        QTest::newRow("empty") << "   " << QByteArray();
    }
    void cellsAreTrimmedAndEscaped()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        const QByteArray file = SpreadsheetBytes(Sheet, {{"A", 10}}, {{typed}});
        QCOMPARE(DataCells(file), QList<QByteArray>{written});
        // Headings and the sheet name go through the same escaping.
        const QByteArray heading = SpreadsheetBytes(typed, {{typed, 10}}, QList<QStringList>());
        QVERIFY(heading.contains("width=10>" + written + "</td>"));
        QVERIFY(heading.contains("<x:Name>" + written + "</x:Name>"));
        // Texts the code page holds are written alike from the archive's bytes.
        const QByteArray stored = ToCp1252(typed);
        if (FromCp1252(stored) == typed)
            QCOMPARE(DataCells(SpreadsheetBytes(Sheet, {{"A", 10}}, StoredBytes(stored))), QList<QByteArray>{written});
    }

    void everyRowAndCellIsWrittenOnOneLine()
    {
        // Short rows are filled with empty cells, all-empty rows are kept.
        const QByteArray file = SpreadsheetBytes(Sheet, {{"A", 1}, {"B", 2}}, {{"x"}, {}, {"y", "z", "extra"}});
        QCOMPARE(DataCells(file), (QList<QByteArray>{"x", "", "", "", "y", "z"}));
        QCOMPARE(file.count("<tr>"), 4);
        QVERIFY(!file.contains('\r') && !file.contains('\n'));
        QVERIFY(file.endsWith("</table></body></html>"));
    }

    void writtenFileHasTheSameBytesAndReplacesTheOld()
    {
        TempProgramFolder dir;
        dir.write("x.xls", "old export");
        QList<QStringList> rows;
        for (int i = 0; i < 30000; ++i) // several flushes of the writer's buffer
            rows << QStringList{QString::number(i), QStringLiteral("Fiat <Ducato>")};
        const QList<SpreadsheetColumn> columns{{"N", 50}, {"Veicolo", 100}};
        WriteSpreadsheet(dir.path("x.xls"), Sheet, columns, SpreadsheetTextRows(rows));
        QCOMPARE(dir.bytes("x.xls"), SpreadsheetBytes(Sheet, columns, rows));
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files), QStringList{"x.xls"}); // no temporary left behind
    }

    void failedWriteLeavesThePreviousFileWhole()
    {
        TempProgramFolder dir;
        dir.write("x.xls", "previous export");
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                | QFileDevice::ExeOther);
        {
            AsOrdinaryUser user;
            QVERIFY_THROWS_EXCEPTION(IoError, WriteSpreadsheet(dir.path("x.xls"), Sheet, {{"A", 1}},
                                                               SpreadsheetTextRows({{"new"}})));
        }
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(dir.bytes("x.xls"), QByteArray("previous export"));
        // A folder in the way of the file: nothing can be renamed over it.
        QDir(dir.folder()).mkdir("y.xls");
        QVERIFY_THROWS_EXCEPTION(IoError, WriteSpreadsheet(dir.path("y.xls"), Sheet, {{"A", 1}},
                                                           SpreadsheetTextRows({{"new"}})));
    }

    // The workbook holds every text as written, as a text in the text
    // format, trimmed as in the table; the sheet keeps the table's name,
    // heading (bold, frozen, with an autofilter) and column widths.
    void workbookHoldsEveryCellAsWritten()
    {
        TempProgramFolder dir;
        QStringList typed = TrickyTexts();
        QStringList expected = typed;
        const auto add = [&](const QString &text, const QString &written) {
            typed << text;
            expected << written;
        };
        add("  AB123CD \t", "AB123CD");
        add("riga1\nriga2\ttab", "riga1\nriga2\ttab");
        add(QString::fromUtf8("a😀b ł"), QString::fromUtf8("a😀b ł"));
        add(QStringLiteral("a") + QChar(0) + QStringLiteral("b") + QChar(1) + QStringLiteral("c"),
            QStringLiteral("a\uFFFDb") + QChar(1) + QStringLiteral("c"));
        add(QStringLiteral("x") + QChar(0xD800) + QChar(0xFFFF), QStringLiteral("x\uFFFD\uFFFD"));
        add("   ", "");
        QList<QStringList> rows;
        for (const QString &t : typed)
            rows << QStringList{t, QStringLiteral("fisso")};
        const QList<SpreadsheetColumn> columns{{" Nota ", 180}, {"Targa & C.", 100}};
        QString error;
        QVERIFY(WriteSpreadsheetXlsx(dir.path("prova.xlsx"), "Ingressi e Uscite Veicoli", columns, rows, &error));
        QVERIFY(error.isEmpty());

        const XlsxSheet sheet = ReadXlsx(dir.path("prova.xlsx"));
        QVERIFY(sheet.read);
        QCOMPARE(sheet.name, QStringLiteral("Ingressi e Uscite Veicoli"));
        QCOMPARE(sheet.rows.size(), typed.size() + 1);
        QCOMPARE(sheet.rows.at(0).value(0).text, QStringLiteral("Nota"));
        QCOMPARE(sheet.rows.at(0).value(1).text, QStringLiteral("Targa & C."));
        QVERIFY(sheet.rows.at(0).value(0).bold && sheet.rows.at(0).value(1).bold);
        QCOMPARE(sheet.frozenTopLeft, QStringLiteral("A2"));
        QCOMPARE(sheet.autoFilter, QStringLiteral("A1:B%1").arg(typed.size() + 1));
        QCOMPARE(sheet.columnPixels, (QMap<int, int>{{0, 180}, {1, 100}}));
        QCOMPARE(ColumnTexts(sheet, 0), expected);
        for (qsizetype r = 1; r < sheet.rows.size(); ++r) {
            for (const XlsxCell &cell : sheet.rows.at(r)) {
                QVERIFY2(!cell.bold && cell.numberFormat == QLatin1String("@"), qPrintable(cell.text));
                QVERIFY2(cell.text.isEmpty() || !cell.type.isEmpty(), qPrintable(cell.text)); // never a number
            }
        }

        // The archive's own bytes give the same cells as the texts they hold.
        QList<QByteArray> stored;
        QStringList storable;
        for (const QString &t : TrickyTexts()) {
            stored << ToCp1252(t);
            storable << t;
        }
        stored << QByteArray("\x80\x81 \x00z", 5);
        storable << QStringLiteral("€\u0081 \uFFFDz");
        WriteSpreadsheetXlsx(dir.path("archivio.xlsx"), "Foglio", {{"Nota", 180}}, StoredColumn(stored));
        QCOMPARE(ColumnTexts(ReadXlsx(dir.path("archivio.xlsx")), 0), storable);
    }

    // A workbook that cannot be made is refused with its reason; a previous
    // file stays whole, and neither a new file nor a scratch file is left.
    void refusedWorkbookLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("sheetName");
        QTest::addColumn<QString>("lastCell");
        QTest::newRow("sheet name with brackets") << "Visite [2026]" << "ultima";
        QTest::newRow("sheet name over 31 characters") << QString(32, 'V') << "ultima";
        QTest::newRow("blank sheet name") << "   " << "ultima";
        QTest::newRow("cell over 32,767 characters") << "Foglio" << QString(32768, 'n');
    }
    void refusedWorkbookLeavesNothingBehind()
    {
        QFETCH(QString, sheetName);
        QFETCH(QString, lastCell);
        TempProgramFolder dir;
        QTemporaryDir scratch;
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(scratch.path()));
        dir.write("vecchio.xlsx", "previous workbook");
        QList<QStringList> rows(5000, QStringList{"AB123CD"});
        rows << QStringList{lastCell};
        QString error;
        QVERIFY(!WriteSpreadsheetXlsx(dir.path("vecchio.xlsx"), sheetName, {{"Targa", 100}}, rows, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!WriteSpreadsheetXlsx(dir.path("nuovo.xlsx"), sheetName, {{"Targa", 100}}, rows, nullptr));
        QCOMPARE(dir.bytes("vecchio.xlsx"), QByteArray("previous workbook"));
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"vecchio.xlsx"});
        QCOMPARE(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        qputenv("TMPDIR", tmpdir);
    }

    // The file type follows the extension typed when it is one of the two,
    // else the type chosen, whose extension is added.
    void targetOfTheSaveDialogue_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("workbook");
        QTest::newRow("proposed name, first type") << "/p/Flotta.xls" << SpreadsheetXlsFilter << "/p/Flotta.xls" << false;
        QTest::newRow(".xlsx typed, .xls type") << "/p/Flotta.xlsx" << SpreadsheetXlsFilter << "/p/Flotta.xlsx" << true;
        QTest::newRow(".XLS typed, .xlsx type") << "/p/Flotta.XLS" << SpreadsheetXlsxFilter << "/p/Flotta.XLS" << false;
        QTest::newRow("no extension, .xlsx type") << "/p/Flotta" << SpreadsheetXlsxFilter << "/p/Flotta.xlsx" << true;
        QTest::newRow("another extension, .xls type") << "/p/Flotta.txt" << SpreadsheetXlsFilter << "/p/Flotta.txt.xls"
                                                      << false;
    }
    void targetOfTheSaveDialogue()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, filter);
        QFETCH(QString, path);
        QFETCH(bool, workbook);
        const SpreadsheetTarget target = SpreadsheetTargetFor(chosen, filter);
        QCOMPARE(target.path, path);
        QCOMPARE(target.format == SpreadsheetFormat::Xlsx, workbook);
    }

    // What an office program makes of the file: every text as typed.
    void officeReadsTextsAsTyped_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("table named .xls") << "prova.xls";
        QTest::newRow("workbook .xlsx") << "prova.xlsx";
    }
    void officeReadsTextsAsTyped()
    {
        const QString office = QStandardPaths::findExecutable("soffice");
        if (office.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed: the file is not opened in an office program here.");
        QFETCH(QString, file);
        TempProgramFolder dir;
        const QStringList typed = TrickyTexts();
        QList<QStringList> rows;
        for (const QString &t : typed)
            rows << QStringList{t};
        const SpreadsheetTarget target = SpreadsheetTargetFor(dir.path(file), {});
        WriteSpreadsheetFile(target, Sheet, {{"Testo", 100}}, SpreadsheetTextRows(rows));
        QProcess office_;
        office_.setWorkingDirectory(dir.folder());
        office_.start(office, {"-env:UserInstallation=file://" + dir.folder() + "lo-profile", "--headless",
                               "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", dir.folder(),
                               target.path});
        QVERIFY(office_.waitForFinished(90000));
        const QString csv = QString::fromUtf8(dir.bytes("prova.csv"));
        QStringList lines = csv.split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("Testo"));
        lines.removeFirst();
        for (QString &line : lines) {
            if (line.startsWith('"') && line.endsWith('"'))
                line = line.mid(1, line.size() - 2).replace("\"\"", "\"");
        }
        QCOMPARE(lines, typed);
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "tst_spreadsheet.moc"
