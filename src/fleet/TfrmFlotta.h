#pragma once
// The vehicle card editor: one card of the company fleet at a time; new,
// save, duplicate, the arrows through the archive, the availability mark,
// and the way to every other fleet window.
#include "fleet/FleetEditor.h"
#include "ui/ScreenWindow.h"

#include <memory>

namespace Ui {
class TfrmFlotta;
}
enum class Arrow;
struct VehicleRecord;

class TfrmFlotta : public ScreenWindow, public FleetEditor
{
    Q_OBJECT
public:
    explicit TfrmFlotta(QWidget *parent = nullptr);
    ~TfrmFlotta() override;

    bool LoadVehicle(int cardNumber) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow() override;
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdDuplicaClick();
    void cmdAllegaClick();
    void cmdGuidaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void btnCodFiscClick();
    void MoveTo(Arrow arrow);
    void ShowVehicle(const VehicleRecord &card, int cardNumber);
    VehicleRecord VehicleOnScreen() const;
    void ClearAttachments();

    std::unique_ptr<Ui::TfrmFlotta> ui;
};
