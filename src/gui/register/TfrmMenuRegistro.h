#pragma once
// The year menu: between the start menu and the gate register. The user
// chooses the year whose archive the register card editor works on; the same
// screen leads to the monthly transit statistics.
#include "gui/kit/Navigator.h"
#include "gui/kit/ScreenWindow.h"

#include <functional>
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

    // What "Apri" does with a year of four digits: the register opens that
    // year's archive.
    using OpenYear = std::function<void(const QString &year)>;
    void SetOpenYear(OpenYear openYear) { m_openYear = std::move(openYear); }

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
    OpenYear m_openYear;
    // Where closing the menu leads.
    ScreenId m_next = ScreenId::StartMenu;
};
