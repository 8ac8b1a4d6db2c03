#pragma once
// The search window of both archives, set up from a table: up to ten
// criteria on the criteria panel, the cards found one line each on the
// results panel, found in and printed there, and a double-click that hands
// the card of its line on. Each search keeps its own form; the controls are
// found by the names both forms give them: the panels stkPannelli,
// panAvvio and panContainer, the criteria "txt" + field with their labels
// "lbl" + field and highlights "eff" + field, btnCerca, btnAnnulla,
// lblAttendere, prgAvanzamento, lblConta, txtTrova, btnTrova, lstRecords,
// lblTrovate, btnStampa and btnChiudi.
#include "core/storage/ArchiveScan.h"

#include <QDialog>
#include <QString>
#include <algorithm>
#include <functional>

class CardList;
class QLabel;
class QLineEdit;
class QProgressBar;
class QStackedWidget;

class SearchWindow : public QDialog
{
    Q_OBJECT
public:
    // What sets one search apart from the other.
    struct Setup {
        // The ten searchable fields, in the order of the criteria and of the
        // Enter key (the last goes round to the first).
        const char *const *fields;
        // The criterion with the focus when the window is shown.
        const char *firstField;
        // The title printed above the list.
        QString printTitle;
        // The cards matching the criteria (as typed), one sorted line each.
        std::function<ListLines(const QString (&criteria)[10], const ScanProgress &progress)> search;
        // The count label's text for the number of lines found.
        std::function<QString(int lines)> foundText;
        // The card (1-based) of the double-clicked line, before the window
        // closes; not called when no line is selected.
        std::function<void(int cardNumber)> pick;
    };

protected:
    // The search function of a table from an archive's own search, which
    // takes the archive, its criteria (ten texts in text[]) and the progress.
    template <class Criteria>
    static auto SearchOf(const QString &archivePath,
                         ListLines (*search)(const QString &, const Criteria &, const ScanProgress &))
    {
        return [archivePath, search](const QString (&texts)[10], const ScanProgress &progress) {
            Criteria criteria;
            std::copy(std::begin(texts), std::end(texts), std::begin(criteria.text));
            return search(archivePath, criteria, progress);
        };
    }

    using QDialog::QDialog;
    // Wires the form, already set up, from the table.
    void SetUp(Setup setup);
    void showEvent(QShowEvent *event) override;

private:
    template <class Control>
    Control *Part(const char *name) const;
    void btnCercaClick();
    void lstRecordsDblClick(int cardNumber);

    Setup m_setup;
    CardList *m_lines = nullptr;
    QStackedWidget *m_panels = nullptr;
    QWidget *m_results = nullptr;
    QLabel *m_waiting = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_found = nullptr;
    QLineEdit *m_findBox = nullptr;
};
