#include "gui/help/TfrmGuida.h"
#include "core/register/RegisterExport.h"
#include "gui/register/TfrmRegistro.h"
#include "core/register/VisitRecord.h"
#include "gui/kit/CardList.h"
#include "core/storage/FileWrites.h"

#include "core/storage/FileWrites.h"
#include "core/storage/SpreadsheetFile.h"
#include "gui/kit/SpreadsheetDialogue.h"

#include "TestSupport.h"
#include "XlsxReadBack.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <memory>

namespace {
VisitRecord Card(const QString &plate, const QString &out)
{
    VisitRecord c;
    c.DataEnt = QStringLiteral("10/12/2026");
    c.OraEnt = QStringLiteral("08:15");
    c.Veicolo = QStringLiteral("Fiat Ducato");
    c.Targa = plate;
    c.TelCel = QStringLiteral("0612345678");
    c.DataUsc = out;
    return c;
}
const QString Export = QStringLiteral("Ingressi_e_Uscite_Veicoli.xls");
const QString Workbook = QStringLiteral("Ingressi_e_Uscite_Veicoli.xlsx");

// The texts of a sheet's rows, the heading row included.
QList<QStringList> SheetTexts(const XlsxSheet &sheet)
{
    QList<QStringList> rows;
    for (const QList<XlsxCell> &cells : sheet.rows) {
        QStringList texts;
        for (const XlsxCell &cell : cells)
            texts << cell.text;
        rows << texts;
    }
    return rows;
}
QStringList Headings()
{
    QStringList headings;
    for (const SpreadsheetColumn &column : RegisterExportColumns())
        headings << column.heading;
    return headings;
}
} // namespace

class TestExpVisite : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    TfrmRegistro *editor = nullptr;

    // Opens the export window from the editor and hands it, filled, to act.
    void openExport(const std::function<void(QDialog *)> &act)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            if (qobject_cast<TfrmGuida *>(dialog)) { // the help opened from the export window
                program->script.shellOpens << "help:" + control<QLabel>(dialog, "lblTitolo")->text();
                dialog->reject();
                return;
            }
            opened = true;
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Esporta archivio ingressi e uscite veicoli in Microsoft Excel"));
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            act(dialog);
            dialog->reject();
        };
        QTest::mouseClick(control(editor, "btnExcel"), Qt::LeftButton);
        QVERIFY(opened);
    }
    static QAbstractItemModel *grid(QDialog *dialog) { return control<QTableView>(dialog, "grdRecords")->model(); }

