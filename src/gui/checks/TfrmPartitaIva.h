#pragma once
// The check of a VAT number handed in from a vehicle card: tells whether its
// check digit is right and, for a right one, which VAT office issued it, then
// closes. Returns nothing.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmPartitaIva;
}

class TfrmPartitaIva : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);
    ~TfrmPartitaIva() override;

    // The number to check, shown whole as given (the capacity limits typing only).
    void SetNumber(const QString &number);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnControllaClick();

    std::unique_ptr<Ui::TfrmPartitaIva> ui;
};
