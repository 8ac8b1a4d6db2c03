#pragma once
// The actions of a card editor window that tell the user, written once for
// both archives: load a card, save it (with the question when another
// workstation changed it meanwhile), the arrows, a new card. The window binds
// the fields to its controls (show) and keeps its own checks and buttons.
#include "core/storage/CardEditorModel.h"
#include "core/storage/IoError.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QLabel>
#include <functional>

template <class Record>
class CardEditor
{
public:
    using Show = std::function<void(const Record &)>;
    // show puts a stored card into the window's fields.
    CardEditor(QWidget *window, Show show)
        : m_window(window)
        , m_show(std::move(show))
    {
    }
    // The label that shows the card number (lblPosizione).
    void SetPosition(QLabel *position) { m_position = position; }

    CardEditorModel<Record> model;

    void ShowPosition()
    {
        const std::optional<int> number = model.CardNumber();
        m_position->setText(number ? QString::number(*number) : QString());
    }

    // A new card: no number.
    void New()
    {
        model.New();
        ShowPosition();
    }

    // Card cardNumber of the archive into the fields. False, with the editor
    // as it was and the failure told, when it cannot be read.
    bool Load(int cardNumber)
    {
        try {
            m_show(model.Load(cardNumber));
            ShowPosition();
            return true;
        } catch (const IoError &e) {
            Dialogs::ArchiveError(m_window, &e);
            return false;
        }
    }

    // Saves the card on screen unless a check refuses it (told, and the
    // focus on the field). A failed save leaves the card on screen as it
    // was, number included.
    void Save(const Record &card, const std::optional<SaveRefusal> &refusal)
    {
        if (refusal) {
            Dialogs::Message(m_window, refusal->warning ? MessageKind::Warning : MessageKind::Plain, refusal->message);
            if (QWidget *field = FieldControl(m_window, qPrintable(refusal->field)))
                field->setFocus();
            return;
        }
        try {
            switch (model.Save(card, [this] { return Dialogs::AskOverwriteChangedCard(m_window); })) {
            case SaveOutcome::Appended:
                ShowPosition();
                Dialogs::Message(m_window, MessageKind::Information,
                                 QStringLiteral("La scheda corrente è stata inserita in archivio."));
                break;
            case SaveOutcome::Rewritten:
                ShowPosition();
                Dialogs::Message(m_window, MessageKind::Information,
                                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
                break;
            case SaveOutcome::ReloadedAsNow:
                m_show(*model.Loaded());
                ShowPosition();
                break;
            }
        } catch (const IoError &e) {
            Dialogs::ArchiveError(m_window, &e);
        }
    }

    // The arrows. With zeroBeforeRead the card number reads 0 while the
    // first card is read from a new card (the register's way).
    void MoveTo(Arrow arrow, bool zeroBeforeRead)
    {
        try {
            const ArrowStep step = model.StepFor(arrow);
            if (step.clearPosition)
                m_position->clear();
            if (step.zeroPosition && zeroBeforeRead)
                m_position->setText(QStringLiteral("0"));
            if (step.showIndex >= 0) {
                m_show(model.Load(step.showIndex + 1));
                ShowPosition();
            }
            if (step.emptyArchive)
                Dialogs::Message(m_window, MessageKind::Information,
                                 QStringLiteral("L'archivio non contiene nessuna scheda."));
        } catch (const IoError &e) {
            Dialogs::ArchiveError(m_window, &e);
        }
    }

private:
    QWidget *m_window;
    QLabel *m_position = nullptr;
    Show m_show;
};
