#include "gui/kit/WindowKit.h"

#include "core/storage/TextRules.h"
#include "gui/kit/ClickableLabel.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSet>
#include <QTextEdit>
#include <QValidator>

namespace {

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// One filter object per behaviour; it lives as a child of the window or field.
class EnterOrder : public QObject
{
public:
    EnterOrder(QObject *parent, QHash<QObject *, QWidget *> next)
        : QObject(parent), m_next(std::move(next))
    {
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event))) {
            if (QWidget *to = m_next.value(watched)) {
                to->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    QHash<QObject *, QWidget *> m_next;
};

class Highlight : public QObject
{
public:
    Highlight(QWidget *field, QFrame *frame)
        : QObject(field), m_field(field), m_frame(frame)
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            place();
            m_frame->show();
            break;
        case QEvent::FocusOut:
            m_frame->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            place();
            break;
        default:
            break;
        }
        return false;
    }
    void place()
    {
        if (m_frame->parentWidget() == m_field->parentWidget())
            m_frame->setGeometry(m_field->geometry().adjusted(-4, -4, 4, 4));
        m_frame->stackUnder(m_field);
    }

private:
    QWidget *m_field;
    QFrame *m_frame;
};

class DigitsOnly : public QObject
{
public:
    DigitsOnly(QLineEdit *field, QWidget *enterTarget, bool tabPasses)
        : QObject(field), m_enterTarget(enterTarget), m_tabPasses(tabPasses)
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (isEnter(key)) {
            if (m_enterTarget)
                m_enterTarget->setFocus(Qt::OtherFocusReason);
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
            return false;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return !m_tabPasses;
        default:
            break;
        }
        const QString text = key->text();
        const bool digit = text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9')
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        return !digit;
    }

private:
    QWidget *m_enterTarget;
    bool m_tabPasses;
};

// Whatever the route into the field (typing, paste, drop, context menu,
// input method), a text holding anything but the digits 0-9 is refused and
// the field keeps what it had.
class DigitsValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return IsDigitsOnly(input) ? Acceptable : Invalid;
    }
};

class DatePickerKeys : public QObject
{
public:
    DatePickerKeys(QLineEdit *field, std::function<void()> openPicker)
        : QObject(field), m_field(field), m_openPicker(std::move(openPicker))
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            m_field->clear();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            return false;
        default:
            m_openPicker();
            return true;
        }
    }

private:
    QLineEdit *m_field;
    std::function<void()> m_openPicker;
};

class StatusHints : public QObject
{
public:
    StatusHints(QWidget *window, QLabel *status, QHash<QString, QString> hints, QSet<QString> background)
        : QObject(window), m_window(window), m_status(status), m_hints(std::move(hints)),
          m_background(std::move(background))
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseMove)
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // The control right under the mouse decides, not the ones around it.
        QWidget *target = m_window->childAt(m_window->mapFromGlobal(mouse->globalPosition().toPoint()));
        while (target && target != m_window
               && (target->objectName().isEmpty() || target->objectName().startsWith(QLatin1String("qt_"))))
            target = target->parentWidget();
        if (!target)
            target = m_window;
        const QString name = target->objectName();
        if (m_hints.contains(name))
            m_status->setText(m_hints.value(name));
        else if (target == m_window || m_background.contains(name))
            m_status->setText(QString());
        return false;
    }

private:
    QWidget *m_window;
    QLabel *m_status;
    QHash<QString, QString> m_hints;
    QSet<QString> m_background;
};

