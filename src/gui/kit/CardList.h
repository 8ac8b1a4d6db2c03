#pragma once
// The list of a list window (daily lists, searches, fleet lists): one line
// per card, each line keeping the number of its card as model data, so a
// double-click opens exactly the card of that line even when two lines read
// the same. CardList wires the list to its find box (Trova), its print button
// (Stampa) and the double-click, the same in every list window.
#include "core/storage/ListRules.h"

#include <QAbstractListModel>
#include <QFont>
#include <QObject>
#include <QSize>
#include <functional>

class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QWidget;

class CardListModel : public QAbstractListModel
{
public:
    // The card number (1-based) of a line.
    static constexpr int CardNumberRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;
    // A long list gives its memory back to the system when it goes.
    ~CardListModel() override;
    // Replaces every line in one go.
    void SetLines(QList<ListLine> lines);
    void Clear() { SetLines({}); }
    const QList<ListLine> &Lines() const { return m_lines; }
    // The size of every line (all lines alike, so long lists lay out at once).
    void SetLineSize(QSize size) { m_lineSize = size; }
    // The list's font, made bold for a highlighted line (drawn in crimson).
    void SetFont(const QFont &font) { m_font = font; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<ListLine> m_lines;
    QSize m_lineSize;
    QFont m_font;
};

class CardList : public QObject
{
public:
    // Lines in Courier New 12, 1600 wide, scrolled sideways when longer.
    CardList(QListView *list, QLineEdit *findBox, QPushButton *findButton, QPushButton *printButton);

    void SetLines(QList<ListLine> lines);
    void Clear();
    int LineCount() const { return int(m_model->Lines().size()); }
    QStringList Texts() const;
    // Empties the find box and forgets the last text searched.
    void ResetFind();

    // Trova: the next line holding the find box's text (a-z as A-Z); on an
    // empty list the user is told that there is nothing to search.
    void Find();
    // Stampa: the list report of every line under the title.
    void Print();
    // The card of the selected line, 0 when no line is selected.
    int SelectedCard() const;

    // The title printed above the list (asked at the moment of printing).
    std::function<QString()> printTitle;
    // A double-click on a line: the line's card number (0 when none is selected).
    std::function<void(int cardNumber)> onOpen;

private:
    QListView *m_list;
    QLineEdit *m_findBox;
    CardListModel *m_model;
    QString m_lastNeedle;
};

// The progress of a long scan: a bar that appears once the scan has taken
// more than a moment, and a window that keeps repainting while it runs (user
// input waits until the scan is over). Hidden again when destroyed.
class ScanFeedback
{
public:
    explicit ScanFeedback(QProgressBar *bar = nullptr);
    ~ScanFeedback();
    ScanFeedback(const ScanFeedback &) = delete;
    ScanFeedback &operator=(const ScanFeedback &) = delete;
    // The function to hand to the scan.
    std::function<void(int done, int total)> Progress();

private:
    QProgressBar *m_bar;
    qint64 m_started;
};

// The message told when an archive could not be read to the end.
extern const QString ListReadFailedText;