private slots:
    void init()
    {
        program = std::make_unique<ProgramWindows>();
        editor = program->showRegister("2026");
    }
    void cleanup() { program.reset(); }

    void everyCardIsShownAndExported()
    {
        program->dir.write("2026.vis", Card("AA111AA", "10/12/2026").toBytes() + Card("BB222BB", {}).toBytes()
                                           + Card("CC333CC", {}).toBytes());
        openExport([&](QDialog *dialog) {
            QCOMPARE(control<QLabel>(dialog, "panInfo")->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
            QAbstractItemModel *model = grid(dialog);
            QCOMPARE(model->rowCount(), 3);
            QCOMPARE(model->columnCount(), 17);
            QCOMPARE(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Marca e modello veicolo"));
            for (int r = 0; r < 3; ++r)
                QCOMPARE(model->index(r, 0).data().toString(), QString::number(r + 1));
            QCOMPARE(model->index(1, 5).data().toString(), QStringLiteral("BB222BB"));
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
        });
        QCOMPARE(program->script.messages.size(), 2);
        QCOMPARE(program->script.messages.at(0).text, SpreadsheetAskText);
        QCOMPARE(program->script.messages.at(1).text, SpreadsheetDoneText);
        // The save dialog proposes the export's file in the program folder,
        // as the table named .xls (the default) or as a workbook.
        QCOMPARE(program->script.saveDialogs.size(), 1);
        QCOMPARE(program->script.saveDialogs.at(0).caption, SpreadsheetSaveCaption);
        QCOMPARE(program->script.saveDialogs.at(0).proposedPath, program->dir.path(Export));
        QCOMPARE(program->script.saveDialogs.at(0).filters,
                 (QStringList{"Foglio di calcolo Excel 97 (*.xls)", "Cartella di lavoro Excel (*.xlsx)"}));
        const QByteArray file = program->dir.bytes(Export);
        QCOMPARE(file, SpreadsheetBytes(RegisterExportSheetName, RegisterExportColumns(),
                                        RegisterExportRows(program->dir.path("2026.vis"))));
        QCOMPARE(file.count("<tr>"), 4);
        QVERIFY(file.contains("<x:Name>Ingressi e Uscite Veicoli</x:Name>"));
        QCOMPARE(program->script.shellOpens, QStringList{program->dir.path(Export)});
    }

    // Corrections typed into the editable columns reach the file, trimmed;
    // the archive never changes.
    void typedCorrectionsAreExportedTrimmed()
    {
        program->dir.write("2026.vis", Card("AA111AA", {}).toBytes());
        const QByteArray archive = program->dir.bytes("2026.vis");
        program->script.answers = {QMessageBox::Yes, QMessageBox::No};
        openExport([&](QDialog *dialog) {
            auto *view = control<QTableView>(dialog, "grdRecords");
            QAbstractItemModel *model = view->model();
            QVERIFY(!(model->flags(model->index(0, 4)) & Qt::ItemIsEditable)); // Veicolo
            QVERIFY(model->flags(model->index(0, 13)) & Qt::ItemIsEditable);   // Note
            view->setCurrentIndex(model->index(0, 13));
            view->edit(model->index(0, 13));
            auto *editorLine = view->findChild<QLineEdit *>();
            QVERIFY(editorLine);
            QTest::keyClicks(editorLine, "  chiavi <lasciate>  ");
            // The cell is still being edited when the export icon is pressed.
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
        });
        QVERIFY(program->dir.bytes(Export).contains(">chiavi &lt;lasciate&gt;</td>"));
        QCOMPARE(program->script.shellOpens, QStringList()); // not opened: answered No
        QCOMPARE(program->dir.bytes("2026.vis"), archive);
    }

    // The workbook chosen in the save dialog (a name typed without an
    // extension) holds what the table would: every card, a typed correction,
    // texts as typed. It is the file offered for opening; no table is written.
    void workbookChosenInTheSaveDialog()
    {
        VisitRecord odd = Card("AA111AA", {});
        odd.Note = QString::fromUtf8("007 <b>x</b> A & B €");
        program->dir.write("2026.vis", odd.toBytes() + Card("BB222BB", "11/12/2026").toBytes());
        program->script.saveFiles = {SaveFileChoice{program->dir.path("Registro 2026"), SpreadsheetXlsxFilter}};
        openExport([&](QDialog *dialog) {
            auto *view = control<QTableView>(dialog, "grdRecords");
            QVERIFY(view->model()->setData(view->model()->index(1, 13), " 1e5 "));
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
        });
        const QString path = program->dir.path("Registro 2026.xlsx");
        QCOMPARE(program->script.lastMessage(), SpreadsheetDoneText);
        QCOMPARE(program->script.shellOpens, QStringList{path});
        QVERIFY(!QFile::exists(program->dir.path(Export)));

        QList<QStringList> expected = RegisterExportRows(program->dir.path("2026.vis"));
        expected[1][12] = "1e5"; // Note, column 13 of the grid
        expected.prepend(Headings());
        const XlsxSheet sheet = ReadXlsx(path);
        QCOMPARE(sheet.name, RegisterExportSheetName);
        QCOMPARE(SheetTexts(sheet), expected);
        QCOMPARE(sheet.rows.at(1).at(12).text, QString::fromUtf8("007 <b>x</b> A & B €"));
        QCOMPARE(sheet.rows.at(1).at(11).text, QStringLiteral("0612345678")); // Telefono
        QCOMPARE(sheet.autoFilter, QStringLiteral("A1:P3"));
        QCOMPARE(sheet.columnPixels.size(), 16);
        QCOMPARE(sheet.columnPixels.value(0), RegisterExportColumns().at(0).width);
    }

    // A name typed without the extension that names an existing workbook once
    // the extension is added: asked first, and No leaves it as it was.
    void existingFileOfTheCompletedNameIsAskedAbout()
    {
        program->dir.write("2026.vis", Card("AA111AA", {}).toBytes());
        program->dir.write("Registro 2026.xlsx", "vecchio");
        program->script.saveFiles = {SaveFileChoice{program->dir.path("Registro 2026"), SpreadsheetXlsxFilter}};
        program->script.answers = {QMessageBox::Yes, QMessageBox::No};
        openExport([&](QDialog *dialog) { QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton); });
        QCOMPARE(program->script.messages.size(), 2);
        QCOMPARE(program->script.messages[1].kind, MessageKind::Question);
        QCOMPARE(program->script.messages[1].text,
                 QStringLiteral("Attenzione: esiste già un file con il nome Registro 2026.xlsx.\r\n\r\n"
                                "Si vuole sovrascrivere il file esistente?"));
        QCOMPARE(program->dir.bytes("Registro 2026.xlsx"), QByteArray("vecchio"));
    }

    void emptyArchiveExportsTenEmptyRows()
    {
        openExport([&](QDialog *dialog) {
            QCOMPARE(grid(dialog)->rowCount(), 10);
            QCOMPARE(grid(dialog)->index(0, 0).data().toString(), QString());
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
            program->script.saveFiles = {SaveFileChoice{program->dir.path(Workbook), SpreadsheetXlsxFilter}};
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
        });
        const QByteArray file = program->dir.bytes(Export);
        QCOMPARE(file.count("<tr>"), 11);
        QCOMPARE(file.count("sdnum=\"1040;0;@\"></td>"), 160);
        const XlsxSheet sheet = ReadXlsx(program->dir.path(Workbook));
        QCOMPARE(SheetTexts(sheet), QList<QStringList>{Headings()} + QList<QStringList>(10, QStringList(16)));
        for (int r = 1; r <= 10; ++r)
            QCOMPARE(sheet.rows.at(r).at(15).numberFormat, QStringLiteral("@"));
    }

    void answeringNoOrAFailedWriteLeavesThePreviousFile()
    {
        program->dir.write(Export, "previous export");
        program->script.answers = {QMessageBox::No};
        openExport([&](QDialog *dialog) { QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton); });
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.saveDialogs.size(), 0);
        QCOMPARE(program->dir.bytes(Export), QByteArray("previous export"));
        // The save dialog cancelled: nothing written, nothing more said.
        program->script.saveFiles = {std::nullopt};
        openExport([&](QDialog *dialog) { QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton); });
        QCOMPARE(program->script.messages.size(), 2);
        QCOMPARE(QDir(program->dir.folder()).entryList({"Ingressi*"}), QStringList{Export});

        openExport([&](QDialog *dialog) {
            QFile::setPermissions(program->dir.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                             | QFileDevice::ReadOther | QFileDevice::ExeOther);
            {
                AsOrdinaryUser user;
                QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
                program->script.saveFiles = {SaveFileChoice{program->dir.path(Workbook), SpreadsheetXlsxFilter}};
                QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
            }
            QFile::setPermissions(program->dir.folder(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            // A workbook over an older one, the disk failing part-way.
            program->dir.write(Workbook, "previous workbook");
            WriteFaults::FailWrite(1, 200);
            program->script.saveFiles = {SaveFileChoice{program->dir.path(Workbook), SpreadsheetXlsxFilter}};
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
            WriteFaults::Clear();
        });
        QCOMPARE(program->script.messages.size(), 8);
        for (int m : {3, 5, 7}) {
            QCOMPARE(program->script.messages.at(m).kind, MessageKind::Plain);
            QCOMPARE(program->script.messages.at(m).text, SpreadsheetFailedText);
        }
        QCOMPARE(program->dir.bytes(Export), QByteArray("previous export"));
        QCOMPARE(program->dir.bytes(Workbook), QByteArray("previous workbook"));

        // A full disk is named as such.
        openExport([&](QDialog *dialog) {
            WriteFaults::FailWrite(1, 100, true);
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
            WriteFaults::Clear();
        });
        QCOMPARE(program->script.lastMessage(),
                 QStringLiteral("Attenzione: spazio su disco esaurito. Il file \"Ingressi_e_Uscite_Veicoli.xls\" non è "
                                "stato scritto: un file esportato in precedenza resta com'era.\n\r\n\rLiberare spazio "
                                "sul disco che ospita la cartella del programma e riprovare."));
        QCOMPARE(program->dir.bytes(Export), QByteArray("previous export"));
        QCOMPARE(program->script.shellOpens, QStringList());
        // Nothing left beside them (no new workbook, no temporary file).
        QCOMPARE(QDir(program->dir.folder()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"2026.vis", Export, Workbook}));
    }

    // An archive that cannot be read whole is told when the window opens, and
    // Esporta then writes nothing: an export of part of the archive (or of
    // blank rows) would pass for the whole one and replace a good file.
    void unreadableArchiveIsNeverExported()
    {
        program->dir.write(Export, "the export of four cards");
        QDir(program->dir.folder()).mkdir("2026.vis");
        openExport([&](QDialog *dialog) {
            QCOMPARE(grid(dialog)->rowCount(), 10);
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
        });
        QCOMPARE(program->script.messages.size(), 2);
        QCOMPARE(program->script.messages[0].text, ListReadFailedText);
        QCOMPARE(program->script.messages[1].kind, MessageKind::Plain);
        QCOMPARE(program->script.messages[1].text,
                 QStringLiteral("Attenzione: non tutte le schede dell'archivio sono state lette, perciò il file "
                                "\"Ingressi_e_Uscite_Veicoli.xls\" non è stato scritto: un file esportato in "
                                "precedenza resta com'era.\n\r\n\rChiudere la finestra, accertarsi che l'archivio "
                                "sia raggiungibile e riprovare."));
        QCOMPARE(program->dir.bytes(Export), QByteArray("the export of four cards"));
        QCOMPARE(program->script.shellOpens, QStringList());
    }

    // A read-only archive is read whole and exported.
    void readOnlyArchiveIsExported()
    {
        program->dir.write("2026.vis", Card("AA111AA", {}).toBytes() + Card("BB222BB", {}).toBytes());
        QFile::setPermissions(program->dir.path("2026.vis"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        openExport([&](QDialog *dialog) {
            {
                AsOrdinaryUser user;
                dialog->hide();
                dialog->show(); // opened as the ordinary user
            }
            QCOMPARE(grid(dialog)->rowCount(), 2);
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
        });
        QCOMPARE(program->script.lastMessage(), SpreadsheetDoneText);
        QCOMPARE(program->dir.bytes(Export).count("<tr>"), 3);
    }

    void helpIconOpensTheExportTopic()
    {
        openExport([&](QDialog *dialog) { QTest::mouseClick(control(dialog, "cmdGuida"), Qt::LeftButton); });
        QCOMPARE(program->script.shellOpens,
                 QStringList{"help:Esportazione archivio ingressi e uscite veicoli in Microsoft Excel."});
    }
};

QTEST_MAIN(TestExpVisite)
#include "tst_expvisite.moc"
