#pragma once
// The register export: every card of the archive it is given in a grid,
// one row per card in archive order, some columns open to corrections, and
// the grid written as a spreadsheet file.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmExpVisite;
}
class CardGridModel;

class TfrmExpVisite : public QDialog
{
    Q_OBJECT
public:
    TfrmExpVisite(QWidget *parent, const QString &archivePath);
    ~TfrmExpVisite() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void cmdEsportaClick();
    void cmdGuidaClick();

    std::unique_ptr<Ui::TfrmExpVisite> ui;
    std::unique_ptr<CardGridModel> m_grid;
    QString m_archivePath;
    // The grid holds every card of the archive (its reading did not fail).
    bool m_readWhole = false;
};
