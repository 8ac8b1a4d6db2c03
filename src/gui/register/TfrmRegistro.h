#pragma once
// The register card editor: the gate operator records one vehicle transit per
// card in the archive of the year chosen in the year menu, brings a card back
// with the arrows to add the exit, and saves it again in place.
#include "gui/register/RegisterEditor.h"
#include "core/register/VisitRecord.h"
#include "gui/kit/ScreenWindow.h"
#include <memory>
#include <optional>

namespace Ui {
class TfrmRegistro;
}
enum class Arrow;

class TfrmRegistro : public ScreenWindow, public RegisterEditor
{
    Q_OBJECT
public:
    explicit TfrmRegistro(QWidget *parent = nullptr);
    ~TfrmRegistro() override;

    // The year menu opens the archive of a year: its path goes into the
    // hidden lblFile and the year into the caption.
    void OpenYear(const QString &year) override;
    bool LoadCard(const QString &archivePath, int cardNumber) override;
    QString ArchivePath() const override;
    void ImportVehicle(const QString &vehicle, const QString &plate, const QString &driver,
                       const QString &telephone) override;
    // The date picker hands back the picked date for the field named by its
    // token ("dataent" entry date, "datausc" exit date, compared exactly);
    // false, and nothing written, for any other token.
    bool ImportPickedDate(const QString &token, const QString &date);

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
    void MoveTo(Arrow arrow);
    void OpenDatePicker(const QString &token);
    // Shows a card read from the archive and remembers it as loaded.
    void ShowStoredCard(const QString &archivePath, int cardNumber, const VisitRecord &card);
    // Rewrites the stored card unless another workstation changed it since it
    // was loaded; then the operator chooses. True when written.
    bool RewriteStoredCard(int cardNumber, const VisitRecord &card);

    std::unique_ptr<Ui::TfrmRegistro> ui;
    // The stored card on screen as it was read (or last saved), so a save can
    // tell whether another workstation changed it meanwhile.
    struct Loaded {
        QString archivePath;
        int cardNumber = 0;
        VisitRecord card;
    };
    std::optional<Loaded> m_loaded;
};
