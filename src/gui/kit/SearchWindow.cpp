#include "gui/kit/SearchWindow.h"

#include "core/storage/RecordSearch.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>

template <class Control>
Control *SearchWindow::Part(const char *name) const
{
    Control *control = findChild<Control *>(QLatin1String(name));
    Q_ASSERT_X(control, "SearchWindow", name);
    return control;
}

void SearchWindow::SetUp(Setup setup)
{
    m_setup = std::move(setup);
    m_panels = Part<QStackedWidget>("stkPannelli");
    m_results = Part<QWidget>("panContainer");
    m_waiting = Part<QLabel>("lblAttendere");
    m_progress = Part<QProgressBar>("prgAvanzamento");
    m_count = Part<QLabel>("lblConta");
    m_found = Part<QLabel>("lblTrovate");
    m_findBox = Part<QLineEdit>("txtTrova");

    // The criteria and the results take the same place, one at a time.
    m_panels->setCurrentWidget(Part<QWidget>("panAvvio"));
    m_lines = new CardList(Part<QListView>("lstRecords"), m_findBox, Part<QPushButton>("btnTrova"),
                           Part<QPushButton>("btnStampa"));
    m_lines->printTitle = [this] { return m_setup.printTitle; };
    m_lines->onOpen = [this](int cardNumber) { lstRecordsDblClick(cardNumber); };

    QStringList roles;
    NamePairs enterOrder;
    NamePairs labels;
    for (int i = 0; i < 10; ++i) {
        const QString role = QLatin1String(m_setup.fields[i]);
        roles << role;
        enterOrder.append({QStringLiteral("txt") + role, QStringLiteral("txt") + QLatin1String(m_setup.fields[(i + 1) % 10])});
        labels.append({QStringLiteral("lbl") + role, QStringLiteral("txt") + role});
    }
    labels.append({QStringLiteral("lblRigo01"), QStringLiteral("txtTrova")});
    labels.append({QStringLiteral("lblRigo03"), QStringLiteral("lstRecords")});
    AttachEnterOrder(this, enterOrder);
    AttachHighlights(this, roles);
    AttachAccessibleNames(this, labels);

    // The waiting text is on screen from the moment the button goes down,
    // and stays there while the search runs.
    auto *search = Part<QPushButton>("btnCerca");
    connect(search, &QPushButton::pressed, this, [this] {
        m_waiting->show();
        m_waiting->repaint();
    });
    connect(search, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
    connect(Part<QPushButton>("btnAnnulla"), &QPushButton::clicked, this, &QDialog::reject);
    connect(Part<QPushButton>("btnChiudi"), &QPushButton::clicked, this, &QDialog::reject);
    // However the window closes, the list is emptied and the waiting text hidden.
    connect(this, &QDialog::finished, this, [this] {
        m_lines->Clear();
        m_waiting->hide();
    });
    MakeFixedWindow(this);
    CenterWindow(this);
}

void SearchWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_lines->ResetFind();
    FieldControl(this, m_setup.firstField)->setFocus();
}

// Every card matching all filled criteria, one line each, sorted.
void SearchWindow::btnCercaClick()
{
    QString criteria[10];
    for (int i = 0; i < 10; ++i)
        criteria[i] = ControlText(FieldControl(this, m_setup.fields[i]));
    m_count->setText(QString::number(CountCriteriaTexts(criteria)));
    m_waiting->show();
    ListLines found;
    {
        ScanFeedback feedback(m_progress);
        found = m_setup.search(criteria, feedback.Progress());
    }
    // A failed read leaves the criteria and the waiting text on screen, so
    // the search can be run again.
    if (found.failed) {
        Dialogs::Message(this, MessageKind::Plain, ArchiveErrorText);
        return;
    }
    m_lines->SetLines(std::move(found.lines));
    m_found->setText(m_setup.foundText(m_lines->LineCount()));
    m_panels->setCurrentWidget(m_results);
    m_lines->ResetFind();
    m_findBox->setFocus();
}

// The card of the double-clicked line is handed on; the search closes in any
// case.
void SearchWindow::lstRecordsDblClick(int cardNumber)
{
    if (cardNumber > 0 && m_setup.pick)
        m_setup.pick(cardNumber);
    accept();
}
