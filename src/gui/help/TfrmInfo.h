#pragma once
// The information window: what the program is, and an e-mail link to its maker.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmInfo;
}

class TfrmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);
    ~TfrmInfo() override;

private:
    void lnkWebClick();
    void btnChiudiClick();

    std::unique_ptr<Ui::TfrmInfo> ui;
};
