#pragma once
// The sections of the user manual, one per window or topic, in reading
// order. A window added to the program gets its section by a new row of the
// table in GuideSections.cpp: a heading, the paragraphs, the picture of the
// real window and what its controls do.
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

struct GuideSection {
    QString heading;
    QStringList paragraphs;
    // Takes the picture of the window as the user sees it; empty: no picture.
    std::function<QImage()> picture;
    // Control as the user sees it (caption, or what a picture shows) -> what it does.
    QList<QPair<QString, QString>> controls;
    QStringList closing; // paragraphs after the picture
};

// The whole manual; the program's windows must exist (CreateWindows) and the
// program folder must be a sample folder (the windows read its archives).
QList<GuideSection> GuideSections();
