#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"
#include "gui/Startup.h"
#include "gui/access/TfrmAvvio.h"
#include "gui/kit/TfrmCalendario.h"
#include "gui/kit/WindowKit.h"
#include "gui/register/TfrmRegistro.h"
#include "core/register/RegisterCard.h"
#include "core/register/YearArchive.h"
#include "core/register/VisitRecord.h"
#include "core/fleet/FleetArchive.h"
#include "core/storage/FileWrites.h"

#include "TestSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
const QString EmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString Inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString Rewritten = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

QStringList FieldNames()
{
    QStringList names;
    for (const auto &f : VisitFields)
        names << QStringLiteral("txt") + QLatin1String(f.name);
    return names;
}

// A card as another window or workstation would have stored it.
QByteArray Card(int k)
{
    VisitRecord card;
    card.DataEnt = QStringLiteral("0%1/02/2021").arg(k);
    card.OraEnt = QStringLiteral("08:0%1").arg(k);
    card.Veicolo = QStringLiteral("Auto %1").arg(k);
    card.Targa = QStringLiteral("TG00%1").arg(k);
    return card.toBytes();
}
} // namespace

class TestRegistro : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    std::unique_ptr<FixedClock> clock;
    TfrmRegistro *editor = nullptr;

    QLineEdit *field(const QString &name) const { return editor->findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) const { return editor->findChild<QLabel *>(name); }
    QString position() const { return label("lblPosizione")->text(); }
    QByteArray archive() const { return program->dir.bytes("2021.vis"); }

    void click(const QString &name)
    {
        QWidget *control = editor->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QTest::mouseClick(control, Qt::LeftButton);
    }
    void activate()
    {
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTRY_COMPARE(QApplication::activeWindow(), editor);
    }
    void setPinnedClock(const QDateTime &now)
    {
        clock.reset();
        clock = std::make_unique<FixedClock>(now);
    }
    // A card the save checks accept, put there as the program would.
    void fillValidCard()
    {
        field("txtDataEnt")->setText("05/03/2021");
        field("txtOraEnt")->setText("07:45");
        field("txtVeicolo")->setText("Fiat Ducato");
        field("txtTarga")->setText("AB123CD");
    }

