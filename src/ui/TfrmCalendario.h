#pragma once
// The date picker of the register card: a month calendar whose chosen day
// goes into the entry or exit date of the card, as the token says.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmCalendario;
}

class TfrmCalendario : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);
    ~TfrmCalendario() override;

    // Which date field of the register card asked: "dataent" or "datausc".
    void SetToken(const QString &token);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnImportaDataClick();

    std::unique_ptr<Ui::TfrmCalendario> ui;
};
