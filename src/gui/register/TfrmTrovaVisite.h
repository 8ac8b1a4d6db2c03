#pragma once
// The register search: up to ten criteria at once on the cards of a year's
// archive; the cards found are listed one line each, found in, printed, and
// picked with a double-click, which hands the card's number to the opener.
#include "gui/kit/SearchWindow.h"

#include <functional>
#include <memory>

namespace Ui {
class TfrmTrovaVisite;
}

class TfrmTrovaVisite : public SearchWindow
{
    Q_OBJECT
public:
    // Searches the archive at archivePath; onChosen gets the card number
    // (1-based) of the double-clicked line, then the window closes.
    TfrmTrovaVisite(QWidget *parent, const QString &archivePath, std::function<void(int cardNumber)> onChosen);
    ~TfrmTrovaVisite() override;

private:
    std::unique_ptr<Ui::TfrmTrovaVisite> ui;
};
