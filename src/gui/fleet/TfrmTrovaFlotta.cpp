#include "gui/fleet/TfrmTrovaFlotta.h"
#include "ui_TfrmTrovaFlotta.h"

#include "core/fleet/FleetArchive.h"
#include "core/fleet/FleetLists.h"
#include "core/storage/IoError.h"
#include "gui/kit/Dialogs.h"

TfrmTrovaFlotta::TfrmTrovaFlotta(QWidget *parent, const QString &archivePath,
                                 std::function<void(int cardNumber, const VehicleRecord &vehicle)> onChosen)
    : SearchWindow(parent)
    , ui(std::make_unique<Ui::TfrmTrovaFlotta>())
{
    ui->setupUi(this);
    SetUp({FleetSearchFields, "Veicolo", FleetSearchTitle, SearchOf(archivePath, &SearchFleet), FleetFoundText,
           // Exactly the vehicle of the double-clicked line, as the archive
           // holds it now, is handed over.
           [this, archivePath, onChosen = std::move(onChosen)](int cardNumber) {
               if (!onChosen)
                   return;
               try {
                   onChosen(cardNumber, FleetArchive::ReadCard(cardNumber, archivePath));
               } catch (const IoError &e) {
                   Dialogs::ArchiveError(this, &e);
               }
           }});
}

TfrmTrovaFlotta::~TfrmTrovaFlotta() = default;
