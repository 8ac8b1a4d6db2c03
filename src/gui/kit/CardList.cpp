#include "gui/kit/CardList.h"

#include "core/storage/FreedMemory.h"

#include "gui/kit/Dialogs.h"
#include "gui/kit/Report.h"
#include "gui/kit/WindowKit.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <utility>

const QString ListReadFailedText = QStringLiteral(
    "Attenzione: il sistema non è riuscito a leggere tutte le schede dell'archivio.\n\r\n\r"
    "L'elenco mostra soltanto le schede lette prima dell'errore.");

namespace {
// Lines past which a list's memory is handed back to the system when it goes.
constexpr qsizetype LongList = 10000;
} // namespace

CardListModel::~CardListModel()
{
    const bool longList = m_lines.size() > LongList;
    m_lines = {};
    if (longList)
        GiveBackFreedMemory();
}

void CardListModel::SetLines(QList<ListLine> lines)
{
    const bool longList = m_lines.size() > LongList;
    {
        beginResetModel();
        const QList<ListLine> old = std::exchange(m_lines, std::move(lines));
        endResetModel();
    }
    if (longList)
        GiveBackFreedMemory();
}

int CardListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant CardListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.at(index.row()).text;
    case CardNumberRole:
        return m_lines.at(index.row()).cardNumber;
    case Qt::SizeHintRole:
        return m_lineSize.isValid() ? QVariant(m_lineSize) : QVariant();
    case Qt::ForegroundRole:
        return m_lines.at(index.row()).alert || m_lines.at(index.row()).highlighted
                   ? QVariant(QColor(0xDC, 0x14, 0x3C)) // crimson
                   : QVariant();
    case Qt::FontRole:
        if (m_lines.at(index.row()).highlighted) {
            QFont bold = m_font;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

CardList::CardList(QListView *list, QLineEdit *findBox, QPushButton *findButton, QPushButton *printButton)
    : QObject(list)
    , m_list(list)
    , m_findBox(findBox)
    , m_model(new CardListModel(list))
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(12);
    font.setStyleStrategy(QFont::PreferNoShaping);
    m_list->setFont(font);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_model->SetLineSize(QSize(1600, QFontMetrics(font).height() + 2));
    m_model->SetFont(font);
    m_list->setModel(m_model);

    AttachEnterOrder(findBox->window(), {{findBox->objectName(), findButton->objectName()}});
    connect(findButton, &QPushButton::clicked, this, &CardList::Find);
    connect(printButton, &QPushButton::clicked, this, &CardList::Print);
    connect(m_list, &QListView::doubleClicked, this, [this] {
        if (onOpen)
            onOpen(SelectedCard());
    });
}

void CardList::SetLines(QList<ListLine> lines)
{
    m_model->SetLines(std::move(lines));
}

void CardList::Clear()
{
    m_model->Clear();
}

QStringList CardList::Texts() const
{
    QStringList texts;
    texts.reserve(m_model->Lines().size());
    for (const ListLine &line : m_model->Lines())
        texts << line.text;
    return texts;
}

void CardList::ResetFind()
{
    m_lastNeedle.clear();
    m_findBox->clear();
}

void CardList::Find()
{
    const QList<ListLine> &lines = m_model->Lines();
    if (lines.isEmpty()) {
        Dialogs::Message(m_list->window(), MessageKind::Plain,
                         QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    int selected = m_list->currentIndex().isValid() && m_list->selectionModel()->isSelected(m_list->currentIndex())
        ? m_list->currentIndex().row()
        : -1;
    if (selected < 0) {
        selected = 0;
        m_list->setCurrentIndex(m_model->index(0));
    }
    const int found = FindInListRow(
        int(lines.size()), [&lines](int row) -> const QString & { return lines.at(row).text; }, m_findBox->text(),
        m_lastNeedle, selected);
    if (found >= 0) {
        m_list->setCurrentIndex(m_model->index(found));
        m_list->scrollTo(m_model->index(found));
    }
    m_lastNeedle = LowerAZ(m_findBox->text());
}

void CardList::Print()
{
    PrintListReport(m_list->window(), printTitle ? printTitle() : QString(), Texts());
}

int CardList::SelectedCard() const
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid() || !m_list->selectionModel()->isSelected(current))
        return 0;
    return current.data(CardListModel::CardNumberRole).toInt();
}

ScanFeedback::ScanFeedback(QProgressBar *bar)
    : m_bar(bar)
    , m_started(QDateTime::currentMSecsSinceEpoch())
{
}

ScanFeedback::~ScanFeedback()
{
    if (m_bar)
        m_bar->hide();
}

std::function<void(int, int)> ScanFeedback::Progress()
{
    return [this](int done, int total) {
        // A scan of a moment shows nothing; a longer one shows how far it is.
        if (QDateTime::currentMSecsSinceEpoch() - m_started < 300 && done < total)
            return;
        if (m_bar) {
            if (!m_bar->isVisible()) {
                m_bar->setRange(0, total);
                m_bar->show();
            }
            m_bar->setValue(done);
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}
