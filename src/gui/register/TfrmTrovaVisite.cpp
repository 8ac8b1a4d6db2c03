#include "gui/register/TfrmTrovaVisite.h"
#include "ui_TfrmTrovaVisite.h"

#include "core/register/RegisterLists.h"

TfrmTrovaVisite::TfrmTrovaVisite(QWidget *parent, const QString &archivePath,
                                 std::function<void(int cardNumber)> onChosen)
    : SearchWindow(parent)
    , ui(std::make_unique<Ui::TfrmTrovaVisite>())
{
    ui->setupUi(this);
    SetUp({RegisterSearchFields, "DataEnt", RegisterSearchTitle, SearchOf(archivePath, &SearchRegister),
           SearchFoundText, std::move(onChosen)});
}

TfrmTrovaVisite::~TfrmTrovaVisite() = default;
