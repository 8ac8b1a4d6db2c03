#include "gui/kit/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QIcon>
#include <QImageReader>
#include <QMouseEvent>
#include <QSvgRenderer>

namespace {
// The picture's own size, read from the file without drawing it (asking the
// icon for it would draw a 4096x4096 picture on every call).
QSize naturalSize(const QString &resource)
{
    if (resource.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        const QSvgRenderer svg(resource);
        if (svg.isValid())
            return svg.defaultSize();
    }
    return QImageReader(resource).size();
}
} // namespace

namespace {
class AccessibleClickable : public QAccessibleWidget
{
public:
    explicit AccessibleClickable(ClickableLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = static_cast<ClickableLabel *>(widget())->text();
        return text;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<ClickableLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *clickableFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickableLabel") && object && object->isWidgetType())
        return new AccessibleClickable(static_cast<ClickableLabel *>(object));
    return nullptr;
}
} // namespace

void InstallClickableAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(clickableFactory);
        installed = true;
    }
}

ClickableLabel::ClickableLabel(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::setImage(const QString &resource)
{
    m_image = resource;
    renderImage();
}

void ClickableLabel::renderImage()
{
    if (m_image.isEmpty() || width() <= 0 || height() <= 0)
        return;
    const QIcon icon(m_image);
    const QSize available = size();
    const QSize natural = naturalSize(m_image);
    const QSize fitted = natural.isValid() ? natural.scaled(available, Qt::KeepAspectRatio) : available;
    setPixmap(icon.pixmap(fitted, devicePixelRatioF()));
    setAlignment(Qt::AlignCenter);
}

void ClickableLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    renderImage();
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    emit released();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

namespace {
void styleLink(QLabel *link, bool pressed)
{
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, pressed ? QColor(255, 140, 0) : QColor(0, 0, 139));
    link->setPalette(palette);
}
} // namespace

void AttachLink(ClickableLabel *link, ClickableLabel *picture, std::function<void()> open)
{
    styleLink(link, false);
    for (ClickableLabel *control : {link, picture}) {
        QObject::connect(control, &ClickableLabel::pressed, link, [link] { styleLink(link, true); });
        QObject::connect(control, &ClickableLabel::released, link, [link] { styleLink(link, false); });
        QObject::connect(control, &ClickableLabel::clicked, link, [link, open] {
            styleLink(link, false);
            open();
        });
    }
}
