#pragma once
// The deadlines of one stored vehicle: insurance, inspection, road tax,
// service, one more of the user's choice and a note. Dates are typed as
// dd/mm/yyyy or picked in the date picker; an empty date is no deadline. An
// empty inspection date is proposed from the registration date, marked as
// proposed until the user accepts or changes it (a proposal never accepted is
// not saved).
#include "core/fleet/VehicleDeadlines.h"
#include "core/fleet/VehicleRecord.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmScadenze;
}
class QLineEdit;

class TfrmScadenze : public QDialog
{
    Q_OBJECT
public:
    // The deadlines of card cardNumber of the fleet archive at fleetPath;
    // vehicle is the card as the editor shows it (its registration date, type,
    // weight and use give the proposed inspection date).
    TfrmScadenze(QWidget *parent, const QString &fleetPath, int cardNumber, const VehicleRecord &vehicle);
    ~TfrmScadenze() override;

    // Reads the stored deadlines into the fields. False, with the failure
    // told, when they cannot be read (the dialog is then not shown).
    bool Load();
    // True while the inspection date on screen is the program's proposal.
    bool InspectionProposed() const { return m_proposed; }

private:
    void ShowDeadlines(const VehicleDeadlines &deadlines);
    VehicleDeadlines DeadlinesOnScreen() const;
    void SetProposed(bool proposed);
    void PickDate(QLineEdit *field);
    void btnAccettaRevisioneClick();
    void btnSalvaClick();

    std::unique_ptr<Ui::TfrmScadenze> ui;
    DeadlineEditorModel m_model;
    VehicleRecord m_vehicle;
    bool m_proposed = false;
};

// The refusal of the deadlines of a card not yet stored.
extern const QString DeadlinesOfNewCardText;
