#include "gui/register/TfrmStampaVisita.h"
#include "ui_TfrmStampaVisita.h"

#include "core/storage/Environment.h"
#include "core/storage/TextRules.h"
#include "gui/kit/Report.h"
#include "gui/kit/WindowKit.h"

#include <QPainter>

namespace {
const QColor LightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor Gold(0xFF, 0xD7, 0x00);

// The label of each row, in card field order.
constexpr const char *RowLabels[16] = {
    "Data ingresso:",      "Ora ingresso:",     "Registrato da:",         "Marca e modello veicolo:",
    "Targa:",              "Conducente:",       "Altre persone a bordo:", "Merce trasportata:",
    "Foglio di marcia:",   "Tessere:",          "Luogo destinazione:",    "Telefono:",
    "Note:",               "Data uscita:",      "Ora uscita:",            "Registrato da:"};

ReportElement box(const QString &name, QRectF mm, const QString &text, double points, QColor fill,
                  Qt::Alignment align = Qt::AlignHCenter)
{
    return ReportTextBox(name, mm, text, points, fill, align);
}

// One copy of the card, its top at `top` millimetres; memo names end in suffix.
void addCopy(QList<ReportElement> &elements, double top, const QString &suffix, const QString &copyLabel)
{
    elements << box(QStringLiteral("titArcata") + suffix, QRectF(1, top + 1, 188, 5.8),
                    QStringLiteral("SCHEDA RIEPILOGATIVA INGRESSO E USCITA VEICOLO"), 9, LightSteelBlue);
    for (int i = 0; i < 16; ++i) {
        const double rowTop = top + 7 + 5 * i;
        ReportElement frame;
        frame.kind = ReportElement::Box;
        frame.mm = QRectF(1, rowTop, 188, 4.6);
        frame.frame = true;
        elements << frame;
        elements << box({}, QRectF(2, rowTop + 0.5, 37.8, 3.5), QString::fromUtf8(RowLabels[i]), 7, Qt::transparent,
                        Qt::AlignLeft);
        elements << box(QStringLiteral("txt") + QLatin1String(VisitFields[i].name) + suffix,
                        QRectF(44, rowTop + 0.5, 144, 3.5), {}, 7, Qt::transparent, Qt::AlignLeft);
    }
    ReportElement rule;
    rule.kind = ReportElement::Line;
    rule.mm = QRectF(QPointF(42, top + 7), QPointF(42, top + 7 + 79.6));
    elements << rule;
    elements << box({}, QRectF(109, top + 89, 80, 5.8), copyLabel, 9, LightSteelBlue);
}
} // namespace

ReportLayout VisitCardLayout()
{
    QList<ReportElement> elements;
    addCopy(elements, 0, QStringLiteral("_A"), QStringLiteral("COPIA PER CONDUCENTE"));
    ReportElement cut;
    cut.kind = ReportElement::CutLine;
    cut.mm = QRectF(QPointF(0, 102), QPointF(190, 102));
    elements << cut;
    addCopy(elements, 108, QStringLiteral("_B"), QStringLiteral("COPIA PER AZIENDA"));
    elements << box(QStringLiteral("txtCalce"), QRectF(1, 270, 188, 5.8), QStringLiteral("Data e ora stampa"), 8, Gold);
    // The title memo of the upper copy keeps its own name.
    for (ReportElement &e : elements) {
        if (e.name == QLatin1String("titArcata_A"))
            e.name = QStringLiteral("titArcataSup");
        else if (e.name == QLatin1String("titArcata_B"))
            e.name = QStringLiteral("titArcataInf");
    }
    return ReportLayout(QPageLayout::Portrait, elements);
}

TfrmStampaVisita::TfrmStampaVisita(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmStampaVisita>())
{
    ui->setupUi(this);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmStampaVisita::btnStampaClick);
    AttachAccessibleNames(this, {});
    MakeFixedWindow(this);
    CenterWindow(this, parent);
}

TfrmStampaVisita::~TfrmStampaVisita() = default;

// Both copies from the card's texts, trimmed, and the moment of printing; the
// window closes whether the print dialog was confirmed or not.
void TfrmStampaVisita::btnStampaClick()
{
    ReportLayout layout = VisitCardLayout();
    for (const auto &field : VisitFields) {
        const QString text = Trim(m_card.*(field.member));
        const QString memo = QStringLiteral("txt") + QLatin1String(field.name);
        layout.setText(memo + QStringLiteral("_A"), text);
        layout.setText(memo + QStringLiteral("_B"), text);
    }
    const QDateTime now = CurrentDateTime();
    layout.setText(QStringLiteral("txtCalce"), QStringLiteral("Stampa eseguita in data ") + DateText(now.date())
                                                   + QStringLiteral(" alle ore ") + now.time().toString(QStringLiteral("HH:mm:ss")));
    PrintReport(this, layout.orientation(), [&layout](QPainter &painter, QPrinter &) { layout.paint(painter); });
    accept();
}
