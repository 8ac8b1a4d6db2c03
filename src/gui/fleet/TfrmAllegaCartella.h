#pragma once
// The attachments of the vehicle card on screen: three slots, each a
// document copied into the attachments folder and a description. The slots
// go back to the card editor only on "Applica e chiudi".
#include "core/fleet/Attachments.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmAllegaCartella;
}
class QLineEdit;

class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT
public:
    // apply receives the six values, trimmed, when the user confirms.
    using Apply = std::function<void(const VehicleAttachments &)>;
    TfrmAllegaCartella(QWidget *parent, const VehicleAttachments &attachments, Apply apply);
    ~TfrmAllegaCartella() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();
    QLineEdit *FileEdit(int slot) const;
    QLineEdit *DescEdit(int slot) const;

    std::unique_ptr<Ui::TfrmAllegaCartella> ui;
    Apply m_apply;
};
