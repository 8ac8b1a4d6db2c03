#pragma once
// The date picker: a month calendar whose chosen day (dd/mm/yyyy) is handed
// back to the window that opened it, which knows the field that asked.
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmCalendario;
}

class TfrmCalendario : public QDialog
{
    Q_OBJECT
public:
    using Picked = std::function<void(const QString &date)>;
    TfrmCalendario(QWidget *parent, Picked onPicked);
    ~TfrmCalendario() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnImportaDataClick();

    std::unique_ptr<Ui::TfrmCalendario> ui;
    Picked m_onPicked;
};
