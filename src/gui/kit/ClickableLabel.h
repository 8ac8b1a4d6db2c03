#pragma once
// A picture or a text link that acts on a click: pressed, released, and
// clicked when the button is released over it (releasing elsewhere does not
// click). A picture shows the SVG or image named by its "image" property,
// scaled to the label's size.
#include <QLabel>
#include <functional>

class ClickableLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString image READ image WRITE setImage)

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

    QString image() const { return m_image; }
    void setImage(const QString &resource);

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void renderImage();
    QString m_image;
};

// Clickable pictures and links are buttons for screen readers and UI
// automation: role button, the "press" action clicks them. Installed once at
// start-up.
void InstallClickableAccessibility();

// The text links of the help, information and credits windows: dark blue,
// orange while the mouse button is held on the link or on its picture; a
// click on either sets the link dark blue and runs open.
void AttachLink(ClickableLabel *link, ClickableLabel *picture, std::function<void()> open);