private slots:
    void initTestCase()
    {
        SetUpItalian(*qApp);
    }

    void init()
    {
        setPinnedClock(QDateTime(QDate(2021, 3, 5), QTime(7, 45, 30)));
        program = std::make_unique<ProgramWindows>();
        editor = program->showRegister("2021");
        QVERIFY(editor->isVisible());
    }

    void cleanup()
    {
        editor = nullptr;
        clock.reset();
        program.reset();
    }

    void opensOnANewCardDatedNow()
    {
        QCOMPARE(TfrmRegistro().windowTitle(), QStringLiteral(" Varcanto - Ingressi e Uscite Veicoli"));
        editor->OpenYear(" 2021 ");
        QCOMPARE(editor->windowTitle(), QStringLiteral(" Varcanto - Ingresso e Uscite Veicoli anno 2021"));
        QCOMPARE(editor->ArchivePath(), program->dir.path("2021.vis"));

        // Whatever the hidden screen held, coming back starts a new card.
        for (const QString &name : FieldNames())
            field(name)->setText("vecchio");
        label("lblPosizione")->setText("7");
        setPinnedClock(QDateTime(QDate(2021, 12, 1), QTime(9, 5, 59)));
        HandOver(editor, Navigator::Screen(ScreenId::StartMenu));
        HandOver(Navigator::Screen(ScreenId::StartMenu), editor);
        activate();
        QCOMPARE(field("txtDataEnt")->text(), QStringLiteral("01/12/2021"));
        QCOMPARE(field("txtOraEnt")->text(), QStringLiteral("09:05"));
        for (const QString &name : FieldNames().mid(2))
            QCOMPARE(field(name)->text(), QString());
        QCOMPARE(position(), QString());
        QCOMPARE(QApplication::focusWidget(), field("txtOperatoreEnt"));
        for (const auto &f : VisitFields)
            QCOMPARE(field(QStringLiteral("txt") + QLatin1String(f.name))->maxLength(), f.capacity);
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("dataEnt");
        QTest::addColumn<QString>("oraEnt");
        QTest::addColumn<QString>("veicolo");
        QTest::addColumn<QString>("targa");
        QTest::addColumn<QString>("dataUsc");
        QTest::addColumn<QString>("oraUsc");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString validHint = QStringLiteral(
            " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato "
            "gg/mm/aaaa.");
        const QString bothHint = QStringLiteral(
            "\n\r\n\rPer poter salvare la scheda è necessario o compilare o lasciare in bianco entrambi i campi di "
            "testo.");
        QTest::newRow("entry date and plate missing: only the date is told")
            << "" << "07:45" << "Panda" << "" << "" << "" << true
            << "Attenzione: per salvare la scheda è necessario indicare la data d'ingresso." << "txtDataEnt";
        QTest::newRow("entry date that does not exist")
            << "31/04/2021" << "" << "" << "" << "" << "" << false
            << "Attenzione: la data d'ingresso 31/04/2021" + validHint << "txtDataEnt";
        QTest::newRow("entry time of blanks")
            << "05/03/2021" << "   " << "Panda" << "AB1" << "" << "" << true
            << "Attenzione: per salvare la scheda è necessario indicare l'ora d'ingresso." << "txtOraEnt";
        QTest::newRow("no make and model")
            << "05/03/2021" << "8.30" << "" << "" << "" << "" << true
            << "Attenzione: per salvare la scheda è necessario indicare la marca e il modello del veicolo."
            << "txtVeicolo";
        QTest::newRow("no plate")
            << "05/03/2021" << "8.30" << "Panda" << "" << "" << "" << true
            << "Attenzione: per salvare la scheda è necessario indicare la targa del veicolo." << "txtTarga";
        QTest::newRow("exit date that does not exist")
            << "05/03/2021" << "8.30" << "Panda" << "AB1" << "29/02/2021" << "" << false
            << "Attenzione: la data d'uscita 29/02/2021" + validHint << "txtDataUsc";
        QTest::newRow("exit time without exit date")
            << "05/03/2021" << "8.30" << "Panda" << "AB1" << "" << "10:00" << false
            << "Attenzione: è stata indicata l'ora d'uscita ma non la data." + bothHint << "txtDataUsc";
        QTest::newRow("exit date without exit time")
            << "05/03/2021" << "8.30" << "Panda" << "AB1" << "06/03/2021" << " " << false
            << "Attenzione: è stata indicata la data d'uscita ma non l'ora." + bothHint << "txtDataUsc";
    }

    void saveChecks()
    {
        QFETCH(QString, dataEnt);
        QFETCH(QString, oraEnt);
        QFETCH(QString, veicolo);
        QFETCH(QString, targa);
        QFETCH(QString, dataUsc);
        QFETCH(QString, oraUsc);
        QFETCH(bool, warning);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        activate();
        field("txtDataEnt")->setText(dataEnt);
        field("txtOraEnt")->setText(oraEnt);
        field("txtVeicolo")->setText(veicolo);
        field("txtTarga")->setText(targa);
        field("txtDataUsc")->setText(dataUsc);
        field("txtOraUsc")->setText(oraUsc);
        click("btnSalva");
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, warning ? MessageKind::Warning : MessageKind::Plain);
        QCOMPARE(program->script.messages[0].text, message);
        QCOMPARE(QApplication::focusWidget(), field(focus));
        // Refused: nothing reaches the archive, nothing on screen changes.
        QVERIFY(!QFile::exists(program->dir.path("2021.vis")));
        QCOMPARE(position(), QString());
        QCOMPARE(field("txtOraEnt")->text(), oraEnt);
        QCOMPARE(field("txtOraUsc")->text(), oraUsc);
    }

    void savesANewCardThenRewritesItInPlace()
    {
        activate();
        field("txtOraEnt")->clear();
        field("txtOraEnt")->setFocus();
        QTest::keyClicks(field("txtOraEnt"), "8.30");
        field("txtOperatoreEnt")->setFocus();
        QTest::keyClicks(field("txtOperatoreEnt"), "  Rossi ");
        field("txtVeicolo")->setFocus();
        QTest::keyClicks(field("txtVeicolo"), "Fiat Ducato");
        field("txtTarga")->setFocus();
        QTest::keyClicks(field("txtTarga"), "ab12 cd ");
        QTest::sendKeyEvent(QTest::Click, field("txtTarga"), Qt::Key_unknown, QStringLiteral("è"), Qt::NoModifier);
        QCOMPARE(field("txtTarga")->text(), QStringLiteral("AB12CDè"));

        click("btnSalva");
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Information);
        QCOMPARE(program->script.messages[0].text, Inserted);
        QCOMPARE(position(), QStringLiteral("1"));
        QByteArray bytes = archive();
        QCOMPARE(bytes.size(), 1366);
        QCOMPARE(bytes.mid(0, 11), QByteArray("\x0A" "05/03/2021"));
        QCOMPARE(bytes.mid(11, 5), QByteArray("\x04" "8.30"));
        QCOMPARE(bytes.mid(17, 6), QByteArray("\x05" "Rossi"));
        QCOMPARE(bytes.mid(119, 8), QByteArray("\x07" "AB12CD\xE8"));
        QCOMPARE(bytes.at(1298), '\0');
        // The screen keeps the texts as typed.
        QCOMPARE(field("txtOperatoreEnt")->text(), QStringLiteral("  Rossi "));

        // The vehicle leaves: the same card is completed and saved again.
        click("impDataUsc");
        click("impOraUscita");
        field("txtOperatoreUsc")->setText("Bianchi");
        click("btnSalva");
        QCOMPARE(program->script.messages.size(), 2);
        QCOMPARE(program->script.messages[1].kind, MessageKind::Information);
        QCOMPARE(program->script.messages[1].text, Rewritten);
        QCOMPARE(position(), QStringLiteral("1"));
        bytes = archive();
        QCOMPARE(bytes.size(), 1366);
        const VisitRecord stored = VisitRecord::fromBytes(bytes);
        QCOMPARE(stored.DataUsc, QStringLiteral("05/03/2021"));
        QCOMPARE(stored.OraUsc, QStringLiteral("07:45"));
        QCOMPARE(stored.OperatoreUsc, QStringLiteral("Bianchi"));
        QCOMPARE(stored.Targa, QStringLiteral("AB12CDè"));

        // Meanwhile another workstation stores a card; the next new card here
        // takes the number free at the moment of saving.
        {
            QFile shared(program->dir.path("2021.vis"));
            QVERIFY(shared.open(QIODevice::Append));
            shared.write(Card(2));
        }
        click("btnNuovo");
        fillValidCard();
        click("btnSalva");
        QCOMPARE(program->script.lastMessage(), Inserted);
        QCOMPARE(position(), QStringLiteral("3"));
        const QByteArray after = archive();
        QCOMPARE(after.size(), 3 * 1366);
        QCOMPARE(after.left(1366), bytes);
        QCOMPARE(after.mid(1366, 1366), Card(2));
        QCOMPARE(VisitRecord::fromBytes(after.mid(2 * 1366)).Veicolo, QStringLiteral("Fiat Ducato"));
    }

    void arrows_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QString>("expectedPosition");
        QTest::addColumn<QString>("expectedVeicolo");
        QTest::addColumn<bool>("emptyMessage");
        const QString kept = QStringLiteral("in corso");
        // An archive with no card (missing until the arrow creates it).
        QTest::newRow("empty, first") << 0 << "" << "cmdPrimo" << "" << kept << true;
        QTest::newRow("empty, last") << 0 << "" << "cmdUltimo" << "" << kept << true;
        QTest::newRow("empty, next empties the number") << 0 << "2" << "cmdAvanti" << "" << kept << true;
        QTest::newRow("empty, previous") << 0 << "" << "cmdIndietro" << "" << kept << true;
        QTest::newRow("empty, previous on card 1") << 0 << "1" << "cmdIndietro" << "1" << kept << false;
        // A new card on screen.
        QTest::newRow("new, first") << 3 << "" << "cmdPrimo" << "1" << "Auto 1" << false;
        QTest::newRow("new, last") << 3 << "" << "cmdUltimo" << "3" << "Auto 3" << false;
        QTest::newRow("new, next") << 3 << "" << "cmdAvanti" << "1" << "Auto 1" << false;
        QTest::newRow("new, previous") << 3 << "" << "cmdIndietro" << "1" << "Auto 1" << false;
        // A stored card on screen.
        QTest::newRow("card 2, first") << 3 << "2" << "cmdPrimo" << "1" << "Auto 1" << false;
        QTest::newRow("card 2, last") << 3 << "2" << "cmdUltimo" << "3" << "Auto 3" << false;
        QTest::newRow("card 2, next") << 3 << " 2 " << "cmdAvanti" << "3" << "Auto 3" << false;
        QTest::newRow("card 2, previous") << 3 << "2" << "cmdIndietro" << "1" << "Auto 1" << false;
        QTest::newRow("last card, next does nothing") << 3 << "3" << "cmdAvanti" << "3" << kept << false;
        QTest::newRow("card 1, previous does nothing") << 3 << "1" << "cmdIndietro" << "1" << kept << false;
    }

    void arrows()
    {
        QFETCH(int, cards);
        QFETCH(QString, shown);
        QFETCH(QString, arrow);
        QFETCH(QString, expectedPosition);
        QFETCH(QString, expectedVeicolo);
        QFETCH(bool, emptyMessage);
        // Card `shown` is on screen (read while the archive held it), edited.
        if (!shown.trimmed().isEmpty()) {
            QByteArray before;
            for (int k = 1; k <= std::max(cards, shown.trimmed().toInt()); ++k)
                before += Card(k);
            program->dir.write("2021.vis", before);
            QVERIFY(editor->LoadCard(shown.trimmed().toInt()));
            QVERIFY(QFile::remove(program->dir.path("2021.vis")));
        }
        QByteArray stored;
        for (int k = 1; k <= cards; ++k)
            stored += Card(k);
        if (cards > 0)
            program->dir.write("2021.vis", stored);
        field("txtVeicolo")->setText("in corso");
        field("txtTarga")->setText("in corso");

        // The edits are dropped when asked (asked only when a card is shown).
        program->script.answers << QMessageBox::No;
        click(arrow);
        const bool asked = !program->script.messages.isEmpty() && program->script.messages[0].text == UnsavedChangesText;
        QCOMPARE(asked, expectedVeicolo.startsWith("Auto"));
        if (asked)
            program->script.messages.removeFirst();
        QCOMPARE(position(), expectedPosition);
        QCOMPARE(field("txtVeicolo")->text(), expectedVeicolo);
        if (expectedVeicolo.startsWith("Auto")) {
            const QString k = expectedPosition;
            QCOMPARE(field("txtTarga")->text(), "TG00" + k);
            QCOMPARE(field("txtDataEnt")->text(), "0" + k + "/02/2021");
            QCOMPARE(field("txtOraUsc")->text(), QString());
        }
        if (emptyMessage) {
            QCOMPARE(program->script.messages.size(), 1);
            QCOMPARE(program->script.messages[0].kind, MessageKind::Information);
            QCOMPARE(program->script.messages[0].text, EmptyArchive);
        } else {
            QCOMPARE(program->script.messages.size(), 0);
        }
        // Browsing never writes; a missing archive now exists, empty.
        QVERIFY(QFile::exists(program->dir.path("2021.vis")));
        QCOMPARE(archive(), stored);
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("after"); // the card number shown once the action went on
        QTest::newRow("Nuovo, Sì saves") << "btnNuovo" << int(QMessageBox::Yes) << "";
        QTest::newRow("Nuovo, No drops") << "btnNuovo" << int(QMessageBox::No) << "";
        QTest::newRow("Nuovo, Annulla stays") << "btnNuovo" << int(QMessageBox::Cancel) << "";
        QTest::newRow("arrow, Sì saves") << "cmdPrimo" << int(QMessageBox::Yes) << "1";
        QTest::newRow("list, No drops") << "btnNonUsciti" << int(QMessageBox::No) << "1";
        QTest::newRow("list, Annulla stays") << "btnNonUsciti" << int(QMessageBox::Cancel) << "1";
        QTest::newRow("Esci, Sì saves") << "btnEsci" << int(QMessageBox::Yes) << "";
        QTest::newRow("Esci, Annulla stays") << "btnEsci" << int(QMessageBox::Cancel) << "";
    }

    // A stored card edited, then replaced: Sì saves it first, No drops the
    // edits, Annulla leaves the card on screen as it was.
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(QString, after);
        program->dir.write("2021.vis", Card(1) + Card(2));
        activate();
        click("cmdUltimo");
        QCOMPARE(position(), QStringLiteral("2"));
        QVERIFY(program->script.messages.isEmpty()); // the new card had no change
        field("txtNote")->setText("nota");
        program->script.answers << QMessageBox::StandardButton(answer);
        program->script.onModal = [](QDialog *dialog) {
            dialog->show();
            DoubleClickLine(control<QListView>(dialog, "lstRecords"), 0);
        };
        click(action);
        QCOMPARE(program->script.messages.value(0).kind, MessageKind::Question);
        QCOMPARE(program->script.messages.value(0).text,
                 QStringLiteral("La scheda sullo schermo contiene modifiche non salvate.\n\r\n\rSalvarle prima di continuare?"));
        const VisitRecord stored = VisitRecord::fromBytes(archive().mid(1366));
        QCOMPARE(stored.Note, answer == QMessageBox::Yes ? QStringLiteral("nota") : QString());
        QCOMPARE(archive().size(), 2 * 1366);
        if (answer == QMessageBox::Cancel) {
            QCOMPARE(position(), QStringLiteral("2"));
            QCOMPARE(field("txtNote")->text(), QStringLiteral("nota"));
            QVERIFY(editor->isVisible());
            return;
        }
        if (action == "btnEsci") {
            QVERIFY(!editor->isVisible());
            return;
        }
        QCOMPARE(position(), after);
        QCOMPARE(field("txtNote")->text(), QString());
    }

    // Sì with a card the checks refuse: told, and the card stays. A new card
    // with only its proposed entry date and time has nothing to ask about.
    void refusedSaveKeepsTheCard()
    {
        activate();
        setPinnedClock(QDateTime(QDate(2021, 3, 6), QTime(18, 0)));
        click("btnNuovo");
        QVERIFY(program->script.messages.isEmpty());
        QCOMPARE(field("txtOraEnt")->text(), QStringLiteral("18:00"));
        field("txtVeicolo")->setText("Fiat Ducato");
        program->script.answers << QMessageBox::Yes;
        click("btnNuovo");
        QCOMPARE(program->script.messages.size(), 2);
        QCOMPARE(program->script.messages[1].text,
                 CheckCardForSave(RecordFromControls(editor, VisitFields))->message);
        QCOMPARE(field("txtVeicolo")->text(), QStringLiteral("Fiat Ducato"));
        QVERIFY(archive().isEmpty());
    }

    void enterAndTabOrders()
    {
        activate();
        const QStringList enterFromOraEnt = {"txtOperatoreEnt", "txtVeicolo", "txtTarga", "txtConduttore",
                                             "txtPersone", "txtMerce", "txtFoglio", "txtTessere", "txtLuogo",
                                             "txtTelCel", "txtNote", "txtDataUsc"};
        field("txtOraEnt")->setFocus();
        for (const QString &next : enterFromOraEnt) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
        field("txtOraUsc")->setFocus();
        for (const char *next : {"txtOperatoreUsc", "txtDataEnt"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
        }
        QCOMPARE(program->script.messages.size(), 0);

        const QStringList tabOrder = FieldNames() + QStringList{"btnNuovo", "btnSalva", "btnTrova", "btnNonUsciti", "btnEntratiOggi",
                                                                "btnUscitiOggi", "btnStampa", "btnExcel", "btnTargheSegnalate",
                                                                "btnGuida", "btnEsci"};
        field("txtDataEnt")->setFocus();
        for (const QString &next : tabOrder.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void highlightShowsOnlyOnTheFocusedField()
    {
        activate();
        const QStringList names = FieldNames();
        for (const QString &focused : names) {
            field(focused)->setFocus();
            for (const QString &name : names) {
                auto *eff = editor->findChild<QFrame *>("eff" + name.mid(3));
                QVERIFY2(eff, qPrintable(name));
                QCOMPARE(eff->isVisible(), name == focused);
            }
            auto *eff = editor->findChild<QFrame *>("eff" + focused.mid(3));
            QVERIFY(eff->geometry().contains(field(focused)->geometry()));
        }
    }

    void statusHints()
    {
        auto *panInfo = label("panInfo");
        QCOMPARE(panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        const QString picker = QStringLiteral(
            "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.");
        const QList<QPair<QString, QString>> walk = {
            {"txtVeicolo", "Pronto per archiviare una nuova scheda..."}, // no hint: left alone
            {"btnNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
            {"btnSalva", "Salva la scheda corrente in archivio."},
            {"txtTarga", "Salva la scheda corrente in archivio."},
            {"btnTrova", "Trova una scheda in archivio."},
            {"btnNonUsciti", "Visualizza l'elenco dei veicoli non ancora usciti."},
            {"btnEntratiOggi", "Visualizza l'elenco dei veicoli entrati oggi."},
            {"btnUscitiOggi", "Visualizza l'elenco dei veicoli usciti oggi."},
            {"btnStampa", "Stampa la scheda corrente."},
            {"btnExcel", "Esporta le schede in archivio in un file di Microsoft Excel."},
            {"btnGuida", "Visualizza la guida in linea."},
            {"btnEsci", "Esci da questa schermata di lavoro."},
            {"cmdPrimo", "Visualizza la prima scheda in archivio."},
            {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
            {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
            {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
            {"impDataEnt", "Inserisci data corrente."},
            {"impOraEnt", "Inserisci ora corrente."},
            {"txtDataUsc", picker},
            {"shpInfo", ""},
            {"impOraUscita", "Inserisci ora corrente."},
            {"impDataUsc", "Inserisci data corrente."},
            {"txtDataEnt", picker},
            {"panVeicolo", ""},
        };
        for (const auto &[name, expected] : walk) {
            QWidget *control = editor->findChild<QWidget *>(name);
            QVERIFY2(control && control->isVisible(), qPrintable(name));
            // Group boxes are probed on their frame, away from the fields.
            const QPoint at = name.startsWith("pan") ? QPoint(4, control->height() - 4) : control->rect().center();
            QTest::mouseMove(control, at);
            QVERIFY2(panInfo->text() == expected, qPrintable(name + ": " + panInfo->text()));
        }
        QTest::mouseMove(field("txtOraEnt"));
        QTest::mouseMove(editor, QPoint(editor->width() / 2, editor->height() - 50));
        QCOMPARE(panInfo->text(), QString());
        // Coming back to the screen does not bring the design text back.
        HandOver(editor, Navigator::Screen(ScreenId::StartMenu));
        HandOver(Navigator::Screen(ScreenId::StartMenu), editor);
        QCOMPARE(panInfo->text(), QString());
    }

    // A read-only archive (a read-only share, an archive marked read-only)
    // is consulted as any other: the arrows show its cards; only a save is
    // refused (above).
    void readOnlyArchiveIsConsulted()
    {
        program->dir.write("2021.vis", Card(1) + Card(2));
        QVERIFY(QFile::setPermissions(program->dir.path("2021.vis"), QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                                                 | QFileDevice::ReadOther));
        AsOrdinaryUser user;
        click("cmdUltimo");
        QCOMPARE(position(), QStringLiteral("2"));
        QCOMPARE(field("txtTarga")->text(), QStringLiteral("TG002"));
        click("cmdIndietro");
        QCOMPARE(position(), QStringLiteral("1"));
        QCOMPARE(program->script.messages.size(), 0);
    }

    // While a save waits for another workstation's lock, the window goes on
    // painting (and so answering the accessibility bus), shows a wait cursor
    // and says why in its status line; then the save ends as usual and the
    // status line says what it said before.
    void saveWaitingForTheLockKeepsTheWindowAlive()
    {
        program->dir.write("2021.vis", Card(1));
        fillValidCard();
        auto *status = label("panInfo");
        const QString before = status->text();
        LockHeldElsewhere other(program->dir.path("2021.vis"), 1500);
        QVERIFY(other.holding());

        struct Seen {
            QString status;
            int cursor = -1;
            int paints = 0;
        } seen;
        struct PaintCounter : QObject {
            int *paints;
            explicit PaintCounter(int *p) : paints(p) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    ++*paints;
                return false;
            }
        } counter(&seen.paints);
        status->installEventFilter(&counter);
        QTimer::singleShot(300, editor, [&] {
            seen.status = status->text();
            if (const QCursor *cursor = QApplication::overrideCursor())
                seen.cursor = cursor->shape();
            seen.paints = 0;
            status->update();
        });
        click("btnSalva");
        status->removeEventFilter(&counter);

        QCOMPARE(seen.status, QStringLiteral("Archivio in uso da un'altra postazione: attendere..."));
        QCOMPARE(seen.cursor, int(Qt::WaitCursor));
        QVERIFY(seen.paints > 0);
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].text, Inserted);
        QCOMPARE(position(), QStringLiteral("2"));
        QCOMPARE(status->text(), before);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A save cut short by an older copy of the program left 700 bytes after
    // the last whole card: they are kept in a file of their own and the
    // operator is told once; the card goes at the first whole position.
    void looseTailIsKeptAndTold()
    {
        const QByteArray tail = Card(3).left(700);
        program->dir.write("2021.vis", Card(1) + Card(2) + tail);
        fillValidCard();
        click("btnSalva");
        QCOMPARE(program->script.messages.size(), 2);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Warning);
        QCOMPARE(program->script.messages[0].text,
                 QStringLiteral("Attenzione: l'archivio \"2021.vis\" terminava con 700 byte che non formano una scheda "
                                "intera (un salvataggio interrotto o una copia danneggiata).\r\n\r\nQuei byte sono stati "
                                "conservati nel file \"2021.vis.coda_20210305_074530\", accanto all'archivio, e la "
                                "scheda è stata salvata dopo l'ultima scheda intera."));
        QCOMPARE(program->script.messages[1].text, Inserted);
        QCOMPARE(position(), QStringLiteral("3"));
        QCOMPARE(program->dir.bytes("2021.vis.coda_20210305_074530"), tail);
        QCOMPARE(archive().size(), 3 * 1366);
        QCOMPARE(archive().left(2 * 1366), Card(1) + Card(2));

        click("btnNuovo");
        fillValidCard();
        click("btnSalva");
        QCOMPARE(program->script.messages.size(), 3);
        QCOMPARE(position(), QStringLiteral("4"));
    }

    // Every field is one line: line breaks and tabs pasted into a field are
    // stored as blanks.
    void fieldsAreStoredOnOneLine()
    {
        fillValidCard();
        QApplication::clipboard()->setText(QStringLiteral("prima riga\nseconda\triga\r\nterza"));
        field("txtNote")->setFocus();
        QTest::keyClick(field("txtNote"), Qt::Key_V, Qt::ControlModifier);
        field("txtConduttore")->setText(QStringLiteral("Rossi\tMario"));
        click("btnSalva");
        QCOMPARE(program->script.lastMessage(), Inserted);
        const VisitRecord stored = YearArchive::At(program->dir.path("2021.vis")).Read(1);
        QCOMPARE(stored.Note, QStringLiteral("prima riga seconda riga terza"));
        QCOMPARE(stored.Conduttore, QStringLiteral("Rossi Mario"));
    }

    void dateFieldsOpenThePicker_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("other");
        QTest::newRow("entry date") << "txtDataEnt" << "txtDataUsc";
        QTest::newRow("exit date") << "txtDataUsc" << "txtDataEnt";
    }

    void dateFieldsOpenThePicker()
    {
        QFETCH(QString, name);
        QFETCH(QString, other);
        activate();
        QLineEdit *date = field(name);
        QVERIFY(date->isReadOnly());
        QCOMPARE(date->alignment(), Qt::AlignCenter);
        int opened = 0;
        program->script.onModal = [&](QDialog *dialog) {
            QVERIFY(qobject_cast<TfrmCalendario *>(dialog));
            QCOMPARE(dialog->parentWidget(), editor);
            ++opened;
            dialog->reject();
        };
        date->setText("01/01/2021");
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Backspace);
        QCOMPARE(date->text(), QString());
        date->setText("01/01/2021");
        QTest::keyClick(date, Qt::Key_Delete);
        QCOMPARE(date->text(), QString());
        QCOMPARE(opened, 0);

        QTest::keyClick(date, Qt::Key_A);
        QCOMPARE(date->text(), QString());
        QTest::keyClick(date, Qt::Key_Return);
        QCOMPARE(opened, 2);

        // The day picked in the calendar lands in this field only.
        const QString otherBefore = field(other)->text();
        program->script.onModal = [](QDialog *dialog) {
            dialog->findChild<QCalendarWidget *>("calAppuntamenti")->setSelectedDate(QDate(2021, 1, 9));
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnImportaData"), Qt::LeftButton);
        };
        QTest::keyClick(date, Qt::Key_5);
        QCOMPARE(date->text(), QStringLiteral("09/01/2021"));
        QCOMPARE(field(other)->text(), otherBefore);
        QCOMPARE(program->script.messages.size(), 0);
    }

    void importButtonsWriteNow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("entry date") << "impDataEnt" << "txtDataEnt" << "05/03/2021";
        QTest::newRow("entry time") << "impOraEnt" << "txtOraEnt" << "07:45";
        QTest::newRow("exit date") << "impDataUsc" << "txtDataUsc" << "05/03/2021";
        QTest::newRow("exit time") << "impOraUscita" << "txtOraUsc" << "07:45";
    }

    void importButtonsWriteNow()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        field(name)->setText("31/12/2020");
        label("lblPosizione")->setText("4");
        click(button);
        QCOMPARE(field(name)->text(), expected);
        QCOMPARE(position(), QStringLiteral("4"));
        QVERIFY(!QFile::exists(program->dir.path("2021.vis")));
    }

    void guidaOpensTheRegisterTopic()
    {
        QString title;
        program->script.onModal = [&](QDialog *dialog) {
            QCOMPARE(dialog->parentWidget(), editor);
            title = dialog->findChild<QLabel *>("lblTitolo")->text();
            dialog->reject();
        };
        click("btnGuida");
        QCOMPARE(title, QStringLiteral("Applicazione Ingressi e Uscite Veicoli."));
    }

    void closingGoesBackToTheStartMenu_data()
    {
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("Esci") << false;
        QTest::newRow("title-bar close") << true;
    }

    void closingGoesBackToTheStartMenu()
    {
        QFETCH(bool, titleBar);
        if (titleBar)
            QVERIFY(!editor->close());
        else
            click("btnEsci");
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
        QVERIFY(!editor->isVisible());
        QCOMPARE(Navigator::Screen(ScreenId::Register), editor);
    }
};

QTEST_MAIN(TestRegistro)
#include "tst_registro.moc"
