#pragma once
// The check of a fiscal code typed or handed in from a vehicle card: tells
// whether its check letter is right, then closes. Returns nothing.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmCodFisc;
}

class TfrmCodFisc : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);
    ~TfrmCodFisc() override;

    // The code to check, shown as given (not normalised until the user types).
    void SetCode(const QString &code);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnControllaClick();

    std::unique_ptr<Ui::TfrmCodFisc> ui;
};
