#include "gui/kit/TfrmCalendario.h"
#include "ui_TfrmCalendario.h"

#include "core/storage/Environment.h"
#include "core/storage/TextRules.h"
#include "gui/kit/WindowKit.h"

#include <QLocale>

TfrmCalendario::TfrmCalendario(QWidget *parent, Picked onPicked)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmCalendario>())
    , m_onPicked(std::move(onPicked))
{
    ui->setupUi(this);
    ui->calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    ui->calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    ui->calAppuntamenti->setSelectedDate(CurrentDateTime().date());
    connect(ui->btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    // Enter on the calendar, or a double-click of a day, imports that day.
    connect(ui->calAppuntamenti, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);
    AttachAccessibleNames(this, {{"lblCampo001", "calAppuntamenti"}});
    MakeFixedWindow(this);
}

TfrmCalendario::~TfrmCalendario() = default;

void TfrmCalendario::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CenterWindow(this, parentWidget());
}

void TfrmCalendario::btnImportaDataClick()
{
    if (m_onPicked)
        m_onPicked(DateText(ui->calAppuntamenti->selectedDate()));
    accept();
}
