#pragma once
// The register search: up to ten criteria at once on the cards of the
// register editor's archive; the cards found are listed one line each, found
// in, printed, and loaded into the editor with a double-click.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmTrovaVisite;
}
class CardList;

class TfrmTrovaVisite : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaVisite(QWidget *parent = nullptr);
    ~TfrmTrovaVisite() override;

    // Who opened the search: "registro" lets a double-click load the card
    // into the register editor.
    void SetToken(const QString &token);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnCercaClick();
    void lstRecordsDblClick(int cardNumber);
    void btnChiudiClick();

    std::unique_ptr<Ui::TfrmTrovaVisite> ui;
    CardList *m_lines = nullptr;
};
