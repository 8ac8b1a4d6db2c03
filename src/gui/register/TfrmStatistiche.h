#pragma once
// The monthly transit statistics: the user types a calendar year, the window
// counts the cards of that year's archive month by month and shows the twelve
// counts as a three-dimensional bar or pie chart, which can be printed. The
// chart type chosen last stays while the program runs.
#include "gui/kit/ScreenWindow.h"

#include <memory>

namespace Ui {
class TfrmStatistiche;
}

class TfrmStatistiche : public ScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmStatistiche(QWidget *parent = nullptr);
    ~TfrmStatistiche() override;

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void btnApriClick();
    void btnBarreClick();
    void btnTortaClick();
    void btnStampaClick();
    void imgGuidaClick();
    void imgEsciClick();

    std::unique_ptr<Ui::TfrmStatistiche> ui;
};
