#pragma once
// The settings window: one row per setting of the program (a whole number
// each), shared by every workstation; "Salva" stores the rows the user
// changed, "Chiudi" closes.
#include <QDialog>
#include <QMap>
#include <memory>

namespace Ui {
class TfrmImpostazioni;
}
class QSpinBox;

class TfrmImpostazioni : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmImpostazioni(QWidget *parent = nullptr);
    ~TfrmImpostazioni() override;

private:
    void btnSalvaClick();

    std::unique_ptr<Ui::TfrmImpostazioni> ui;
    // The field of each setting's key, and the value it showed when opened.
    QMap<QString, QSpinBox *> m_fields;
    QMap<QString, int> m_shown;
};
