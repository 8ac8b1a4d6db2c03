// The fleet export window opened from the vehicle card editor: the grid
// filled from the archive, corrections typed into it, and the file written.
#include "gui/Startup.h"
#include "core/fleet/FleetExport.h"
#include "gui/fleet/TfrmFlotta.h"
#include "core/fleet/VehicleRecord.h"
#include "core/storage/SpreadsheetExport.h"
#include "gui/kit/Dialogs.h"

#include "core/storage/SpreadsheetFile.h"

#include "TestSupport.h"
#include "XlsxReadBack.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <functional>
#include <memory>

namespace {
VehicleRecord Vehicle(int k)
{
    VehicleRecord v;
    v.Veicolo = QStringLiteral("Autocarro");
    v.Marca = QStringLiteral("Iveco");
    v.Modello = QStringLiteral("Daily %1").arg(k);
    v.Targa = QStringLiteral("AB00%1CD").arg(k);
    v.CodFisc = QStringLiteral("RSSMRA85T10A562S");
    v.Disponibile = k == 2 ? QStringLiteral("Sì") : QStringLiteral("No");
    return v;
}
} // namespace

class TestExpFlotta : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    TfrmFlotta *editor = nullptr;

    static QTableView *grid(QDialog *d) { return d->findChild<QTableView *>("grdRecords"); }
    static QString cell(QDialog *d, int row, int column)
    {
        const QAbstractItemModel *m = grid(d)->model();
        return m->data(m->index(row, column)).toString();
    }
    static void click(QDialog *d, const char *name) { QTest::mouseClick(d->findChild<QWidget *>(name), Qt::LeftButton); }
    void withDialog(const std::function<void(QDialog *)> &act)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            if (opened)
                return dialog->reject(); // the help window
            opened = true;
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            act(dialog);
            dialog->reject();
        };
        QTest::mouseClick(editor->findChild<QWidget *>("cmdEsporta"), Qt::LeftButton);
        QVERIFY(opened);
    }
    QByteArray exported() const { return program->dir.bytes("Flotta_Automezzi.xls"); }

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void init()
    {
        program = std::make_unique<ProgramWindows>();
        editor = program->showFleet();
    }

    void cleanup()
    {
        editor = nullptr;
        program.reset();
    }

    // Every card, available or not, one row each; a code corrected in the
    // grid is exported as typed while the archive keeps the stored one.
    void gridAndFileOfThreeCards()
    {
        VehicleRecord bought = Vehicle(1);
        bought.DataAcq = QStringLiteral("10/03/2020");
        bought.PrezzoAcq = QStringLiteral("15000");
        const QByteArray archive = bought.toBytes() + Vehicle(2).toBytes() + Vehicle(3).toBytes();
        program->dir.write("Flotta_Automezzi.pro", archive);
        withDialog([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Esporta archivio parco automezzi in Microsoft Excel"));
            QCOMPARE(d->findChild<QLabel *>("panInfo")->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
            QAbstractItemModel *m = grid(d)->model();
            QCOMPARE(m->rowCount(), 3);
            QCOMPARE(m->columnCount(), 26);
            QCOMPARE(m->headerData(18, Qt::Horizontal).toString(),
                     QStringLiteral("Libretto circolazione e Certificato proprietà"));
            QCOMPARE(grid(d)->columnWidth(18), 250);
            QCOMPARE((QStringList{cell(d, 0, 0), cell(d, 1, 0), cell(d, 2, 0)}), (QStringList{"1", "2", "3"}));
            QCOMPARE(cell(d, 0, 2), QStringLiteral("Iveco Daily 1"));
            QCOMPARE(cell(d, 0, 11), QStringLiteral("Data: 10/03/2020  Prezzo: 15000"));
            QCOMPARE(cell(d, 1, 11), QStringLiteral("Data:   Prezzo: "));
            for (int c = 0; c < 26; ++c)
                QCOMPARE(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), c == 23 || c == 24);
            QVERIFY(!m->setData(m->index(0, 5), "XX"));

            // A correction typed into the grid's fiscal code cell.
            grid(d)->setCurrentIndex(m->index(1, 23));
            grid(d)->edit(m->index(1, 23));
            auto *editorWidget = grid(d)->viewport()->findChild<QLineEdit *>();
            QVERIFY(editorWidget);
            QTest::keyClick(editorWidget, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editorWidget, " BNCLRA70A41H501B ");
            click(d, "cmdEsporta");
            // The same grid as a workbook: the extension typed decides.
            program->script.saveFiles = {SaveFileChoice{program->dir.path("Flotta.xlsx"), SpreadsheetXlsFilter}};
            click(d, "cmdEsporta");
        });
        const XlsxSheet sheet = ReadXlsx(program->dir.path("Flotta.xlsx"));
        QCOMPARE(sheet.name, FleetExportSheetName);
        QCOMPARE(sheet.rows.size(), 4);
        QCOMPARE(sheet.rows.at(0).size(), 25);
        for (int c = 0; c < 25; ++c)
            QCOMPARE(sheet.rows.at(0).at(c).text, FleetExportColumns().at(c).heading);
        QCOMPARE(sheet.rows.at(1).at(10).text, QStringLiteral("Data: 10/03/2020  Prezzo: 15000"));
        QCOMPARE(sheet.rows.at(2).at(22).text, QStringLiteral("BNCLRA70A41H501B"));
        QCOMPARE(sheet.rows.at(3).at(22).text, QStringLiteral("RSSMRA85T10A562S"));
        QCOMPARE(program->script.messages.size(), 4);
        for (int m : {0, 2})
            QCOMPARE(program->script.messages[m].text, SpreadsheetAskText);
        for (int m : {1, 3})
            QCOMPARE(program->script.messages[m].text, SpreadsheetDoneText);
        QCOMPARE(program->script.shellOpens, (QStringList{program->dir.path("Flotta_Automezzi.xls"), program->dir.path("Flotta.xlsx")}));
        const QByteArray file = exported();
        QCOMPARE(file.count("<tr"), 4);
        QCOMPARE(file.count("sdnum=\"1040;0;@\""), 75);
        QVERIFY(file.contains(">BNCLRA70A41H501B<"));
        QCOMPARE(file.count(">RSSMRA85T10A562S<"), 2);
        QVERIFY(file.contains("Data: 10/03/2020  Prezzo: 15000"));
        QCOMPARE(program->dir.bytes("Flotta_Automezzi.pro"), archive);
    }

    // Shown again (restored from the task bar, say), the window keeps its
    // rows and the corrections typed into them: it is filled once per opening.
    void showingAgainKeepsTheCorrections()
    {
        program->dir.write("Flotta_Automezzi.pro", Vehicle(1).toBytes());
        withDialog([&](QDialog *d) {
            QAbstractItemModel *m = grid(d)->model();
            QVERIFY(m->setData(m->index(0, 24), "0612345678"));
            program->dir.write("Flotta_Automezzi.pro", Vehicle(1).toBytes() + Vehicle(2).toBytes());
            d->hide();
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            QCOMPARE(m->rowCount(), 1);
            QCOMPARE(cell(d, 0, 24), QStringLiteral("0612345678"));
        });
    }

    // Texts typed into the empty rows' two open columns are shown and
    // exported; every other cell stays empty.
    void emptyFleetExportsTenEmptyRows()
    {
        withDialog([&](QDialog *d) {
            QAbstractItemModel *m = grid(d)->model();
            QCOMPARE(m->rowCount(), 10);
            QCOMPARE(cell(d, 0, 0), QString());
            QVERIFY(m->setData(m->index(0, 23), "BNCLRA70A41H501B"));
            QVERIFY(m->setData(m->index(9, 24), "0612345678"));
            QCOMPARE(cell(d, 0, 23), QStringLiteral("BNCLRA70A41H501B"));
            QCOMPARE(cell(d, 9, 24), QStringLiteral("0612345678"));
            click(d, "cmdEsporta");
        });
        QVERIFY(QFile::exists(program->dir.path("Flotta_Automezzi.pro")));
        QCOMPARE(exported().count("<tr"), 11);
        QCOMPARE(exported().count("<td style=\"text-align: left;\" sdnum=\"1040;0;@\"></td>"), 248);
        QVERIFY(exported().contains(">BNCLRA70A41H501B<"));
        QVERIFY(exported().contains(">0612345678<"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("archive unreadable") << "archive";
        QTest::newRow("file not writable") << "file";
    }

    // Reading the archive fails: told, the grid keeps its empty rows, and
    // Esporta writes nothing over the previous export. Writing the file
    // fails: the export's own message, nothing opened.
    void failures()
    {
        QFETCH(QString, failure);
        if (failure == "archive") {
            QVERIFY(QDir().mkdir(program->dir.path("Flotta_Automezzi.pro")));
            program->dir.write("Flotta_Automezzi.xls", "the export of four vehicles");
        } else {
            QVERIFY(QDir().mkdir(program->dir.path("Flotta_Automezzi.xls")));
        }
        withDialog([&](QDialog *d) {
            QCOMPARE(grid(d)->model()->rowCount(), 10);
            click(d, "cmdEsporta");
        });
        if (failure == "archive") {
            QCOMPARE(program->script.messages.size(), 2);
            QCOMPARE(program->script.messages[0].text, ArchiveErrorText);
            QCOMPARE(program->script.messages[1].text, SpreadsheetNotReadText("Flotta_Automezzi.xls"));
            QCOMPARE(program->dir.bytes("Flotta_Automezzi.xls"), QByteArray("the export of four vehicles"));
        } else {
            QCOMPARE(program->script.lastMessage(), SpreadsheetFailedText);
        }
        QVERIFY(program->script.shellOpens.isEmpty());
    }

    void helpAndHints()
    {
        QString title;
        program->script.onModal = [&](QDialog *dialog) {
            if (auto *t = dialog->findChild<QLabel *>("lblTitolo"); t && dialog->metaObject()->className()
                                                                            == QByteArray("TfrmGuida")) {
                title = t->text();
                return dialog->reject();
            }
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            auto *panInfo = dialog->findChild<QLabel *>("panInfo");
            // The status band is slate blue.
            const QImage band = dialog->findChild<QWidget *>("shpInfo")->grab().toImage();
            QCOMPARE(band.pixelColor(1, 1), QColor(0x6A, 0x5A, 0xCD));
            QTest::mouseMove(dialog->findChild<QWidget *>("cmdEsci"));
            QTRY_COMPARE(panInfo->text(), QStringLiteral("Esci da questo ambiente di lavoro."));
            QTest::mouseMove(dialog, QPoint(5, dialog->height() - 5));
            QTRY_COMPARE(panInfo->text(), QString());
            QTest::mouseClick(dialog->findChild<QWidget *>("cmdGuida"), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QWidget *>("cmdEsci"), Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
        };
        QTest::mouseClick(editor->findChild<QWidget *>("cmdEsporta"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Esportazione archivio parco automezzi in Microsoft Excel."));
    }
};

QTEST_MAIN(TestExpFlotta)
#include "tst_expflotta.moc"
