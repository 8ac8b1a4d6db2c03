#pragma once
// The daily lists of the register: one window design with three settings
// (which cards, how a line reads, the printed title), for the vehicles that
// entered today, that left today and that have not left yet. Filled from the
// archive it is given when shown; a double-click hands that line's card
// number back (the editor loads it) and closes.
#include "core/register/RegisterLists.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class DailyListWindow;
}
class CardList;

class DailyListWindow : public QDialog
{
    Q_OBJECT
public:
    using Chosen = std::function<void(int cardNumber)>;
    DailyListWindow(RegisterList list, const QString &name, const QString &caption, QWidget *parent,
                    const QString &archivePath, Chosen onChosen);
    ~DailyListWindow() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void lstRecordsDblClick(int cardNumber);

    RegisterList m_list;
    QString m_archivePath;
    Chosen m_onChosen;
    std::unique_ptr<Ui::DailyListWindow> ui;
    CardList *m_lines = nullptr;
};
