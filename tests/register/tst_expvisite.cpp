#include "gui/help/TfrmGuida.h"
#include "core/register/RegisterExport.h"
#include "gui/register/TfrmRegistro.h"
#include "core/register/VisitRecord.h"
#include "gui/kit/CardList.h"
#include "core/storage/FileWrites.h"

#include "TestSupport.h"

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
        const QByteArray file = program->dir.bytes(Export);
        QCOMPARE(file, SpreadsheetBytes(RegisterExportSheetName, RegisterExportColumns(),
                                        RegisterExportRows(program->dir.path("2026.vis"))));
        QCOMPARE(file.count("<tr>"), 4);
        QVERIFY(file.contains("<x:Name>Ingressi e Uscite Veicoli</x:Name>"));
        QCOMPARE(program->script.shellOpens, QStringList{"\"" + program->dir.path(Export) + "\""});
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

    void emptyArchiveExportsTenEmptyRows()
    {
        openExport([&](QDialog *dialog) {
            QCOMPARE(grid(dialog)->rowCount(), 10);
            QCOMPARE(grid(dialog)->index(0, 0).data().toString(), QString());
            QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
        });
        const QByteArray file = program->dir.bytes(Export);
        QCOMPARE(file.count("<tr>"), 11);
        QCOMPARE(file.count("sdnum=\"1040;0;@\"></td>"), 160);
    }

    void answeringNoOrAFailedWriteLeavesThePreviousFile()
    {
        program->dir.write(Export, "previous export");
        program->script.answers = {QMessageBox::No};
        openExport([&](QDialog *dialog) { QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton); });
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->dir.bytes(Export), QByteArray("previous export"));

        openExport([&](QDialog *dialog) {
            QFile::setPermissions(program->dir.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                             | QFileDevice::ReadOther | QFileDevice::ExeOther);
            {
                AsOrdinaryUser user;
                QTest::mouseClick(control(dialog, "cmdEsporta"), Qt::LeftButton);
            }
            QFile::setPermissions(program->dir.folder(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        QCOMPARE(program->script.messages.last().kind, MessageKind::Plain);
        QCOMPARE(program->script.lastMessage(), SpreadsheetFailedText);
        QCOMPARE(program->dir.bytes(Export), QByteArray("previous export"));

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
