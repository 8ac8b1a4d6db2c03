// The vehicle card editor driven through the real window: new card, save
// checks, append and rewrite, duplicate, arrows, availability mark, field
// rules, and the identifier check it opens.
#include "gui/Startup.h"
#include "gui/help/TfrmGuida.h"
#include "gui/checks/TfrmCodFisc.h"
#include "gui/checks/TfrmPartitaIva.h"
#include "core/fleet/FleetArchive.h"
#include "gui/fleet/TfrmFlotta.h"
#include "core/fleet/VehicleRecord.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"

#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {
const QString EmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString Inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString Rewritten = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// A vehicle as another workstation would have stored it.
VehicleRecord Vehicle(int k, const QString &available = QStringLiteral("No"))
{
    VehicleRecord v;
    v.Veicolo = QStringLiteral("Autocarro");
    v.Marca = QStringLiteral("Iveco");
    v.Modello = QStringLiteral("Daily %1").arg(k);
    v.Targa = QStringLiteral("AB00%1CD").arg(k);
    v.Disponibile = available;
    v.File01 = QStringLiteral("libretto%1.pdf").arg(k);
    v.Desc03 = QStringLiteral("foto %1").arg(k);
    return v;
}

QByteArray Fleet(int cards)
{
    QByteArray bytes;
    for (int k = 1; k <= cards; ++k)
        bytes += Vehicle(k).toBytes();
    return bytes;
}
} // namespace

