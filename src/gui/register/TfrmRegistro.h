#pragma once
// The register card editor: the gate operator records one vehicle transit per
// card in the archive of the year chosen in the year menu, brings a card back
// with the arrows to add the exit, and saves it again in place.
#include "core/register/VisitRecord.h"
#include "gui/kit/CardEditor.h"
#include "gui/kit/ScreenWindow.h"
#include <memory>

namespace Ui {
class TfrmRegistro;
}
struct VehicleRecord;

class TfrmRegistro : public ScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmRegistro(QWidget *parent = nullptr);
    ~TfrmRegistro() override;

    // The year menu opens the archive of a year (four digits): the editor
    // works on it, and the caption names the year.
    void OpenYear(const QString &year);
    // Card cardNumber (1-based) of the open archive into the fields and
    // lblPosizione, once the card on screen may be replaced (changes not
    // saved are asked about). False, with the editor as it was, when it may
    // not or the card cannot be read (the failure told to the user).
    bool LoadCard(int cardNumber);
    // The archive the editor works on.
    QString ArchivePath() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow() override;
    void btnNuovoClick();
    void NewCard();
    void btnSalvaClick();
    void btnGuidaClick();
    void btnTrovaClick();
    void btnNonUscitiClick();
    void btnEntratiOggiClick();
    void btnUscitiOggiClick();
    void btnStampaClick();
    void btnExcelClick();
    void btnTargheSegnalateClick();
    // A plate on the flagged list is told before anything else; a list that
    // cannot be read warns of nothing (it never stands in the way of a card).
    void WarnFlaggedPlate(const QString &plate);
    void btnEsciClick();
    void impVeicoloClick();
    // A company vehicle picked in the fleet search: make and model, plate,
    // driver and telephone go into the card on screen; nothing else changes
    // (a stored card stays stored, a new one new).
    void ImportVehicle(const VehicleRecord &vehicle);
    void ShowCard(const VisitRecord &card);
    // The plate field left with a plate not looked up yet for this card: on a
    // new card a returning vehicle is recalled.
    void txtTargaExit();
    void RecallByPlate(const QString &plate);
    // The recalled values into the fields still empty; typed text stays.
    void FillEmptyFields(const VisitRecord &source);

    std::unique_ptr<Ui::TfrmRegistro> ui;
    CardEditor<VisitRecord> m_editor;
    // The plate (normalized) last looked up for the card on screen, so that
    // leaving the field again without changing it asks nothing twice.
    QString m_plateLookedUp;
};
