#pragma once
// The date picker: a month calendar whose chosen day is handed back to the
// window that opened it, together with the token naming the date field
// ("dataent" or "datausc" on the register card).
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
    explicit TfrmCalendario(QWidget *parent = nullptr);
    ~TfrmCalendario() override;

    // Which date field of the register card asked: "dataent" or "datausc".
    void SetToken(const QString &token);
    // Receives the token (as stored) and the chosen day dd/mm/yyyy; returns
    // true when the date went into a field, which closes the picker.
    using Import = std::function<bool(const QString &token, const QString &date)>;
    void SetImport(Import import) { m_import = std::move(import); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnImportaDataClick();

    std::unique_ptr<Ui::TfrmCalendario> ui;
    Import m_import;
};
