#pragma once
// The year menu: between the start menu and the gate register. The user
// chooses the year whose archive the register card editor works on; the same
// screen leads to the monthly transit statistics.
#include "gui/kit/ScreenWindow.h"
#include <memory>

namespace Ui {
class TfrmMenuRegistro;
}

class TfrmMenuRegistro : public ScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuRegistro(QWidget *parent = nullptr);
    ~TfrmMenuRegistro() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void FormShow() override;
    void btnApriFattureClick();
    void btnApriRiepStatsClick();
    void imgGuidaClick();
    void imgEsciClick();

private:
    std::unique_ptr<Ui::TfrmMenuRegistro> ui;
};
