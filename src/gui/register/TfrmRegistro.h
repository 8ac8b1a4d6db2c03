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
    // lblPosizione. False, with the editor as it was and the failure told to
    // the user, when the card cannot be read.
    bool LoadCard(int cardNumber);
    // The archive the editor works on.
    QString ArchivePath() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow() override;
    void btnNuovoClick();
    void btnSalvaClick();
    void btnGuidaClick();
    void btnTrovaClick();
    void btnNonUscitiClick();
    void btnEntratiOggiClick();
    void btnUscitiOggiClick();
    void btnStampaClick();
    void btnExcelClick();
    void btnEsciClick();
    void impVeicoloClick();
    // A company vehicle picked in the fleet search: make and model, plate,
    // driver and telephone go into the card on screen; nothing else changes
    // (a stored card stays stored, a new one new).
    void ImportVehicle(const VehicleRecord &vehicle);
    void ShowCard(const VisitRecord &card);

    std::unique_ptr<Ui::TfrmRegistro> ui;
    CardEditor<VisitRecord> m_editor;
};
