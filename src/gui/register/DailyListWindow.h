#pragma once
// The daily lists of the register: one window design with three settings
// (which cards, how a line reads, the printed title), for the vehicles that
// entered today, that left today and that have not left yet. Filled from the
// register editor's archive when shown; a double-click loads that line's
// card into the editor and closes.
#include "core/register/RegisterLists.h"

#include <QDialog>
#include <memory>

namespace Ui {
class DailyListWindow;
}
class CardList;

class DailyListWindow : public QDialog
{
    Q_OBJECT
public:
    DailyListWindow(RegisterList list, const QString &name, const QString &caption, QWidget *parent);
    ~DailyListWindow() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void lstRecordsDblClick(int cardNumber);

    RegisterList m_list;
    std::unique_ptr<Ui::DailyListWindow> ui;
    CardList *m_lines = nullptr;
};
