#pragma once
// The vehicles marked available, one line each: find a line, print the list,
// and hand a vehicle back to the card editor with a double-click.
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmDisponibili;
}
class CardList;

class TfrmDisponibili : public QDialog
{
    Q_OBJECT
public:
    using Chosen = std::function<void(int cardNumber)>;
    TfrmDisponibili(QWidget *parent, const QString &archivePath, Chosen onChosen);
    ~TfrmDisponibili() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void lstRecordsDblClick(int cardNumber);

    std::unique_ptr<Ui::TfrmDisponibili> ui;
    CardList *m_lines = nullptr;
    QString m_archivePath;
    Chosen m_onChosen;
};
