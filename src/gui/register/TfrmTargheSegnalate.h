#pragma once
// The flagged plates: the shared list of plates the gate must notice, with
// the reason and the day each was added. Aggiungi flags the plate typed
// (a plate already flagged gets the new reason), Rimuovi takes the selected
// one off; every change is written at once to the shared file.
#include "core/register/FlaggedPlates.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmTargheSegnalate;
}
class FlaggedPlatesModel;

class TfrmTargheSegnalate : public QDialog
{
    Q_OBJECT
public:
    TfrmTargheSegnalate(QWidget *parent, const QString &path);
    ~TfrmTargheSegnalate() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnAggiungiClick();
    void btnRimuoviClick();
    void ShowList(const FlaggedPlates::List &list);

    std::unique_ptr<Ui::TfrmTargheSegnalate> ui;
    FlaggedPlatesModel *m_model = nullptr;
    QString m_path;
};
