#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/WindowKit.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {
// A small window with the kinds of controls the real windows attach
// behaviour to.
struct Fixture {
    QWidget window;
    QLineEdit *txtA = add<QLineEdit>("txtA");
    QLineEdit *txtB = add<QLineEdit>("txtB");
    QLineEdit *txtAnno = add<QLineEdit>("txtAnno");
    QPushButton *btnApri = add<QPushButton>("btnApri");
    QLineEdit *txtTarga = add<QLineEdit>("txtTarga");
    QLineEdit *txtData = add<QLineEdit>("txtData");
    QPushButton *btnHint = add<QPushButton>("btnHint");
    QLabel *lblPlain = add<QLabel>("lblPlain");
    QFrame *shpBand = add<QFrame>("shpBand");
    QLabel *panInfo = add<QLabel>("panInfo");
    int pickerOpened = 0;

    template <class W>
    W *add(const char *name)
    {
        if (!window.layout())
            new QVBoxLayout(&window);
        auto *w = new W(&window);
        w->setObjectName(QString::fromLatin1(name));
        w->setMinimumHeight(24);
        window.layout()->addWidget(w);
        return w;
    }

    Fixture()
    {
        lblPlain->setText("etichetta");
        panInfo->setText("Pronto");
        AttachEnterOrder(&window, {{"txtA", "txtB"}, {"txtB", "txtA"}});
        AttachHighlights(&window, {"A", "B"});
        AttachDigitsOnly(txtAnno, btnApri);
        AttachPlateUpperCase(txtTarga);
        AttachDatePickerField(txtData, [this] { ++pickerOpened; });
        AttachStatusHints(&window, panInfo, {{"btnHint", "Suggerimento."}, {"txtData", "Data."}}, {"shpBand"});
        window.resize(300, 400);
        window.show();
        window.activateWindow();
    }
};

QWidget *focused()
{
    return QApplication::focusWidget();
}
} // namespace

