#pragma once
// The register search: up to ten criteria at once on the cards of the
// register editor's archive; the cards found are listed one line each, found
// in, printed, and loaded into the editor with a double-click.
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmTrovaVisite;
}
class CardList;

class TfrmTrovaVisite : public QDialog
{
    Q_OBJECT
public:
    using Chosen = std::function<void(int cardNumber)>;
    TfrmTrovaVisite(QWidget *parent, const QString &archivePath, Chosen onChosen);
    ~TfrmTrovaVisite() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnCercaClick();
    void lstRecordsDblClick(int cardNumber);
    void btnChiudiClick();

    std::unique_ptr<Ui::TfrmTrovaVisite> ui;
    CardList *m_lines = nullptr;
    QString m_archivePath;
    Chosen m_onChosen;
};
