#pragma once
// Behaviour shared by the windows, written once and attached per window from
// small tables of control names: Enter order, focus highlight, digits-only
// fields, plates upper-cased while typing, the register's date fields, status
// hints, fixed-size windows, and moving record fields to and from controls.
#include "core/storage/RecordLayout.h"
#include "core/storage/TextRules.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

using NamePairs = QList<QPair<QString, QString>>;

// The process-wide date and number settings: Italian, dd/mm/yyyy, ",".
void ApplyDateSettings();

// Enter (and Space, as the toolkit already does) on a focused button presses
// it, in every window, and Enter elsewhere presses no button unless it was
// made its dialog's default on purpose. Installed once at start-up.
void InstallButtonKeys();

// Enter in control `from` moves the focus to control `to` (a field or a
// button) and types nothing.
void AttachEnterOrder(QWidget *window, const NamePairs &order);

// For each role, the rectangle "eff<role>" (yellow, behind and around the
// field "txt<role>") is shown while the field has the focus.
void AttachHighlights(QWidget *window, const QStringList &roles);

// Only digits, Backspace, Delete and the Left/Right arrows reach the field;
// Enter moves the focus to enterTarget; every other key is discarded. Tab
// moves the focus on as usual unless tabPasses is false.
void AttachDigitsOnly(QLineEdit *field, QWidget *enterTarget, bool tabPasses = true);

// While the user types, the field's text becomes upper-case(trim(text)).
void AttachPlateUpperCase(QLineEdit *field);

// A read-only, centred date field: Backspace or Delete empties it, any other
// key (Tab aside) runs openPicker and types nothing.
void AttachDatePickerField(QLineEdit *field, std::function<void()> openPicker);

// Moving the mouse over a control named in hints writes its hint into
// status; over the window or a control named in background it empties it;
// over anything else it leaves it as it is.
void AttachStatusHints(QWidget *window, QLabel *status, const NamePairs &hints, const QStringList &background);

// Accessible names, so screen readers and UI automation over the
// accessibility bus find everything a user acts on. Buttons are named by
// their captions and windows by their captions without help; each edit is
// named by the text of its label, made the label's buddy (pairs label ->
// edit); each picture that acts as a button is named by its action (pairs
// control -> name). Pictures with a status hint and no name here are named
// by their hint (AttachStatusHints).
void AttachAccessibleNames(QWidget *window, const NamePairs &labelOfEdit, const NamePairs &pictureNames = {});

// A fixed-size window without title-bar buttons.
void MakeFixedWindow(QWidget *window);
// Centres the window on owner, or on the screen when owner is null.
void CenterWindow(QWidget *window, QWidget *owner = nullptr);

// The text of an edit control, whatever its kind (line, memo, combo box).
QString ControlText(const QWidget *control);
void SetControlText(QWidget *control, const QString &text);
void SetControlMaxLength(QWidget *control, int length);

// The edit control of a record field: "txt" + the field's name.
QWidget *FieldControl(const QWidget *window, const char *fieldName);

// Every field control limited to its field's capacity.
template <class Record, std::size_t N>
void SetFieldMaxLengths(QWidget *window, const std::array<FieldSpec<Record>, N> &fields)
{
    for (const auto &f : fields) {
        if (QWidget *control = FieldControl(window, f.name))
            SetControlMaxLength(control, f.capacity);
    }
}

// Every field of the record (already trimmed by loading) into its control.
template <class Record, std::size_t N>
void ShowRecord(QWidget *window, const Record &record, const std::array<FieldSpec<Record>, N> &fields)
{
    for (const auto &f : fields) {
        if (QWidget *control = FieldControl(window, f.name))
            SetControlText(control, record.*(f.member));
    }
}

// A record built from the controls' current texts, trimmed.
template <class Record, std::size_t N>
Record RecordFromControls(const QWidget *window, const std::array<FieldSpec<Record>, N> &fields)
{
    Record record;
    for (const auto &f : fields) {
        if (const QWidget *control = FieldControl(window, f.name))
            record.*(f.member) = Trim(ControlText(control));
    }
    return record;
}
