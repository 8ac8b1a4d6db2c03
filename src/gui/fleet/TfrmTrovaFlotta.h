#pragma once
// The fleet search: up to ten criteria, the vehicles found one line each,
// find and print in the list, and a double-click that hands the vehicle to
// the window that opened the search: the whole card to the vehicle card
// editor (token "flotta"), make and model, plate, driver and telephone to
// the register card (token "registro").
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmTrovaFlotta;
}
class CardList;
struct VehicleRecord;

class TfrmTrovaFlotta : public QDialog
{
    Q_OBJECT
public:
    using Chosen = std::function<void(int cardNumber, const VehicleRecord &vehicle)>;
    TfrmTrovaFlotta(QWidget *parent, const QString &archivePath, Chosen onChosen);
    ~TfrmTrovaFlotta() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnCercaClick();
    void lstRecordsDblClick(int cardNumber);

    std::unique_ptr<Ui::TfrmTrovaFlotta> ui;
    CardList *m_lines = nullptr;
    QString m_archivePath;
    Chosen m_onChosen;
};
