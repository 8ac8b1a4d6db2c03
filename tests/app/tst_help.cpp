// The help, information and credits windows: what the help memo shows, and
// what their links hand to the shell.
#include "gui/kit/Dialogs.h"
#include "core/storage/Environment.h"
#include "gui/help/HelpTopics.h"
#include "gui/help/Maker.h"
#include "gui/Startup.h"
#include "TestSupport.h"
#include "gui/help/TfrmGuida.h"
#include "gui/help/TfrmInfo.h"
#include "gui/help/TfrmSplash.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

namespace {
const QColor DarkBlue(0, 0, 139);
const QColor Orange(255, 140, 0);

std::unique_ptr<QDialog> makeDialog(const QString &kind)
{
    if (kind == QLatin1String("help"))
        return std::make_unique<TfrmGuida>();
    if (kind == QLatin1String("information"))
        return std::make_unique<TfrmInfo>();
    return std::make_unique<TfrmSplash>();
}

QColor linkColour(const QDialog &dialog)
{
    return dialog.findChild<QLabel *>("lnkWeb")->palette().color(QPalette::WindowText);
}
} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_script;

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        m_script = std::make_unique<ScriptedDialogs>();
    }

    void cleanup()
    {
        m_script.reset();
        m_folder.reset();
    }

    // Paragraphs come separated by "\r\n\r\n"; the memo shows exactly one
    // empty line between them and wraps each to its own width.
    void topicShowsParagraphsApartAndWrapped_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const HelpTopic intro = HelpStartMenu();
        QTest::newRow("start menu") << intro.title << intro.text;
        const HelpTopic exportTopic = HelpRegisterExport();
        QTest::newRow("register export") << exportTopic.title << exportTopic.text;
        QTest::newRow("one long paragraph") << "Prova."
                                            << QString("Parola ").repeated(200).trimmed();
    }

    void topicShowsParagraphsApartAndWrapped()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QString shownTitle;
        QStringList blocks;
        bool wrapped = false;
        int horizontalRange = -1;
        m_script->onModal = [&](QDialog *dialog) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            shownTitle = dialog->findChild<QLabel *>("lblTitolo")->text();
            auto *memo = dialog->findChild<QPlainTextEdit *>("txtGuida");
            QVERIFY(memo->isReadOnly());
            for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
                blocks.append(b.text());
                if (b.layout() && b.layout()->lineCount() > 1)
                    wrapped = true;
            }
            horizontalRange = memo->horizontalScrollBar()->maximum();
            dialog->reject();
        };
        ShowHelp(nullptr, HelpTopic{title, text});

        const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
        QStringList expected;
        for (const QString &p : paragraphs) {
            if (!expected.isEmpty())
                expected.append(QString());
            expected.append(p);
        }
        QCOMPARE(shownTitle, title);
        QCOMPARE(blocks, expected);
        QVERIFY(wrapped);
        QCOMPARE(horizontalRange, 0);
    }

    // A click on the link or its picture opens the same thing; the help
    // manual's path is quoted so that a folder with blanks still works.
    void linksOpenExactly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<QString>("expected"); // %1: the program folder

        QTest::newRow("help link") << "help" << "lnkWeb" << "" << "%1Guida.pdf";
        QTest::newRow("help picture") << "help" << "imgPDF" << "" << "%1Guida.pdf";
        QTest::newRow("help, folder with blanks") << "help" << "lnkWeb" << "Programmi di portineria/Varcanto 1"
                                                  << "%1Guida.pdf";
        const QString mail = QStringLiteral("mailto:info@varcanto.it?subject=Software Varcanto&body=Salve, "
                                            "desidererei avere le seguenti informazioni sul software in oggetto:");
        QTest::newRow("information link") << "information" << "lnkWeb" << "" << mail;
        QTest::newRow("information picture") << "information" << "imgEmail" << "" << mail;
        QTest::newRow("credits link") << "credits" << "lnkWeb" << "" << "https://www.varcanto.it";
        QTest::newRow("credits picture") << "credits" << "imgWeb" << "" << "https://www.varcanto.it";
    }

    void linksOpenExactly()
    {
        QFETCH(QString, kind);
        QFETCH(QString, control);
        QFETCH(QString, subfolder);
        QFETCH(QString, expected);
        if (!subfolder.isEmpty()) {
            QDir().mkpath(m_folder->folder() + subfolder);
            SetProgramFolder(m_folder->folder() + subfolder);
        }
        if (expected.contains(QLatin1String("%1")))
            expected = expected.arg(ProgramFolder());
        if (kind == QLatin1String("help"))
            m_folder->write(QStringLiteral("Guida.pdf"), "%PDF-1.4\n");

        auto dialog = makeDialog(kind);
        QTest::mouseClick(dialog->findChild<QLabel *>(control), Qt::LeftButton);
        QCOMPARE(m_script->shellOpens, QStringList{expected});
        QCOMPARE(linkColour(*dialog), DarkBlue);
        if (!subfolder.isEmpty())
            QVERIFY(expected.contains(QLatin1Char(' ')));
    }

    // Without the manual in the program folder the link says so and hands
    // nothing to the shell.
    void missingManualIsTold()
    {
        auto dialog = makeDialog(QStringLiteral("help"));
        QTest::mouseClick(dialog->findChild<QLabel *>("imgPDF"), Qt::LeftButton);
        QVERIFY(m_script->shellOpens.isEmpty());
        QCOMPARE(m_script->messages.size(), 1);
        QCOMPARE(m_script->messages[0].kind, MessageKind::Warning);
        QCOMPARE(m_script->messages[0].text, ManualMissingText.arg(ProgramFolder()));
        QVERIFY(m_script->messages[0].text.contains(QStringLiteral("Guida.pdf")));
        QCOMPARE(linkColour(*dialog), DarkBlue);
    }

    // Pressing turns the link orange; letting go turns it dark blue again,
    // and letting go away from it opens nothing.
    void pressAndReleaseOutsideOpenNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("control");
        QTest::newRow("help link") << "help" << "lnkWeb";
        QTest::newRow("help picture") << "help" << "imgPDF";
        QTest::newRow("information link") << "information" << "lnkWeb";
        QTest::newRow("information picture") << "information" << "imgEmail";
        QTest::newRow("credits link") << "credits" << "lnkWeb";
        QTest::newRow("credits picture") << "credits" << "imgWeb";
    }

    void pressAndReleaseOutsideOpenNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, control);
        auto dialog = makeDialog(kind);
        auto *target = dialog->findChild<QLabel *>(control);
        QCOMPARE(linkColour(*dialog), DarkBlue);
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(linkColour(*dialog), Orange);
        QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(target->width() + 20, -20));
        QCOMPARE(linkColour(*dialog), DarkBlue);
        QVERIFY(m_script->shellOpens.isEmpty());
    }

    void windowsAreFixedWithoutTitleBarButtons_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::newRow("help") << "help" << " Guida all'utilizzo del software";
        QTest::newRow("information") << "information" << " Informazioni su Varcanto";
        QTest::newRow("credits") << "credits" << " Varcanto - © Varcanto";
    }

    void windowsAreFixedWithoutTitleBarButtons()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        auto dialog = makeDialog(kind);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
        QVERIFY(dialog->findChild<QWidget *>("btnChiudi"));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
