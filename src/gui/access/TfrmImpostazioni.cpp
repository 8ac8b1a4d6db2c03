#include "gui/access/TfrmImpostazioni.h"
#include "ui_TfrmImpostazioni.h"

#include "core/settings/Settings.h"
#include "core/storage/IoError.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QLabel>
#include <QSpinBox>

namespace {
const QString StoreFailed = QStringLiteral(
    "Attenzione: non è stato possibile salvare le impostazioni.\r\n\r\n"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
} // namespace

TfrmImpostazioni::TfrmImpostazioni(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmImpostazioni>())
{
    ui->setupUi(this);
    NamePairs labels;
    NamePairs enterOrder;
    QString previous;
    for (const Settings::Row &row : Settings::Rows()) {
        const QString key = QLatin1String(row.key);
        auto *label = new QLabel(row.label, this);
        label->setObjectName(QStringLiteral("lbl") + key);
        auto *field = new QSpinBox(this);
        field->setObjectName(QStringLiteral("txt") + key);
        field->setRange(row.minimum, row.maximum);
        field->setValue(Settings::Value(row.key));
        ui->layRighe->addRow(label, field);
        m_fields.insert(key, field);
        m_shown.insert(key, field->value());
        labels.append({label->objectName(), field->objectName()});
        if (!previous.isEmpty())
            enterOrder.append({previous, field->objectName()});
        previous = field->objectName();
    }
    if (!previous.isEmpty())
        enterOrder.append({previous, QStringLiteral("btnSalva")});
    AttachAccessibleNames(this, labels);
    AttachEnterOrder(this, enterOrder);
    connect(ui->btnSalva, &QPushButton::clicked, this, &TfrmImpostazioni::btnSalvaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmImpostazioni::~TfrmImpostazioni() = default;

// Only what the user changed is stored: a setting another workstation
// changed meanwhile and left alone here keeps that workstation's value.
void TfrmImpostazioni::btnSalvaClick()
{
    QMap<QString, int> changed;
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        if (it.value()->value() != m_shown.value(it.key()))
            changed.insert(it.key(), it.value()->value());
    }
    try {
        Settings::Store(changed);
    } catch (const IoError &) {
        Dialogs::Message(this, MessageKind::Error, StoreFailed);
        return;
    }
    accept();
}