class TestFlotta : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    TfrmFlotta *editor = nullptr;

    QWidget *control(const QString &name) const { return editor->findChild<QWidget *>(name); }
    QLineEdit *field(const QString &name) const { return editor->findChild<QLineEdit *>(name); }
    QComboBox *combo(const QString &name) const { return editor->findChild<QComboBox *>(name); }
    QLabel *label(const QString &name) const { return editor->findChild<QLabel *>(name); }
    QCheckBox *available() const { return editor->findChild<QCheckBox *>("chkDisponibile"); }
    QString position() const { return label("lblPosizione")->text(); }
    QByteArray archive() const { return program->dir.bytes("Flotta_Automezzi.pro"); }
    VehicleRecord stored(int number) const
    {
        return VehicleRecord::fromBytes(archive().mid((number - 1) * VehicleRecord::Size, VehicleRecord::Size));
    }
    void click(const QString &name)
    {
        QWidget *c = control(name);
        QVERIFY2(c, qPrintable(name));
        QTest::mouseClick(c, Qt::LeftButton);
    }
    void fillMandatory()
    {
        combo("txtVeicolo")->setEditText("Autovettura");
        field("txtMarca")->setText("Fiat");
        field("txtModello")->setText("Panda");
        field("txtTarga")->setText("AB123CD");
    }

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void init()
    {
        program = std::make_unique<ProgramWindows>();
        editor = program->showFleet();
        QVERIFY(editor->isVisible());
    }

    void cleanup()
    {
        editor = nullptr;
        program.reset();
    }

    void opensOnANewCard()
    {
        QCOMPARE(editor->windowTitle(), QStringLiteral(" Varcanto - Parco Automezzi"));
        for (const auto &f : VehicleFields) {
            QWidget *c = control(QStringLiteral("txt") + QLatin1String(f.name));
            if (QLatin1String(f.name).startsWith(QLatin1String("File"))
                || QLatin1String(f.name).startsWith(QLatin1String("Desc"))
                || QLatin1String(f.name) == QLatin1String("Disponibile")) {
                QVERIFY(!c);
                continue;
            }
            QVERIFY2(c, f.name);
            const QLineEdit *line = qobject_cast<QLineEdit *>(c);
            QCOMPARE(line ? line->maxLength() : qobject_cast<QComboBox *>(c)->lineEdit()->maxLength(), f.capacity);
        }
        QCOMPARE(combo("txtVeicolo")->count(), 19);
        QCOMPARE(combo("txtAlimentazione")->itemText(2), QStringLiteral("Elettricità"));
        QCOMPARE(combo("txtStato")->itemText(5), QStringLiteral("Da rottamare"));
        for (const char *name : {"cmdAnteprima", "cmdStampa", "cmdPDF"})
            QVERIFY2(!control(name)->isHidden(), name);

        // Whatever the hidden screen held, coming back starts a new card.
        combo("txtVeicolo")->setCurrentIndex(3);
        field("txtNote")->setText("vecchio");
        available()->setChecked(true);
        program->dir.write("Flotta_Automezzi.pro", Fleet(1));
        program->script.answers << QMessageBox::No; // the edits of the new card are dropped
        click("cmdPrimo");
        QCOMPARE(editor->Attachments().files[0], QStringLiteral("libretto1.pdf"));
        QVERIFY(QFile::remove(program->dir.path("Flotta_Automezzi.pro")));
        HandOver(editor, Navigator::Screen(ScreenId::StartMenu));
        HandOver(Navigator::Screen(ScreenId::StartMenu), editor);
        QCOMPARE(combo("txtVeicolo")->currentIndex(), -1);
        QCOMPARE(combo("txtVeicolo")->currentText(), QString());
        QCOMPARE(field("txtNote")->text(), QString());
        QVERIFY(!available()->isChecked());
        QCOMPARE(editor->Attachments().files, (std::array<QString, 3>{}));
        QCOMPARE(editor->Attachments().descriptions, (std::array<QString, 3>{}));
        QCOMPARE(position(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), control("txtVeicolo"));
        QVERIFY(!QFile::exists(program->dir.path("Flotta_Automezzi.pro")));
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("veicolo");
        QTest::addColumn<QString>("marca");
        QTest::addColumn<QString>("modello");
        QTest::addColumn<QString>("targa");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString head = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("all empty") << "" << "" << "" << "" << head + "il tipo di veicolo." << "txtVeicolo";
        QTest::newRow("type blanks, make blanks") << "  " << "  " << "Panda" << "AB1" << head + "il tipo di veicolo."
                                                  << "txtVeicolo";
        QTest::newRow("make blanks") << "Autovettura" << "   " << "Panda" << "AB1" << head + "la marca del veicolo."
                                     << "txtMarca";
        QTest::newRow("model") << "Autovettura" << "Fiat" << "" << "AB1" << head + "il modello del veicolo."
                               << "txtModello";
        QTest::newRow("plate") << "Autovettura" << "Fiat" << "Panda" << "" << head + "la targa del veicolo."
                               << "txtTarga";
    }

    void saveChecks()
    {
        QFETCH(QString, veicolo);
        QFETCH(QString, marca);
        QFETCH(QString, modello);
        QFETCH(QString, targa);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        combo("txtVeicolo")->setEditText(veicolo);
        field("txtMarca")->setText(marca);
        field("txtModello")->setText(modello);
        field("txtTarga")->setText(targa);
        click("cmdSalva");
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Warning);
        QCOMPARE(program->script.messages[0].text, message);
        QTRY_COMPARE(QApplication::focusWidget(), control(focus));
        QVERIFY(!QFile::exists(program->dir.path("Flotta_Automezzi.pro")));
    }

    // The first save creates the archive and appends; the second rewrites the
    // same card. Values are stored trimmed, the mark as "Sì"/"No".
    void saveAppendsThenRewrites()
    {
        fillMandatory();
        field("txtMarca")->setText("  Fiat ");
        field("txtNote")->setText("\tnota ");
        field("txtLitro")->setText("15");
        // The attachments window hands a slot back to the card on screen.
        program->script.onModal = [](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("txtFile02")->setText(" polizza.pdf ");
            QTest::mouseClick(dialog->findChild<QWidget *>("btnApplica"), Qt::LeftButton);
        };
        click("cmdAllega");
        available()->setChecked(true);
        click("cmdSalva");
        QCOMPARE(program->script.lastMessage(), Inserted);
        QCOMPARE(program->script.messages.last().kind, MessageKind::Information);
        QCOMPARE(position(), QStringLiteral("1"));
        QCOMPARE(archive().size(), VehicleRecord::Size);
        const VehicleRecord card = stored(1);
        QCOMPARE(card.Marca, QStringLiteral("Fiat"));
        QCOMPARE(card.Note, QStringLiteral("nota"));
        QCOMPARE(card.Litro, QStringLiteral("15"));
        QCOMPARE(card.File02, QStringLiteral("polizza.pdf"));
        QCOMPARE(archive().mid(1875, 3), QByteArray("\x02\x53\xEC"));

        available()->setChecked(false);
        click("cmdSalva");
        QCOMPARE(program->script.lastMessage(), Rewritten);
        QCOMPARE(position(), QStringLiteral("1"));
        QCOMPARE(archive().size(), VehicleRecord::Size);
        QCOMPARE(archive().mid(1875, 3), QByteArray("\x02No"));
    }

    void loadingShowsTheStoredCard_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("Sì ticks") << QStringLiteral("Sì") << false << true;
        QTest::newRow("No clears") << "No" << true << false;
        QTest::newRow("other keeps ticked") << "X" << true << true;
        QTest::newRow("empty keeps cleared") << "" << false << false;
    }

    void loadingShowsTheStoredCard()
    {
        QFETCH(QString, stored);
        QFETCH(bool, before);
        QFETCH(bool, after);
        VehicleRecord v = Vehicle(1, stored);
        v.Recapito = QStringLiteral("  333 123 ");
        program->dir.write("Flotta_Automezzi.pro", Fleet(1) + v.toBytes());
        available()->setChecked(before);
        program->script.answers << QMessageBox::No; // a ticked new card is a change, dropped
        click("cmdUltimo");
        QCOMPARE(program->script.messages.size(), before ? 1 : 0);
        QCOMPARE(position(), QStringLiteral("2"));
        QCOMPARE(combo("txtVeicolo")->currentText(), QStringLiteral("Autocarro"));
        QCOMPARE(combo("txtVeicolo")->currentIndex(), -1);
        QCOMPARE(field("txtRecapito")->text(), QStringLiteral("333 123"));
        QCOMPARE(available()->isChecked(), after);
        QCOMPARE(editor->Attachments().files[0], QStringLiteral("libretto1.pdf"));
        QCOMPARE(editor->Attachments().descriptions[2], QStringLiteral("foto 1"));
        QCOMPARE(editor->Attachments().files[1], QString());
    }

    void arrows_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("emptyMessage");
        QTest::newRow("first, empty archive") << 0 << "" << "cmdPrimo" << "" << true;
        QTest::newRow("last, empty archive") << 0 << "" << "cmdUltimo" << "" << true;
        QTest::newRow("next, empty archive, number emptied") << 0 << "5" << "cmdAvanti" << "" << true;
        QTest::newRow("previous, empty archive") << 0 << "" << "cmdIndietro" << "" << true;
        QTest::newRow("previous on card 1, empty archive") << 0 << "1" << "cmdIndietro" << "1" << false;
        QTest::newRow("first") << 3 << "2" << "cmdPrimo" << "1" << false;
        QTest::newRow("last") << 3 << "" << "cmdUltimo" << "3" << false;
        QTest::newRow("next from a new card") << 3 << "" << "cmdAvanti" << "1" << false;
        QTest::newRow("previous from a new card") << 3 << "" << "cmdIndietro" << "1" << false;
        QTest::newRow("next") << 3 << "2" << "cmdAvanti" << "3" << false;
        QTest::newRow("next on the last") << 3 << "3" << "cmdAvanti" << "3" << false;
        QTest::newRow("previous on card 1") << 3 << "1" << "cmdIndietro" << "1" << false;
        QTest::newRow("previous on card 2") << 3 << "2" << "cmdIndietro" << "1" << false;
        QTest::newRow("previous on card 3") << 3 << "3" << "cmdIndietro" << "2" << false;
    }

    void arrows()
    {
        QFETCH(int, cards);
        QFETCH(QString, shown);
        QFETCH(QString, arrow);
        QFETCH(QString, expected);
        QFETCH(bool, emptyMessage);
        // Card `shown` is on screen (read while the archive held it), edited.
        if (!shown.isEmpty()) {
            program->dir.write("Flotta_Automezzi.pro", Fleet(std::max(cards, shown.toInt())));
            QVERIFY(editor->LoadCard(shown.toInt()));
        }
        program->dir.write("Flotta_Automezzi.pro", Fleet(cards));
        field("txtModello")->setText("sullo schermo");
        // The edits are dropped when asked (asked only when a card is shown).
        program->script.answers << QMessageBox::No;
        click(arrow);
        const bool asked = !program->script.messages.isEmpty() && program->script.messages[0].text == UnsavedChangesText;
        QCOMPARE(asked, expected != shown && !expected.isEmpty());
        if (asked)
            program->script.messages.removeFirst();
        QCOMPARE(position(), expected);
        QCOMPARE(program->script.messages.size(), emptyMessage ? 1 : 0);
        if (emptyMessage)
            QCOMPARE(program->script.lastMessage(), EmptyArchive);
        const bool loaded = expected != shown && !expected.isEmpty();
        QCOMPARE(field("txtModello")->text(),
                 loaded ? QStringLiteral("Daily %1").arg(expected) : QStringLiteral("sullo schermo"));
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::newRow("Nuovo, Sì saves") << "cmdNuovo" << int(QMessageBox::Yes);
        QTest::newRow("arrow, No drops") << "cmdPrimo" << int(QMessageBox::No);
        QTest::newRow("title-bar close, Annulla stays") << "close" << int(QMessageBox::Cancel);
        QTest::newRow("title-bar close, No drops") << "close" << int(QMessageBox::No);
    }

    // A stored vehicle edited (its availability mark), then replaced: Sì
    // saves it first, No drops the change, Annulla keeps it on screen.
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        program->dir.write("Flotta_Automezzi.pro", Fleet(2));
        click("cmdUltimo");
        QVERIFY(program->script.messages.isEmpty());
        available()->setChecked(true);
        program->script.answers << QMessageBox::StandardButton(answer);
        if (action == "close")
            editor->close();
        else
            click(action);
        QCOMPARE(program->script.messages.value(0).text, UnsavedChangesText);
        QCOMPARE(program->script.messages.value(0).kind, MessageKind::Question);
        QCOMPARE(stored(2).Disponibile, answer == QMessageBox::Yes ? QStringLiteral("Sì") : QStringLiteral("No"));
        QCOMPARE(archive().size(), 2 * VehicleRecord::Size);
        QCOMPARE(editor->isVisible(), action != "close" || answer == QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            QCOMPARE(position(), QStringLiteral("2"));
            QVERIFY(available()->isChecked());
        } else if (action != "close") {
            QCOMPARE(position(), action == "cmdPrimo" ? QStringLiteral("1") : QString());
        }
    }

    void duplicate()
    {
        fillMandatory();
        click("cmdDuplica");
        QCOMPARE(program->script.lastMessage(),
                 QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                                "stata inserita in archivio."));
        QCOMPARE(program->script.messages.last().kind, MessageKind::Warning);
        QVERIFY(!QFile::exists(program->dir.path("Flotta_Automezzi.pro")));

        program->dir.write("Flotta_Automezzi.pro", Fleet(2));
        program->script.answers << QMessageBox::No; // the new card typed above is dropped
        click("cmdPrimo");
        field("txtColore")->setText("Bianco");
        click("cmdDuplica");
        QCOMPARE(program->script.lastMessage(),
                 QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl "
                                "termine premere Salva per inserire la scheda in archivio."));
        QCOMPARE(position(), QString());
        QCOMPARE(editor->Attachments().files[0], QString());
        QCOMPARE(editor->Attachments().descriptions[2], QString());
        QCOMPARE(field("txtModello")->text(), QStringLiteral("Daily 1"));
        QTRY_COMPARE(QApplication::focusWidget(), control("txtVeicolo"));
        click("cmdSalva");
        QCOMPARE(position(), QStringLiteral("3"));
        VehicleRecord expected = Vehicle(1);
        expected.File01.clear();
        expected.Desc03.clear();
        expected.Colore = QStringLiteral("Bianco");
        QCOMPARE(stored(3).toBytes(), expected.toBytes());
        QCOMPARE(stored(1).toBytes(), Vehicle(1).toBytes());
    }

    // Two workstations load vehicle 2; the other one marks it available and
    // saves first. The save here asks before writing anything: Sì overwrites
    // the other's changes, No loads the card as it is now. Either way the
    // next save of this card goes through without a question.
    void archiveFailureLeavesTheCardOnScreen_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("action");
        // Saves and arrows fail alike in both editors (tests/ui/tst_cardeditors);
        // the duplicate is the fleet's own.
        for (const char *action : {"cmdDuplica"}) {
            QTest::addRow("folder in the way, %s", action) << true << action;
            QTest::addRow("read-only archive, %s", action) << false << action;
        }
    }

    void archiveFailureLeavesTheCardOnScreen()
    {
        QFETCH(bool, folder);
        QFETCH(QString, action);
        if (action == "cmdDuplica") {
            program->dir.write("Flotta_Automezzi.pro", Fleet(1));
            QVERIFY(editor->LoadCard(1));
            QVERIFY(QFile::remove(program->dir.path("Flotta_Automezzi.pro")));
        }
        if (folder) {
            QVERIFY(QDir().mkdir(program->dir.path("Flotta_Automezzi.pro")));
        } else {
            program->dir.write("Flotta_Automezzi.pro", Fleet(1));
            QVERIFY(QFile::setPermissions(program->dir.path("Flotta_Automezzi.pro"), QFileDevice::ReadOwner));
        }
        fillMandatory();
        {
            AsOrdinaryUser user;
            click(action);
        }
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Error);
        QCOMPARE(program->script.messages[0].text, ArchiveErrorText);
        QCOMPARE(position(), QString());
        QCOMPARE(field("txtModello")->text(), QStringLiteral("Panda"));
        if (!folder)
            QCOMPARE(archive(), Fleet(1));
    }

    void fieldRules()
    {
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QLineEdit *plate = field("txtTarga");
        plate->setFocus();
        QTest::keyClicks(plate, "ab1 ");
        QCOMPARE(plate->text(), QStringLiteral("AB1"));
        QVERIFY(control("effTarga")->isVisible());

        QLineEdit *code = field("txtCodFisc");
        code->setFocus();
        QTest::keyClicks(code, " rss");
        QCOMPARE(code->text(), QStringLiteral("RSS"));

        // Km al litro: digits only while typing; leaving it turns anything
        // else into 0, and keeps an empty field empty.
        QLineEdit *litro = field("txtLitro");
        litro->setFocus();
        QTest::keyClicks(litro, "1a2,5 ");
        QCOMPARE(litro->text(), QStringLiteral("125"));
        QTest::keyClick(litro, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control("txtUso"));
        QCOMPARE(litro->text(), QStringLiteral("125"));
        litro->setText("12,5");
        litro->setFocus();
        field("txtNote")->setFocus();
        QCOMPARE(litro->text(), QStringLiteral("0"));
        litro->clear();
        litro->setFocus();
        field("txtNote")->setFocus();
        QCOMPARE(litro->text(), QString());

        // Enter runs through the card and from the notes back to the first.
        QTest::keyClick(field("txtNote"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control("txtVeicolo"));
        QVERIFY(control("effVeicolo")->isVisible());
        QVERIFY(!control("effNote")->isVisible());
        QTest::keyClick(control("txtVeicolo"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control("txtMarca"));
        field("txtRecapito")->setFocus();
        QTest::keyClick(field("txtRecapito"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control("txtNote"));

        // Entering a suggestion list resets its choice but keeps the text.
        combo("txtStato")->setCurrentIndex(2);
        combo("txtStato")->setFocus();
        QCOMPARE(combo("txtStato")->currentIndex(), -1);
        QCOMPARE(combo("txtStato")->currentText(), QStringLiteral("Discreto"));
    }

    void codeCheckOpensTheRightWindow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("vat");
        QTest::addColumn<QString>("handed");
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("eleven digits") << " 00743110157 " << true << "00743110157";
        QTest::newRow("three digits") << "123" << true << "123";
        QTest::newRow("a letter") << "RSSMRA85T10A562S" << false << "RSSMRA85T10A562S";
        QTest::newRow("digits and a blank") << "0074 3110157" << false << "0074 3110157";
    }

    void codeCheckOpensTheRightWindow()
    {
        QFETCH(QString, text);
        QFETCH(bool, vat);
        QFETCH(QString, handed);
        field("txtCodFisc")->setText(text);
        QString opened, shown;
        program->script.onModal = [&](QDialog *dialog) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            const auto *entry = dialog->findChild<QLineEdit *>(vat ? "txtPartitaIva" : "txtCodFisc");
            shown = entry ? entry->text() : QStringLiteral("(none)");
            dialog->reject();
        };
        click("btnCodFisc");
        QCOMPARE(opened, QLatin1String(vat ? "TfrmPartitaIva" : "TfrmCodFisc"));
        QCOMPARE(shown, handed);
        QCOMPARE(field("txtCodFisc")->text(), text);
    }

    void helpHintsAndClose()
    {
        QString title;
        program->script.onModal = [&](QDialog *dialog) {
            title = dialog->findChild<QLabel *>("lblTitolo")->text();
            dialog->reject();
        };
        click("cmdGuida");
        QCOMPARE(title, QStringLiteral("Applicazione Parco Automezzi."));

        auto *panInfo = label("panInfo");
        QTest::mouseMove(control("cmdDuplica"));
        QTRY_COMPARE(panInfo->text(),
                     QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
                                    "correnti."));
        QTest::mouseMove(control("chkDisponibile"));
        QTRY_COMPARE(panInfo->text(),
                     QStringLiteral("Spunta questa casella per annotare che il veicolo è attualmente disponibile."));
        QTest::mouseMove(control("txtMarca"));
        QTest::qWait(20);
        QCOMPARE(panInfo->text(),
                 QStringLiteral("Spunta questa casella per annotare che il veicolo è attualmente disponibile."));
        QTest::mouseMove(control("lblPosizione"));
        QTRY_COMPARE(panInfo->text(), QString());

        click("cmdEsci");
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
        QVERIFY(!editor->isVisible());
        HandOver(Navigator::Screen(ScreenId::StartMenu), editor);
        editor->close();
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
        QVERIFY(!editor->isVisible());
    }
};

QTEST_MAIN(TestFlotta)
#include "tst_flotta.moc"
