#pragma once
// The start menu: a maximised screen with a centred panel of pictures that
// lead to the gate register, the company fleet, help, information, credits,
// the maker's web site, the settings and the end of the program.
#include "gui/kit/ScreenWindow.h"

#include <memory>

namespace Ui {
class TfrmAvvio;
}

class TfrmAvvio : public ScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);
    ~TfrmAvvio() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow() override;
    void imgRegistroClick();
    void imgAutoparcoClick();
    void imgCopyrightClick();
    void imgInfoClick();
    void imgGuidaClick();
    void imgSitoClick();
    void imgImpostazioniClick();
    void imgEsciClick();

    std::unique_ptr<Ui::TfrmAvvio> ui;
};
