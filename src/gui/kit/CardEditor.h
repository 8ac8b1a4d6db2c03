#pragma once
// The actions of a card editor window that tell the user, written once for
// both archives: load a card, save it (with the question when another
// workstation changed it meanwhile), the arrows, a new card, and the question
// before a card with changes not saved is replaced. The window binds the
// fields to its controls (show) and keeps its own checks and buttons.
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
    using OnScreen = std::function<Record()>;
    using Check = std::function<std::optional<SaveRefusal>(const Record &)>;
    // show puts a stored card into the window's fields.
    CardEditor(QWidget *window, Show show)
        : m_window(window)
        , m_show(std::move(show))
    {
    }
    // The label that shows the card number (lblPosizione).
    void SetPosition(QLabel *position) { m_position = position; }
    // How the window reads the card on screen and checks it before a save:
    // with them, MayReplace can tell a changed card and save it.
    void SetOnScreen(OnScreen onScreen, Check check)
    {
        m_onScreen = std::move(onScreen);
        m_check = std::move(check);
    }

    CardEditorModel<Record> model;

    void ShowPosition()
    {
        const std::optional<int> number = model.CardNumber();
        m_position->setText(number ? QString::number(*number) : QString());
    }

    // A new card: no number. Called once the window has put the card's
    // starting values on screen (the proposed entry date and time of a new
    // register card are no change).
    void New()
    {
        model.New();
        ShowPosition();
        RememberScreen();
    }

    // Before the card on screen is replaced (a new card, an arrow, a card
    // picked in a list or search, leaving the screen): when it differs from
    // the card as loaded or started, asks whether to save it first. Sì saves
    // (false when the save is refused or fails: the card stays), No drops
    // the changes, Annulla leaves everything as it was. True to go on.
    bool MayReplace()
    {
        if (!m_onScreen || !m_asShown)
            return true;
        const Record card = m_onScreen();
        if (card == *m_asShown)
            return true;
        switch (Dialogs::AskSaveChanges(m_window)) {
        case Dialogs::UnsavedAnswer::Save:
            return Save(card, m_check ? m_check(card) : std::nullopt);
        case Dialogs::UnsavedAnswer::Discard:
            return true;
        case Dialogs::UnsavedAnswer::Cancel:
            break;
        }
        return false;
    }

    // Card cardNumber of the archive into the fields. False, with the editor
    // as it was and the failure told, when it cannot be read.
    bool Load(int cardNumber)
    {
        try {
            m_show(model.Load(cardNumber));
            ShowPosition();
            RememberScreen();
            return true;
        } catch (const IoError &e) {
            Dialogs::ArchiveError(m_window, &e);
            return false;
        }
    }

    // A card picked in a list or a search takes the place of the card on
    // screen, once MayReplace lets it.
    bool Open(int cardNumber) { return MayReplace() && Load(cardNumber); }

    // Saves the card on screen unless a check refuses it (told, and the
    // focus on the field). A failed save leaves the card on screen as it
    // was, number included. True when the card on screen is now stored.
    bool Save(const Record &card, const std::optional<SaveRefusal> &refusal)
    {
        if (refusal) {
            Dialogs::Message(m_window, refusal->warning ? MessageKind::Warning : MessageKind::Plain, refusal->message);
            if (QWidget *field = FieldControl(m_window, qPrintable(refusal->field)))
                field->setFocus();
            return false;
        }
        try {
            switch (model.Save(card, [this] { return Dialogs::AskOverwriteChangedCard(m_window); })) {
            case SaveOutcome::Appended:
                ShowPosition();
                RememberScreen();
                Dialogs::Message(m_window, MessageKind::Information,
                                 QStringLiteral("La scheda corrente è stata inserita in archivio."));
                return true;
            case SaveOutcome::Rewritten:
                ShowPosition();
                RememberScreen();
                Dialogs::Message(m_window, MessageKind::Information,
                                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
                return true;
            case SaveOutcome::ReloadedAsNow:
                m_show(*model.Loaded());
                ShowPosition();
                RememberScreen();
                break;
            }
        } catch (const IoError &e) {
            Dialogs::ArchiveError(m_window, &e);
        }
        return false;
    }

    // The arrows. With zeroBeforeRead the card number reads 0 while the
    // first card is read from a new card (the register's way). An arrow that
    // would show another card asks first (MayReplace).
    void MoveTo(Arrow arrow, bool zeroBeforeRead)
    {
        try {
            if (StepOf(arrow, model.Archive().Count(), model.CardNumber().value_or(0)).showIndex >= 0 && !MayReplace())
                return;
            const ArrowStep step = model.StepFor(arrow);
            if (step.clearPosition)
                m_position->clear();
            if (step.zeroPosition && zeroBeforeRead)
                m_position->setText(QStringLiteral("0"));
            if (step.showIndex >= 0) {
                m_show(model.Load(step.showIndex + 1));
                ShowPosition();
                RememberScreen();
            }
            if (step.emptyArchive)
                Dialogs::Message(m_window, MessageKind::Information,
                                 QStringLiteral("L'archivio non contiene nessuna scheda."));
        } catch (const IoError &e) {
            Dialogs::ArchiveError(m_window, &e);
        }
    }

private:
    // The card as it is on screen now is the one loaded or started.
    void RememberScreen()
    {
        if (m_onScreen)
            m_asShown = m_onScreen();
    }

    QWidget *m_window;
    QLabel *m_position = nullptr;
    Show m_show;
    OnScreen m_onScreen;
    Check m_check;
    // The card on screen as it was loaded, started or last saved.
    std::optional<Record> m_asShown;
};
