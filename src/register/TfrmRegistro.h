#pragma once
#include <QWidget>

// The register card editor: one gate card at a time, in the archive of the
// year chosen in the year menu.
class TfrmRegistro : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmRegistro(QWidget *parent = nullptr);

    // The year menu opens the archive of a year: its path goes into the
    // hidden lblFile and the year into the caption.
    void OpenYear(const QString &year);
};
