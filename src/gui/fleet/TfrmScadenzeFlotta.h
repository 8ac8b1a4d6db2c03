#pragma once
// "Scadenze automezzi": the fleet's deadlines that have expired or fall due
// within the notice period, one line each by date, the expired ones in
// crimson. Find a line, print the list, write it as a spreadsheet, and hand a
// vehicle back with a double-click (its card is then opened).
#include "core/fleet/DeadlineReminders.h"

#include <QDate>
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmScadenzeFlotta;
}
class CardList;

class TfrmScadenzeFlotta : public QDialog
{
    Q_OBJECT
public:
    using Chosen = std::function<void(int cardNumber)>;
    TfrmScadenzeFlotta(QWidget *parent, const QString &fleetPath, const QDate &today, int noticeDays, Chosen onChosen);
    ~TfrmScadenzeFlotta() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnEsportaClick();
    void lstRecordsDblClick(int cardNumber);

    std::unique_ptr<Ui::TfrmScadenzeFlotta> ui;
    CardList *m_lines = nullptr;
    QString m_fleetPath;
    QDate m_today;
    int m_noticeDays;
    Chosen m_onChosen;
    DueDeadlines m_due;
};
