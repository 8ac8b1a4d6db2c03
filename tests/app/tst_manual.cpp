// The user manual as the build writes it: read back from the PDF, it has a
// section for every screen of the program, pictures of the windows and the
// help topics' texts.
#include "gui/help/HelpTopics.h"
#include "gui/Startup.h"
#include "gui/kit/Navigator.h"

#include "PdfReadBack.h"
#include "TestSupport.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
// The words of a text, one blank between them, as pdftotext may break lines
// anywhere.
QString words(const QString &text)
{
    return text.simplified();
}
} // namespace

class TestManual : public QObject
{
    Q_OBJECT

    QString m_text;
    QString m_pdf;
    std::unique_ptr<TempProgramFolder> m_folder;

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        m_pdf = m_folder->path(QStringLiteral("Guida.pdf"));
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(VARCANTO_GUIDA_TOOL), {m_pdf});
        QVERIFY(tool.waitForFinished(100000));
        QCOMPARE(tool.exitCode(), 0);
        m_text = words(PdfText(m_pdf));
        QVERIFY(!m_text.isEmpty());
    }

    void cleanupTestCase() { m_folder.reset(); }

    // Every screen the program creates has its section; a screen added
    // without one fails here.
    void aSectionForEveryScreen()
    {
        const QList<QPair<ScreenId, QString>> sections = {
            {ScreenId::Login, "Accesso al programma"},       {ScreenId::ChangePassword, "Cambio della password"},
            {ScreenId::StartMenu, "Menu principale"},         {ScreenId::YearMenu, "Menu del registro"},
            {ScreenId::Register, "Scheda del registro"},      {ScreenId::Statistics, "Statistiche dei transiti"},
            {ScreenId::Fleet, "Parco automezzi"},
        };
        ProgramWindows program;
        for (const auto &[id, heading] : sections) {
            if (!Navigator::Screen(id))
                continue;
            const QRegularExpression numbered(QStringLiteral("\\d+\\. ") + QRegularExpression::escape(heading));
            QVERIFY2(numbered.match(m_text).hasMatch(), qPrintable(heading));
        }
        for (int id = 0; id <= int(ScreenId::Statistics); ++id) {
            const bool listed = std::any_of(sections.begin(), sections.end(),
                                            [id](const auto &s) { return int(s.first) == id; });
            QVERIFY2(listed || !Navigator::Screen(ScreenId(id)), qPrintable(QString::number(id)));
        }
    }

    // The help topics are the manual's text, and the windows are pictured.
    void topicsAndPictures()
    {
        for (const HelpTopic &topic : {HelpStatistics(), HelpFleet(), HelpRegister()}) {
            const QString first = words(topic.text.split(QStringLiteral("\r\n\r\n")).first());
            QVERIFY2(m_text.contains(first), qPrintable(first));
        }
        QVERIFY(m_text.contains(QStringLiteral("Flotta_Automezzi.pro")));
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), m_pdf});
        QVERIFY(images.waitForFinished(30000));
        const int pictures = int(QString::fromUtf8(images.readAllStandardOutput()).count(QStringLiteral(" image ")));
        QVERIFY2(pictures >= 7, qPrintable(QString::number(pictures)));
        QCOMPARE(PdfInfoValue(m_pdf, "Title"), QStringLiteral("Varcanto - Guida all'utilizzo del software"));
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
