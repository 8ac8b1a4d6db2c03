// The deadlines of fleet vehicles through the real windows: the vehicle's
// dialog (typed and picked dates, the proposed inspection, the refusals),
// what survives a restart, two workstations on one vehicle, the start menu's
// line and the list it opens, and the marks on the available vehicles.
#include "core/fleet/DeadlineReminders.h"
#include "core/fleet/FleetArchive.h"
#include "core/settings/Settings.h"
#include "gui/Startup.h"
#include "gui/fleet/TfrmDisponibili.h"
#include "gui/fleet/TfrmFlotta.h"
#include "gui/fleet/TfrmScadenze.h"
#include "gui/fleet/TfrmScadenzeFlotta.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/TfrmCalendario.h"

#include "PrintedPdf.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
const QDateTime Now(QDate(2025, 6, 15), QTime(9, 0));
const QString Saved = QStringLiteral("Le scadenze del veicolo sono state salvate in archivio.");

VehicleRecord Vehicle(int k, const QString &registration = {})
{
    VehicleRecord v;
    v.Veicolo = QStringLiteral("Autovettura");
    v.Marca = QStringLiteral("Fiat");
    v.Modello = QStringLiteral("Panda %1").arg(k);
    v.Targa = QStringLiteral("AB%1CD").arg(k, 3, 10, QLatin1Char('0'));
    v.Conducente = QStringLiteral("Conducente %1").arg(k);
    v.Immatricolazione = registration;
    v.Disponibile = AvailableYes;
    return v;
}

VehicleDeadlines Insurance(const QString &date)
{
    VehicleDeadlines d;
    d.Assicurazione = date;
    return d;
}

QLineEdit *edit(QWidget *window, const char *name)
{
    return control<QLineEdit>(window, name);
}

void press(QWidget *window, const char *name)
{
    QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
}
} // namespace

