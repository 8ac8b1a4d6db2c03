// The fleet search and the list of available vehicles, driven through the
// real windows from the vehicle card editor and from the register editor:
// criteria, results, find, print, and the double-click that hands exactly
// the vehicle of its line to the opener.
#include "gui/Startup.h"
#include "gui/fleet/TfrmFlotta.h"
#include "core/fleet/VehicleRecord.h"
#include "gui/register/TfrmRegistro.h"
#include "core/register/VisitRecord.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"

#include "PrintedPdf.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace {
VehicleRecord Vehicle(const QString &marca, const QString &modello, const QString &targa, bool available)
{
    VehicleRecord v;
    v.Veicolo = QStringLiteral("Autovettura");
    v.Marca = marca;
    v.Modello = modello;
    v.Targa = targa;
    v.Conducente = QStringLiteral("Mario Rossi");
    v.Recapito = QStringLiteral("3331234567");
    v.Disponibile = available ? QStringLiteral("Sì") : QStringLiteral("No");
    return v;
}

// Cards 2 and 4 give the same line; card 4 is not available.
QByteArray Fleet()
{
    VehicleRecord second = Vehicle("Fiat", "Panda", "AB123CD", true);
    second.Colore = QStringLiteral("Rosso");
    VehicleRecord fourth = Vehicle("Fiat", "Panda", "AB123CD", false);
    fourth.Colore = QStringLiteral("Blu");
    return Vehicle("Opel", "Corsa", "ZZ999ZZ", false).toBytes() + second.toBytes()
        + Vehicle("Iveco", "Daily", "CD456EF", true).toBytes() + fourth.toBytes();
}
} // namespace

class TestFleetSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;

    QWidget *fleet() const { return Navigator::Screen(ScreenId::Fleet); }
    QString position(QWidget *screen) const { return control<QLabel>(screen, "lblPosizione")->text(); }
    // Opens the dialog from a command of a screen and acts on it as a user.
    void open(QWidget *screen, const char *command, const std::function<void(QDialog *)> &act)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            opened = true;
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        };
        QTest::mouseClick(control(screen, command), Qt::LeftButton);
        QVERIFY(opened);
    }
    static void search(QDialog *d, const QList<QPair<const char *, QString>> &criteria = {})
    {
        for (const auto &[name, text] : criteria)
            control<QLineEdit>(d, name)->setText(text);
        QTest::mouseClick(control(d, "btnCerca"), Qt::LeftButton);
    }

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void init()
    {
        program = std::make_unique<ProgramWindows>();
        program->showFleet();
    }

    void cleanup() { program.reset(); }

    void noCriterionListsEveryVehicle_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::newRow("four cards") << false;
        QTest::newRow("empty archive") << true;
    }

    void noCriterionListsEveryVehicle()
    {
        QFETCH(bool, empty);
        if (!empty)
            program->dir.write("Flotta_Automezzi.pro", Fleet());
        open(fleet(), "cmdTrova", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Trova automezzi in archivio"));
            QVERIFY(control(d, "panAvvio")->isVisible());
            QVERIFY(!control(d, "panContainer")->isVisible());
            QCOMPARE(QApplication::focusWidget(), control(d, "txtVeicolo"));
            search(d);
            QCOMPARE(control<QLabel>(d, "lblConta")->text(), QStringLiteral("0"));
            QVERIFY(!control(d, "panAvvio")->isVisible());
            QVERIFY(control(d, "panContainer")->isVisible());
            QCOMPARE(QApplication::focusWidget(), control(d, "txtTrova"));
            const QStringList lines = LinesOf(control<QListView>(d, "lstRecords"));
            QCOMPARE(lines.size(), empty ? 0 : 4);
            QCOMPARE(control<QLabel>(d, "lblTrovate")->text(),
                     QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines.size()));
            if (!empty)
                QVERIFY(lines[0].startsWith("Fiat Panda"));
        });
        QVERIFY(QFile::exists(program->dir.path("Flotta_Automezzi.pro")));
    }

    // Two lines that read the same each open their own card, and Save then
    // rewrites that card in place.
    void pickLoadsExactlyTheCardOfTheLine_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("colour");
        QTest::newRow("first of two alike") << 0 << "2" << "Rosso";
        QTest::newRow("second of two alike") << 1 << "4" << "Blu";
    }

    void pickLoadsExactlyTheCardOfTheLine()
    {
        QFETCH(int, row);
        QFETCH(QString, card);
        QFETCH(QString, colour);
        program->dir.write("Flotta_Automezzi.pro", Fleet());
        open(fleet(), "cmdTrova", [&](QDialog *d) {
            search(d, {{"txtMarca", "FIAT"}, {"txtTarga", "ab1"}});
            QCOMPARE(control<QLabel>(d, "lblConta")->text(), QStringLiteral("2"));
            QListView *list = control<QListView>(d, "lstRecords");
            QCOMPARE(LinesOf(list).size(), 2);
            DoubleClickLine(list, row);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(position(fleet()), card);
        QCOMPARE(control<QLineEdit>(fleet(), "txtColore")->text(), colour);
        QCOMPARE(control<QCheckBox>(fleet(), "chkDisponibile")->isChecked(), card == "2");
        control<QLineEdit>(fleet(), "txtNote")->setText("rivista");
        QTest::mouseClick(control(fleet(), "cmdSalva"), Qt::LeftButton);
        const QByteArray archive = program->dir.bytes("Flotta_Automezzi.pro");
        QCOMPARE(archive.size(), 4 * VehicleRecord::Size);
        QCOMPARE(VehicleRecord::fromBytes(archive.mid((card.toInt() - 1) * VehicleRecord::Size)).Note,
                 QStringLiteral("rivista"));
    }

    void criteriaFieldsAndProgress()
    {
        open(fleet(), "cmdTrova", [&](QDialog *d) {
            const QStringList order = {"txtVeicolo", "txtAlimentazione", "txtMarca",     "txtModello",
                                       "txtTarga",   "txtTelaio",        "txtConducente", "txtCodFisc",
                                       "txtIncidenti", "txtNote",        "txtVeicolo"};
            for (int i = 0; i + 1 < order.size(); ++i) {
                QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
                QVERIFY(control(d, qPrintable(QStringLiteral("eff") + order[i].mid(3)))->isVisible());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            QCOMPARE(QApplication::focusWidget()->objectName(), order.last());
            // The progress of a long search shows on the criteria panel, the one on screen meanwhile.
            QCOMPARE(control(d, "prgAvanzamento")->parentWidget(), control(d, "panAvvio"));
            QVERIFY(!control(d, "lblAttendere")->isVisible());
            QTest::mousePress(control(d, "btnCerca"), Qt::LeftButton);
            QVERIFY(control(d, "lblAttendere")->isVisible());
            QTest::mouseRelease(control(d, "btnCerca"), Qt::LeftButton);
        });
    }

    // The archive cannot be read: told with a plain message, the criteria
    // stay on screen.
    void unreadableArchiveKeepsTheCriteria()
    {
        QVERIFY(QDir().mkdir(program->dir.path("Flotta_Automezzi.pro")));
        open(fleet(), "cmdTrova", [&](QDialog *d) {
            search(d, {{"txtMarca", "Fiat"}});
            QCOMPARE(program->script.messages.size(), 1);
            QCOMPARE(program->script.messages[0].kind, MessageKind::Plain);
            QCOMPARE(program->script.messages[0].text, ArchiveErrorText);
            QVERIFY(control(d, "panAvvio")->isVisible());
            QVERIFY(!control(d, "panContainer")->isVisible());
            QVERIFY(control(d, "lblAttendere")->isVisible());
            QCOMPARE(control<QLineEdit>(d, "txtMarca")->text(), QStringLiteral("Fiat"));
        });
    }

    void findAndPrintInTheResults()
    {
        program->dir.write("Flotta_Automezzi.pro", Fleet());
        PrintedPdf pdf(program->script, program->dir.path("lista.pdf"));
        open(fleet(), "cmdTrova", [&](QDialog *d) {
            search(d);
            QListView *list = control<QListView>(d, "lstRecords");
            control<QLineEdit>(d, "txtTrova")->setText("daily");
            QTest::mouseClick(control(d, "btnTrova"), Qt::LeftButton);
            QVERIFY(list->currentIndex().data().toString().startsWith("Iveco Daily"));
            QTest::mouseClick(control(d, "btnStampa"), Qt::LeftButton);
        });
        QCOMPARE(pdf.count(), 1);
        QVERIFY(pdf.text().contains("Riepilogo parco automezzi"));
        QVERIFY(pdf.text().contains("Opel Corsa"));

        open(fleet(), "cmdTrova", [&](QDialog *d) {
            // A new opening starts from empty criteria.
            QCOMPARE(control<QLineEdit>(d, "txtMarca")->text(), QString());
            search(d, {{"txtMarca", "nessuna"}});
            QTest::mouseClick(control(d, "btnTrova"), Qt::LeftButton);
            QCOMPARE(program->script.lastMessage(),
                     QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        });
    }

    // From the register editor the pick fills four fields of the card and
    // leaves the rest; a card saved afterwards holds them in the year archive.
    void pickFillsTheRegisterCard()
    {
        program->dir.write("Flotta_Automezzi.pro", Fleet());
        TfrmRegistro *editor = program->showRegister("2021");
        QWidget *arrow = control(editor, "impVeicolo");
        QVERIFY(arrow->isVisible());
        control<QLineEdit>(editor, "txtOperatoreEnt")->setText("Guardia");
        control<QLineEdit>(editor, "txtNote")->setText("nota del varco");
        open(editor, "impVeicolo", [&](QDialog *d) {
            search(d, {{"txtTarga", "CD456"}});
            DoubleClickLine(control<QListView>(d, "lstRecords"), 0);
        });
        QCOMPARE(control<QLineEdit>(editor, "txtVeicolo")->text(), QStringLiteral("Iveco Daily"));
        QCOMPARE(control<QLineEdit>(editor, "txtTarga")->text(), QStringLiteral("CD456EF"));
        QCOMPARE(control<QLineEdit>(editor, "txtConduttore")->text(), QStringLiteral("Mario Rossi"));
        QCOMPARE(control<QLineEdit>(editor, "txtTelCel")->text(), QStringLiteral("3331234567"));
        QCOMPARE(control<QLineEdit>(editor, "txtNote")->text(), QStringLiteral("nota del varco"));
        QCOMPARE(position(editor), QString());
        QCOMPARE(position(fleet()), QString());

        QTest::mouseClick(control(editor, "btnSalva"), Qt::LeftButton);
        const VisitRecord saved = VisitRecord::fromBytes(program->dir.bytes("2021.vis"));
        QCOMPARE(saved.Veicolo, QStringLiteral("Iveco Daily"));
        QCOMPARE(saved.Targa, QStringLiteral("CD456EF"));
        QCOMPARE(saved.Conduttore, QStringLiteral("Mario Rossi"));
        QCOMPARE(saved.TelCel, QStringLiteral("3331234567"));
        QCOMPARE(saved.OperatoreEnt, QStringLiteral("Guardia"));

        // A double-click with no line under it closes and changes nothing.
        open(editor, "impVeicolo", [&](QDialog *d) {
            search(d, {{"txtTarga", "nessuna"}});
            QTest::mouseDClick(control<QListView>(d, "lstRecords")->viewport(), Qt::LeftButton);
        });
        QCOMPARE(control<QLineEdit>(editor, "txtTarga")->text(), QStringLiteral("CD456EF"));
    }

    // A vehicle that can no longer be read when its line is picked is told
    // and handed to nobody; the search closes.
    void pickOfAnUnreadableVehicle()
    {
        program->dir.write("Flotta_Automezzi.pro", Fleet());
        TfrmRegistro *editor = program->showRegister("2021");
        open(editor, "impVeicolo", [&](QDialog *d) {
            search(d, {{"txtTarga", "CD456"}});
            QFile archive(program->dir.path("Flotta_Automezzi.pro"));
            QVERIFY(archive.resize(VehicleRecord::Size));
            DoubleClickLine(control<QListView>(d, "lstRecords"), 0);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Error);
        QCOMPARE(program->script.lastMessage(), ArchiveErrorText);
        QCOMPARE(control<QLineEdit>(editor, "txtTarga")->text(), QString());
        QCOMPARE(control<QLineEdit>(editor, "txtVeicolo")->text(), QString());
    }

    // The list of available vehicles: "Sì" only; exactly the card of the
    // line opens, even when a later unavailable card reads the same.
    void availableVehicles()
    {
        program->dir.write("Flotta_Automezzi.pro", Fleet());
        PrintedPdf pdf(program->script, program->dir.path("lista.pdf"));
        open(fleet(), "cmdDisponibili", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Riepilogo veicoli disponibili"));
            QListView *list = control<QListView>(d, "lstRecords");
            const QStringList lines = LinesOf(list);
            QCOMPARE(lines.size(), 2);
            QVERIFY(lines[0].startsWith("Fiat Panda"));
            QVERIFY(lines[1].startsWith("Iveco Daily"));
            QTest::mouseClick(control(d, "btnStampa"), Qt::LeftButton);
            DoubleClickLine(list, 0);
            QVERIFY(!d->isVisible());
        });
        QVERIFY(pdf.text().contains("Riepilogo veicoli disponibili"));
        QCOMPARE(position(fleet()), QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(fleet(), "txtColore")->text(), QStringLiteral("Rosso"));

        // Saved without the tick, the vehicle leaves the list.
        control<QCheckBox>(fleet(), "chkDisponibile")->setChecked(false);
        QTest::mouseClick(control(fleet(), "cmdSalva"), Qt::LeftButton);
        open(fleet(), "cmdDisponibili", [&](QDialog *d) {
            QCOMPARE(LinesOf(control<QListView>(d, "lstRecords")).size(), 1);
        });
    }

    void availableListFailures()
    {
        open(fleet(), "cmdDisponibili", [&](QDialog *d) {
            QCOMPARE(LinesOf(control<QListView>(d, "lstRecords")), QStringList());
            QTest::mouseClick(control(d, "btnTrova"), Qt::LeftButton);
            QCOMPARE(program->script.lastMessage(),
                     QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        });
        QVERIFY(QFile::exists(program->dir.path("Flotta_Automezzi.pro")));
        QVERIFY(QFile::remove(program->dir.path("Flotta_Automezzi.pro")));
        QVERIFY(QDir().mkdir(program->dir.path("Flotta_Automezzi.pro")));
        open(fleet(), "cmdDisponibili", [&](QDialog *) {});
        QCOMPARE(program->script.messages.last().kind, MessageKind::Error);
        QCOMPARE(program->script.lastMessage(), ListReadFailedText);
    }
};

QTEST_MAIN(TestFleetSearch)
#include "tst_fleetsearch.moc"
