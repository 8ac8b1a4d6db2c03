#pragma once
// The fleet search: up to ten criteria, the vehicles found one line each,
// find and print in the list, and a double-click that hands the vehicle of
// its line to the window that opened the search: the vehicle card editor
// loads the card, the register card editor imports the vehicle.
#include "gui/kit/SearchWindow.h"

#include <functional>
#include <memory>

namespace Ui {
class TfrmTrovaFlotta;
}
struct VehicleRecord;

class TfrmTrovaFlotta : public SearchWindow
{
    Q_OBJECT
public:
    // Searches the fleet archive at archivePath; onChosen gets the card
    // number (1-based) of the double-clicked line and the vehicle read from
    // the archive, then the window closes. A vehicle that cannot be read is
    // told to the user and handed to nobody.
    TfrmTrovaFlotta(QWidget *parent, const QString &archivePath,
                    std::function<void(int cardNumber, const VehicleRecord &vehicle)> onChosen);
    ~TfrmTrovaFlotta() override;

private:
    std::unique_ptr<Ui::TfrmTrovaFlotta> ui;
};