class ButtonKeys : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // No dialog button is pressed by Enter in another control: a dialog
        // makes its first button its default unless told otherwise, so every
        // button not made the default on purpose is told so before it shows.
        if (event->type() == QEvent::Polish) {
            if (auto *push = qobject_cast<QPushButton *>(watched); push && !push->isDefault())
                push->setAutoDefault(false);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button || !isEnter(key) || !button->hasFocus() || !button->isEnabled() || key->isAutoRepeat())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void InstallButtonKeys()
{
    static ButtonKeys *keys = nullptr;
    if (!keys) {
        keys = new ButtonKeys(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(keys);
    }
}

void ApplyDateSettings()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void AttachEnterOrder(QWidget *window, const NamePairs &order)
{
    QHash<QObject *, QWidget *> next;
    for (const auto &[from, to] : order) {
        QWidget *a = window->findChild<QWidget *>(from);
        QWidget *b = window->findChild<QWidget *>(to);
        Q_ASSERT_X(a && b, "AttachEnterOrder", qPrintable(from + QLatin1String(" -> ") + to));
        if (a && b)
            next.insert(a, b);
    }
    auto *filter = new EnterOrder(window, next);
    for (QObject *from : next.keys())
        from->installEventFilter(filter);
}

void AttachHighlights(QWidget *window, const QStringList &roles)
{
    for (const QString &role : roles) {
        QWidget *field = window->findChild<QWidget *>(QLatin1String("txt") + role);
        Q_ASSERT_X(field, "AttachHighlights", qPrintable(role));
        if (!field)
            continue;
        auto *frame = window->findChild<QFrame *>(QLatin1String("eff") + role);
        if (!frame) {
            frame = new QFrame(field->parentWidget());
            frame->setObjectName(QLatin1String("eff") + role);
        }
        frame->setStyleSheet(QStringLiteral(
            "QFrame { background: #FFFF00; border: 2px solid qlineargradient(x1:0, y1:0, x2:0, y2:1,"
            " stop:0 #FFFF00, stop:1 #FFFFFF); border-radius: 3px; }"));
        frame->hide();
        auto *highlight = new Highlight(field, frame);
        field->installEventFilter(highlight);
        highlight->place();
    }
}

void AttachDigitsOnly(QLineEdit *field, QWidget *enterTarget, bool tabPasses)
{
    field->installEventFilter(new DigitsOnly(field, enterTarget, tabPasses));
    field->setValidator(new DigitsValidator(field));
}

void AttachPlateUpperCase(QLineEdit *field)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString &text) {
        const QString plate = UpperAZ(Trim(text));
        if (plate == text)
            return;
        // Keep the cursor where it was, less the blanks removed before it.
        const int cursor = field->cursorPosition();
        const int removedBefore = int(Trim(text.left(cursor) + QLatin1Char('x')).size()) - 1;
        field->setText(plate);
        field->setCursorPosition(std::clamp(removedBefore, 0, int(plate.size())));
    });
}

void AttachDatePickerField(QLineEdit *field, std::function<void()> openPicker)
{
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    field->installEventFilter(new DatePickerKeys(field, std::move(openPicker)));
}

void AttachStatusHints(QWidget *window, QLabel *status, const NamePairs &hints, const QStringList &background)
{
    QHash<QString, QString> hintOf;
    for (const auto &[name, hint] : hints) {
        QWidget *control = window->findChild<QWidget *>(name);
        Q_ASSERT_X(control, "AttachStatusHints", qPrintable(name));
        hintOf.insert(name, hint);
        // A picture that acts as a button says what it does.
        if (control && control->accessibleName().isEmpty() && qobject_cast<ClickableLabel *>(control))
            control->setAccessibleName(hint);
        if (control)
            control->setAccessibleDescription(hint);
    }
    auto *filter = new StatusHints(window, status, hintOf, QSet<QString>(background.begin(), background.end()));
    window->setMouseTracking(true);
    window->installEventFilter(filter);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        child->setMouseTracking(true);
        child->installEventFilter(filter);
    }
}

void AttachAccessibleNames(QWidget *window, const NamePairs &labelOfEdit, const NamePairs &pictureNames)
{
    for (const auto &[labelName, editName] : labelOfEdit) {
        auto *label = window->findChild<QLabel *>(labelName);
        QWidget *edit = window->findChild<QWidget *>(editName);
        Q_ASSERT_X(label && edit, "AttachAccessibleNames", qPrintable(labelName + QLatin1String(" -> ") + editName));
        if (label && edit)
            label->setBuddy(edit);
    }
    for (const auto &[name, text] : pictureNames) {
        QWidget *picture = window->findChild<QWidget *>(name);
        Q_ASSERT_X(picture, "AttachAccessibleNames", qPrintable(name));
        if (picture)
            picture->setAccessibleName(text);
    }
}

void MakeFixedWindow(QWidget *window)
{
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->adjustSize();
    window->setFixedSize(window->sizeHint().expandedTo(window->size()));
}

void CenterWindow(QWidget *window, QWidget *owner)
{
    QRect area;
    if (owner && owner->isVisible())
        area = owner->frameGeometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (!area.isValid())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

QString ControlText(const QWidget *control)
{
    if (auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return memo->toPlainText();
    if (auto *rich = qobject_cast<const QTextEdit *>(control))
        return rich->toPlainText();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return {};
}

void SetControlText(QWidget *control, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(control))
        line->setText(text);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        memo->setPlainText(text);
    else if (auto *rich = qobject_cast<QTextEdit *>(control))
        rich->setPlainText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setCurrentText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
}

void SetControlMaxLength(QWidget *control, int length)
{
    if (auto *line = qobject_cast<QLineEdit *>(control))
        line->setMaxLength(length);
    else if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        combo->lineEdit()->setMaxLength(length);
}

QWidget *FieldControl(const QWidget *window, const char *fieldName)
{
    return window->findChild<QWidget *>(QLatin1String("txt") + QLatin1String(fieldName));
}
