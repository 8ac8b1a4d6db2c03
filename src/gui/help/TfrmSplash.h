#pragma once
// The credits window: the product's picture and a link to the maker's web site.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmSplash;
}

class TfrmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);
    ~TfrmSplash() override;

private:
    void lnkWebClick();
    void btnChiudiClick();

    std::unique_ptr<Ui::TfrmSplash> ui;
};
