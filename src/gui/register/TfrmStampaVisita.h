#pragma once
// The print of a register card: two identical copies on one A4 sheet, the
// upper one for the driver and the lower one for the company, parted by a cut
// line. The card is what the editor shows, saved or not.
#include "core/register/VisitRecord.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmStampaVisita;
}
class ReportLayout;

class TfrmStampaVisita : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaVisita(QWidget *parent = nullptr);
    ~TfrmStampaVisita() override;

    // The sixteen texts of the editor's fields.
    void SetCard(const VisitRecord &card) { m_card = card; }

private:
    void btnStampaClick();

    std::unique_ptr<Ui::TfrmStampaVisita> ui;
    VisitRecord m_card;
};

// The page layout of the card print (repDocumento): A4 portrait, elements in
// millimetres; the value memos are txt<Field>_A and txt<Field>_B, the footer
// txtCalce.
ReportLayout VisitCardLayout();