class TestWindowKit : public QObject
{
    Q_OBJECT
private slots:
    void enterMovesAlongTheOrderAndTypesNothing()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.txtA->setFocus();
        QTest::keyClicks(f.txtA, "ab");
        QTest::keyClick(f.txtA, Qt::Key_Return);
        QCOMPARE(focused(), f.txtB);
        QTest::keyClick(f.txtB, Qt::Key_Enter);
        QCOMPARE(focused(), f.txtA);
        QCOMPARE(f.txtA->text(), QStringLiteral("ab"));
    }

    void highlightFollowsTheFocus()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        auto *effA = f.window.findChild<QFrame *>("effA");
        auto *effB = f.window.findChild<QFrame *>("effB");
        QVERIFY(effA && effB);
        f.btnApri->setFocus();
        QVERIFY(!effA->isVisible() && !effB->isVisible());
        f.txtA->setFocus();
        QVERIFY(effA->isVisible() && !effB->isVisible());
        QVERIFY(effA->geometry().contains(f.txtA->geometry()));
        f.txtB->setFocus();
        QVERIFY(!effA->isVisible() && effB->isVisible());
    }

    void digitsOnlyField()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.txtAnno->setFocus();
        QTest::keyClicks(f.txtAnno, "2a0 b2-1");
        QCOMPARE(f.txtAnno->text(), QStringLiteral("2021"));
        QTest::keyClick(f.txtAnno, Qt::Key_Left);
        QTest::keyClick(f.txtAnno, Qt::Key_Backspace);
        QCOMPARE(f.txtAnno->text(), QStringLiteral("201"));
        QTest::keyClick(f.txtAnno, Qt::Key_Delete);
        QCOMPARE(f.txtAnno->text(), QStringLiteral("20"));
        QTest::keyClick(f.txtAnno, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.txtAnno->text(), QStringLiteral("20"));
        QTest::keyClick(f.txtAnno, Qt::Key_Return);
        QCOMPARE(focused(), f.btnApri);
    }

    // Paste (keys or context menu), drop and the input method all insert
    // through the field's validator: non-digits never get in.
    void digitsOnlyFieldRefusesOtherTextByAnyRoute_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("path") << "../x" << "20";
        QTest::newRow("letter inside") << "20a6" << "20";
        QTest::newRow("full-width digits") << QString::fromUtf8("２０２６") << "20";
        QTest::newRow("digits") << "26" << "2026";
    }
    void digitsOnlyFieldRefusesOtherTextByAnyRoute()
    {
        QFETCH(QString, text);
        QFETCH(QString, after);
        Fixture f;
        for (int route = 0; route < 3; ++route) {
            f.txtAnno->setText("20");
            f.txtAnno->end(false);
            if (route == 0) {
                QApplication::clipboard()->setText(text);
                f.txtAnno->paste();
            } else if (route == 1) {
                f.txtAnno->insert(text);
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(text);
                QApplication::sendEvent(f.txtAnno, &commit);
            }
            QCOMPARE(f.txtAnno->text(), after);
        }
    }

    void enterOrSpaceOnAFocusedButtonPressesIt()
    {
        InstallButtonKeys();
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        int pressed = 0;
        QObject::connect(f.btnApri, &QPushButton::clicked, [&] { ++pressed; });
        f.btnApri->setFocus();
        QTest::keyClick(f.btnApri, Qt::Key_Return);
        QTest::keyClick(f.btnApri, Qt::Key_Enter);
        QTest::keyClick(f.btnApri, Qt::Key_Space);
        QCOMPARE(pressed, 3);
        f.btnApri->setEnabled(false);
        QTest::keyClick(f.btnApri, Qt::Key_Return);
        QCOMPARE(pressed, 3);
    }

    void editsArePicturesAndWindowsHaveAccessibleNames()
    {
        Fixture f;
        f.window.setWindowTitle(" Finestra");
        f.lblPlain->setText("Anno:");
        auto *picture = new ClickableLabel(&f.window);
        picture->setObjectName("imgApri");
        auto *hinted = new ClickableLabel(&f.window);
        hinted->setObjectName("imgHint");
        InstallClickableAccessibility();
        AttachAccessibleNames(&f.window, {{"lblPlain", "txtAnno"}}, {{"imgApri", "Apri l'archivio"}});
        AttachStatusHints(&f.window, f.panInfo, {{"imgHint", "Suggerimento."}}, {});
        auto name = [](QObject *o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
        QCOMPARE(name(f.txtAnno), QStringLiteral("Anno:"));
        QCOMPARE(name(f.btnApri), f.btnApri->text());
        QCOMPARE(name(picture), QStringLiteral("Apri l'archivio"));
        QCOMPARE(name(hinted), QStringLiteral("Suggerimento."));
        QCOMPARE(name(&f.window), QStringLiteral(" Finestra"));
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(button->role(), QAccessible::Button);
        int clicks = 0;
        QObject::connect(picture, &ClickableLabel::clicked, [&] { ++clicks; });
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 1);
    }

    void plateIsUpperCasedAndTrimmedWhileTyping()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.txtTarga->setFocus();
        QTest::keyClicks(f.txtTarga, "ab12 cd");
        QCOMPARE(f.txtTarga->text(), QStringLiteral("AB12CD"));
        // A blank typed at the end vanishes at once; one typed inside stays.
        QTest::keyClick(f.txtTarga, Qt::Key_Space);
        QCOMPARE(f.txtTarga->text(), QStringLiteral("AB12CD"));
        f.txtTarga->setCursorPosition(2);
        QTest::keyClick(f.txtTarga, Qt::Key_Space);
        QCOMPARE(f.txtTarga->text(), QStringLiteral("AB 12CD"));
        QCOMPARE(f.txtTarga->cursorPosition(), 3);
        QTest::sendKeyEvent(QTest::Click, f.txtTarga, Qt::Key_unknown, QStringLiteral("è"), Qt::NoModifier);
        QCOMPARE(f.txtTarga->text(), QStringLiteral("AB è12CD"));
        // Text put there by the program is left as it is.
        f.txtTarga->setText(" x ");
        QCOMPARE(f.txtTarga->text(), QStringLiteral(" x "));
    }

    void dateFieldEmptiesOrOpensThePicker()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QVERIFY(f.txtData->isReadOnly());
        f.txtData->setText("01/02/2021");
        f.txtData->setFocus();
        QTest::keyClick(f.txtData, Qt::Key_Backspace);
        QCOMPARE(f.txtData->text(), QString());
        QCOMPARE(f.pickerOpened, 0);
        QTest::keyClick(f.txtData, Qt::Key_A);
        QCOMPARE(f.pickerOpened, 1);
        QCOMPARE(f.txtData->text(), QString());
        QTest::keyClick(f.txtData, Qt::Key_Return);
        QCOMPARE(f.pickerOpened, 2);
    }

    void statusHints()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QCOMPARE(f.panInfo->text(), QStringLiteral("Pronto"));
        // A control with neither hint nor background role leaves the line alone.
        QTest::mouseMove(f.lblPlain);
        QCOMPARE(f.panInfo->text(), QStringLiteral("Pronto"));
        QTest::mouseMove(f.btnHint);
        QCOMPARE(f.panInfo->text(), QStringLiteral("Suggerimento."));
        QTest::mouseMove(f.txtA);
        QCOMPARE(f.panInfo->text(), QStringLiteral("Suggerimento."));
        QTest::mouseMove(f.txtData);
        QCOMPARE(f.panInfo->text(), QStringLiteral("Data."));
        QTest::mouseMove(f.shpBand);
        QCOMPARE(f.panInfo->text(), QString());
        QTest::mouseMove(f.btnHint);
        QTest::mouseMove(&f.window, QPoint(1, 1));
        QCOMPARE(f.panInfo->text(), QString());
    }

    // A list of millions of lines gives its memory back to the system when
    // it closes (the allocator would otherwise keep it for the process).
    void closedLongListGivesItsMemoryBack()
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.exists())
            QSKIP("the resident memory is read from /proc on Linux only");
        const auto residentMb = [&] {
            statm.open(QIODevice::ReadOnly);
            const qint64 pages = statm.readAll().split(' ').value(1).toLongLong();
            statm.close();
            return pages * 4096 / (1024 * 1024);
        };
        const qint64 before = residentMb();
        auto *model = new CardListModel;
        {
            QList<ListLine> lines;
            for (int i = 0; i < 2000000; ++i)
                lines.append({QStringLiteral("05/03/2021 07:45  FIAT DUCATO  AB%1CD  ROSSI MARIO").arg(i), i + 1});
            model->SetLines(std::move(lines));
        }
        const qint64 filled = residentMb();
        QVERIFY2(filled - before > 100, qPrintable(QString::number(filled - before)));
        delete model;
        const qint64 after = residentMb();
        QVERIFY2(after - before < (filled - before) / 5,
                 qPrintable(QStringLiteral("%1 MB before, %2 MB filled, %3 MB after").arg(before).arg(filled).arg(after)));
    }

    void scriptedDialogsRecordAndAnswer()
    {
        ScriptedDialogs script;
        script.answers = {QMessageBox::No};
        QVERIFY(!Dialogs::Ask(nullptr, "Procedere?"));
        QVERIFY(Dialogs::Ask(nullptr, "Ancora?"));
        Dialogs::ArchiveError(nullptr);
        QCOMPARE(script.messages.size(), 3);
        QCOMPARE(script.messages.last().kind, MessageKind::Error);
        QCOMPARE(script.lastMessage(), ArchiveErrorText);
        QVERIFY(ArchiveErrorText.contains(QStringLiteral("archivio.\n\r\n\rAccertarsi")));
    }

    // The real save dialog: choosing the other file type turns the proposed
    // name's extension into that type's, and a name typed without an
    // extension gets the chosen type's.
    void saveDialogFollowsTheChosenFileType_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("proposed name") << QString() << "Ingressi.xlsx";
        QTest::newRow("name without extension") << "Registro" << "Registro.xlsx";
    }
    void saveDialogFollowsTheChosenFileType()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        const QStringList filters = {"Foglio di calcolo Excel 97 (*.xls)", "Cartella di lavoro Excel (*.xlsx)"};
        QString shownName;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Salva"));
            QCOMPARE(dialog->selectedNameFilter(), filters.first());
            QTest::keyClick(dialog->findChild<QComboBox *>("fileTypeCombo"), Qt::Key_Down);
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            shownName = name->text();
            if (!typed.isEmpty())
                name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return); // Salva
        });
        poll.start(20);
        const std::optional<SaveFileChoice> chosen = Dialogs::SaveFile(nullptr, "Salva", dir.filePath("Ingressi.xls"), filters);
        QVERIFY(chosen);
        QCOMPARE(shownName, QStringLiteral("Ingressi.xlsx"));
        QCOMPARE(chosen->path, dir.filePath(saved));
        QCOMPARE(chosen->filter, filters.last());
    }
};

QTEST_MAIN(TestWindowKit)
#include "tst_windowkit.moc"
