#include "ClickableLabel.h"

#include <QIcon>
#include <QMouseEvent>

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
    const QSize natural = icon.actualSize(QSize(4096, 4096));
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

void StyleLink(QLabel *link, bool pressed)
{
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, pressed ? QColor(255, 140, 0) : QColor(0, 0, 139));
    link->setPalette(palette);
}
