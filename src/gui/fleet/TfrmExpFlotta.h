#pragma once
// The fleet export: every vehicle of the archive in a grid, one row per card
// in archive order, written as the spreadsheet file Flotta_Automezzi.xls.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmExpFlotta;
}
class FleetGridModel;

class TfrmExpFlotta : public QDialog
{
    Q_OBJECT
public:
    TfrmExpFlotta(QWidget *parent, const QString &archivePath);
    ~TfrmExpFlotta() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void cmdEsportaClick();

    std::unique_ptr<Ui::TfrmExpFlotta> ui;
    FleetGridModel *m_grid = nullptr;
    QString m_archivePath;
    // The grid holds every card of the archive (its reading did not fail).
    bool m_readWhole = false;
    bool m_filled = false;
};
