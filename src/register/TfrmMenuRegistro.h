#pragma once
// The year menu: between the start menu and the gate register. The user
// chooses the year whose archive the register card editor works on; the same
// screen leads to the monthly transit statistics.
#include <QWidget>
#include <memory>

namespace Ui {
class TfrmMenuRegistro;
}

class TfrmMenuRegistro : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmMenuRegistro(QWidget *parent = nullptr);
    ~TfrmMenuRegistro() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void FormShow();
    void btnApriFattureClick();
    void btnApriRiepStatsClick();
    void imgGuidaClick();
    void imgEsciClick();

private:
    std::unique_ptr<Ui::TfrmMenuRegistro> ui;
};