class TestScadenze : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    std::unique_ptr<FixedClock> clock;
    TfrmFlotta *editor = nullptr;
    // Acts on the date picker when a deadlines dialog opens it.
    std::function<void(QDialog *)> picker;

    QString position() const { return control<QLabel>(editor, "lblPosizione")->text(); }
    void storeDeadlines(int card, const VehicleDeadlines &d)
    {
        QVERIFY(!DeadlineFile::StoreIfUnchanged(FleetArchive::Path(), card, std::nullopt, d));
    }
    // Opens the deadlines of the card on screen; act works on the dialog.
    void openDeadlines(const std::function<void(TfrmScadenze *)> &act)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            if (auto *deadlines = qobject_cast<TfrmScadenze *>(dialog)) {
                opened = true;
                deadlines->show();
                QVERIFY(QTest::qWaitForWindowExposed(deadlines));
                act(deadlines);
                deadlines->hide();
            } else if (qobject_cast<TfrmCalendario *>(dialog) && picker) {
                picker(dialog);
            }
        };
        press(editor, "cmdScadenze");
        program->script.onModal = nullptr;
        QVERIFY(opened);
    }

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void init()
    {
        clock = std::make_unique<FixedClock>(Now);
        program = std::make_unique<ProgramWindows>();
        editor = program->showFleet();
    }

    void cleanup()
    {
        editor = nullptr;
        program.reset();
        clock.reset();
    }

    // Typed and picked dates, the usual message for a date that does not
    // exist, the proposal accepted; all of it read back after a restart.
    void deadlinesSavedOnACardSurviveARestart()
    {
        bool shown = false;
        program->script.onModal = [&](QDialog *) { shown = true; };
        press(editor, "cmdScadenze");
        QVERIFY(!shown);
        QCOMPARE(program->script.lastMessage(), DeadlinesOfNewCardText);

        FleetArchive::AppendCard(Vehicle(1, QStringLiteral("10/06/2021")));
        press(editor, "cmdPrimo");
        openDeadlines([&](TfrmScadenze *dialog) {
            QVERIFY(dialog->InspectionProposed());
            QCOMPARE(edit(dialog, "txtRevisione")->text(), QStringLiteral("30/06/2025"));
            QVERIFY(control<QLabel>(dialog, "lblRevisioneProposta")->isVisibleTo(dialog));
            QCOMPARE(control<QLabel>(dialog, "lblVeicolo")->text(), QStringLiteral("Fiat Panda 1 - Targa: AB001CD"));

            QTest::keyClicks(edit(dialog, "txtAssicurazione"), "31/12/2025");
            QTest::keyClicks(edit(dialog, "txtBollo"), "31/04/2026");
            press(dialog, "btnSalva");
            QCOMPARE(program->script.lastMessage(),
                     QStringLiteral("Attenzione: la data del bollo 31/04/2026 non esiste.\n\r\n\rPer poter salvare le "
                                    "scadenze è necessario indicare una data valida nel formato gg/mm/aaaa."));
            QTRY_COMPARE(QApplication::focusWidget(), edit(dialog, "txtBollo"));
            QVERIFY(!QFile::exists(DeadlineFile::PathFor(FleetArchive::Path())));
            edit(dialog, "txtBollo")->clear();

            // The date picker fills the service date.
            picker = [](QDialog *calendar) {
                control<QCalendarWidget>(calendar, "calAppuntamenti")->setSelectedDate(QDate(2025, 9, 1));
                press(calendar, "btnImportaData");
            };
            press(dialog, "cmdCalTagliando");
            QCOMPARE(edit(dialog, "txtTagliando")->text(), QStringLiteral("01/09/2025"));
            edit(dialog, "txtAltraDescrizione")->setText(QStringLiteral("Estintore"));
            edit(dialog, "txtAltraData")->setText(QStringLiteral("01/03/2026"));
            press(dialog, "btnAccettaRevisione");
            QVERIFY(!dialog->InspectionProposed());
            press(dialog, "btnSalva");
            QCOMPARE(program->script.lastMessage(), Saved);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        });

        // A restart: every window made again on the same program folder.
        DestroyWindows();
        CreateWindows();
        editor = program->showFleet();
        press(editor, "cmdPrimo");
        openDeadlines([&](TfrmScadenze *dialog) {
            QVERIFY(!dialog->InspectionProposed());
            QCOMPARE(edit(dialog, "txtAssicurazione")->text(), QStringLiteral("31/12/2025"));
            QCOMPARE(edit(dialog, "txtRevisione")->text(), QStringLiteral("30/06/2025"));
            QCOMPARE(edit(dialog, "txtBollo")->text(), QString());
            QCOMPARE(edit(dialog, "txtTagliando")->text(), QStringLiteral("01/09/2025"));
            QCOMPARE(edit(dialog, "txtAltraDescrizione")->text(), QStringLiteral("Estintore"));
            QCOMPARE(edit(dialog, "txtAltraData")->text(), QStringLiteral("01/03/2026"));
        });
    }

    // A proposal neither accepted nor changed is not saved.
    void anUnacceptedProposalIsNotSaved()
    {
        FleetArchive::AppendCard(Vehicle(1, QStringLiteral("06/2021")));
        press(editor, "cmdPrimo");
        openDeadlines([&](TfrmScadenze *dialog) {
            QVERIFY(dialog->InspectionProposed());
            edit(dialog, "txtAssicurazione")->setText(QStringLiteral("31/12/2025"));
            press(dialog, "btnSalva");
        });
        QCOMPARE(DeadlineFile::Read(FleetArchive::Path(), 1).deadlines.Revisione, QString());
        QCOMPARE(DeadlineFile::Read(FleetArchive::Path(), 1).deadlines.Assicurazione, QStringLiteral("31/12/2025"));
    }

    // Another workstation saves the same vehicle's deadlines while the
    // dialog is open: the save asks, as for cards; No shows theirs, Yes
    // writes over them.
    void twoWorkstationsOnOneVehicleGetTheOverwriteQuestion_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("keep theirs") << false;
        QTest::newRow("write mine") << true;
    }
    void twoWorkstationsOnOneVehicleGetTheOverwriteQuestion()
    {
        QFETCH(bool, overwrite);
        FleetArchive::AppendCard(Vehicle(1));
        storeDeadlines(1, Insurance(QStringLiteral("31/12/2025")));
        press(editor, "cmdPrimo");
        openDeadlines([&](TfrmScadenze *dialog) {
            QCOMPARE(edit(dialog, "txtAssicurazione")->text(), QStringLiteral("31/12/2025"));
            storeDeadlines(1, Insurance(QStringLiteral("31/01/2026"))); // the other workstation
            edit(dialog, "txtBollo")->setText(QStringLiteral("28/02/2026"));
            program->script.answers = {overwrite ? QMessageBox::Yes : QMessageBox::No};
            press(dialog, "btnSalva");
            QCOMPARE(program->script.messages.value(program->script.messages.size() - (overwrite ? 2 : 1)).text,
                     CardChangedElsewhereText);
            if (!overwrite) {
                QCOMPARE(dialog->result(), int(QDialog::Rejected));
                QCOMPARE(edit(dialog, "txtAssicurazione")->text(), QStringLiteral("31/01/2026"));
                QCOMPARE(edit(dialog, "txtBollo")->text(), QString());
            }
        });
        const VehicleDeadlines stored = DeadlineFile::Read(FleetArchive::Path(), 1).deadlines;
        QCOMPARE(stored.Assicurazione, overwrite ? QStringLiteral("31/12/2025") : QStringLiteral("31/01/2026"));
        QCOMPARE(stored.Bollo, overwrite ? QStringLiteral("28/02/2026") : QString());
    }

    // The line counts what is expired and what falls due within the notice;
    // it opens the list, whose double-click opens the vehicle's card.
    void theStartMenuLineCountsAndOpensTheList()
    {
        QWidget *menu = Navigator::Screen(ScreenId::StartMenu);
        auto *line = control<QLabel>(menu, "lblScadenze");
        HandOver(editor, menu);
        QVERIFY(!line->isVisible());

        for (int k = 1; k <= 3; ++k)
            FleetArchive::AppendCard(Vehicle(k));
        VehicleDeadlines first = Insurance(QStringLiteral("14/06/2025")); // expired yesterday
        first.Revisione = QStringLiteral("15/07/2025");                     // the notice's last day
        first.Bollo = QStringLiteral("16/07/2025");                         // one day beyond it
        storeDeadlines(1, first);
        storeDeadlines(3, Insurance(QStringLiteral("15/06/2025"))); // due today
        const auto backToMenu = [&] {
            HandOver(menu, editor);
            HandOver(editor, menu);
        };
        backToMenu();
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QStringLiteral("Scadenze automezzi: 1 scadute, 2 entro 30 giorni."));
        // The notice comes from the settings, read again each time the menu shows.
        program->dir.write(Settings::FileName, "[Impostazioni]\nPreavvisoScadenzeGiorni=10\n");
        backToMenu();
        QCOMPARE(line->text(), QStringLiteral("Scadenze automezzi: 1 scadute, 1 entro 10 giorni."));
        QFile::remove(program->dir.path(Settings::FileName));
        backToMenu();

        PrintedPdf printed(program->script, program->dir.path(QStringLiteral("scadenze.pdf")));
        QStringList texts;
        program->script.onModal = [&](QDialog *dialog) {
            auto *list = qobject_cast<TfrmScadenzeFlotta *>(dialog);
            QVERIFY(list);
            dialog->show();
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Scadenze automezzi"));
            auto *lines = control<QListView>(dialog, "lstRecords");
            texts = LinesOf(lines);
            QCOMPARE(lines->model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(QStringLiteral("crimson")));
            QVERIFY(!lines->model()->index(1, 0).data(Qt::ForegroundRole).isValid());
            press(dialog, "btnStampa");
            program->script.answers = {QMessageBox::Yes, QMessageBox::No};
            press(dialog, "btnEsporta");
            DoubleClickLine(lines, 1);
            dialog->hide();
        };
        QTest::mouseClick(line, Qt::LeftButton);
        program->script.onModal = nullptr;

        QCOMPARE(texts.size(), 3);
        QVERIFY(texts.at(0).startsWith(QStringLiteral("14/06/2025  scaduta da 1 giorni")));
        QVERIFY(texts.at(1).startsWith(QStringLiteral("15/06/2025  oggi")));
        QVERIFY(texts.at(1).contains(QStringLiteral("Fiat Panda 3")));
        QVERIFY(texts.at(2).contains(QStringLiteral("Revisione")));
        QVERIFY(printed.text().contains(QStringLiteral("Scadenze automezzi")));
        QVERIFY(printed.text().contains(QStringLiteral("AB003CD")));
        const QByteArray sheet = program->dir.bytes(DeadlinesExportFileName);
        QVERIFY(sheet.contains("scaduta da 1 giorni"));
        QVERIFY(sheet.contains("AB001CD"));

        // The double-click on the second line opened card 3 in the editor.
        QVERIFY(editor->isVisible());
        QVERIFY(!menu->isVisible());
        QCOMPARE(position(), QStringLiteral("3"));
        QCOMPARE(edit(editor, "txtTarga")->text(), QStringLiteral("AB003CD"));
    }

    // An available vehicle with an expired insurance keeps its line, marked
    // and drawn in crimson; the others are as before.
    void anExpiredInsuranceMarksTheAvailableList()
    {
        FleetArchive::AppendCard(Vehicle(1));
        FleetArchive::AppendCard(Vehicle(2));
        storeDeadlines(1, Insurance(QStringLiteral("14/06/2025")));
        storeDeadlines(2, Insurance(QStringLiteral("15/06/2025")));
        QStringList texts;
        QList<bool> crimson;
        program->script.onModal = [&](QDialog *dialog) {
            QVERIFY(qobject_cast<TfrmDisponibili *>(dialog));
            dialog->show();
            auto *lines = control<QListView>(dialog, "lstRecords");
            texts = LinesOf(lines);
            for (int r = 0; r < texts.size(); ++r)
                crimson << lines->model()->index(r, 0).data(Qt::ForegroundRole).isValid();
            dialog->hide();
        };
        press(editor, "cmdDisponibili");
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts.at(0).endsWith(QStringLiteral("  ASSICURAZIONE SCADUTA")));
        QVERIFY(!texts.at(1).contains(QStringLiteral("SCADUTA")));
        QCOMPARE(crimson, (QList<bool>{true, false}));
    }
};

QTEST_MAIN(TestScadenze)
#include "tst_scadenze.moc"
