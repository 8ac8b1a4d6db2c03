#pragma once
// The vehicle card editor: one card of the company fleet at a time; new,
// save, duplicate, the arrows through the archive, the availability mark,
// and the way to every other fleet window.
#include "core/fleet/Attachments.h"
#include "core/fleet/VehicleRecord.h"
#include "gui/kit/CardEditor.h"
#include "gui/kit/ScreenWindow.h"

#include <memory>

namespace Ui {
class TfrmFlotta;
}

class TfrmFlotta : public ScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmFlotta(QWidget *parent = nullptr);
    ~TfrmFlotta() override;

    // Card cardNumber (1-based) of the fleet archive into the editor's
    // fields, availability mark, attachments and lblPosizione, once the card
    // on screen may be replaced (changes not saved are asked about). False,
    // with the editor as it was, when it may not or the card cannot be read.
    bool LoadCard(int cardNumber);
    // The documents of the card on screen (they reach the archive with the
    // next save).
    const VehicleAttachments &Attachments() const { return m_attachments; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow() override;
    void btnNuovoClick();
    void NewCard();
    void btnSalvaClick();
    void cmdDuplicaClick();
    void cmdAllegaClick();
    void btnGuidaClick();
    void btnTrovaClick();
    void cmdDisponibiliClick();
    void cmdScadenzeClick();
    void btnExcelClick();
    void cmdAnteprimaClick();
    void btnStampaClick();
    void cmdPDFClick();
    void btnCodFiscClick();
    void ShowCard(const VehicleRecord &card);
    VehicleRecord VehicleOnScreen() const;

    std::unique_ptr<Ui::TfrmFlotta> ui;
    CardEditor<VehicleRecord> m_editor;
    VehicleAttachments m_attachments;
};
