#pragma once
// The vehicles marked available, one line each: find a line, print the list,
// and load a vehicle into the card editor with a double-click.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmDisponibili;
}
class CardList;

class TfrmDisponibili : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDisponibili(QWidget *parent = nullptr);
    ~TfrmDisponibili() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void lstRecordsDblClick(int cardNumber);

    std::unique_ptr<Ui::TfrmDisponibili> ui;
    CardList *m_lines = nullptr;
};
