#pragma once
// The vehicle card editor: one card of the company fleet at a time; new,
// save, duplicate, the arrows through the archive, the availability mark,
// and the way to every other fleet window.
#include "gui/fleet/FleetEditor.h"
#include "core/fleet/VehicleRecord.h"
#include "gui/kit/ScreenWindow.h"

#include <memory>
#include <optional>

namespace Ui {
class TfrmFlotta;
}
enum class Arrow;

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
    // Rewrites the stored card unless another workstation changed it since it
    // was loaded; then the operator chooses. True when written.
    bool RewriteStoredCard(int cardNumber, const VehicleRecord &card);

    std::unique_ptr<Ui::TfrmFlotta> ui;
    // The stored card on screen as it was read (or last saved), so a save can
    // tell whether another workstation changed it meanwhile.
    struct Loaded {
        int cardNumber = 0;
        VehicleRecord card;
    };
    std::optional<Loaded> m_loaded;
};
