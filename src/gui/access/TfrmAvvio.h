#pragma once
// The start menu: a maximised screen with a centred panel of pictures that
// lead to the gate register, the company fleet, help, information, credits,
// the maker's web site, the settings and the end of the program.
#include "gui/kit/ScreenWindow.h"

#include <functional>
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

    // Opens card cardNumber in the vehicle card editor (wired where the
    // screens are made).
    void SetOpenVehicle(std::function<void(int cardNumber)> openVehicle) { m_openVehicle = std::move(openVehicle); }

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
    void ShowDeadlineReminder();
    void lblScadenzeClick();

    std::unique_ptr<Ui::TfrmAvvio> ui;
    std::function<void(int cardNumber)> m_openVehicle;
};
