#include "ui/diabetes/TFormKolhkvot.h"

#include "core/AppState.h"
#include "core/diabetes/CarbohydrateCounting.h"
#include "core/registration/RegistrationSession.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/NumberBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace vexamat {

namespace {

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, bool readOnly) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(readOnly);
    return e;
}

QPlainTextEdit* memo(QWidget* parent, const char* name, const QStringList& lines) {
    auto* m = new QPlainTextEdit(lines.join(QLatin1Char('\n')), parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    return m;
}

} // namespace

TFormKolhkvot::TFormKolhkvot(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormKolhkvot"));
    setWindowTitle(QStringLiteral("Kolhydratfaktor"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    StringGrid1 = new QTableWidget(CarbohydrateSettings::kHourRows, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels(
        {QStringLiteral("Klockan"), QStringLiteral("Kolh.faktor")});
    StringGrid1->verticalHeader()->hide();
    for (int h = 0; h < CarbohydrateSettings::kHourRows; ++h) {
        auto* hour = new QTableWidgetItem(QString::number(h));
        hour->setFlags(hour->flags() & ~Qt::ItemIsEditable);
        StringGrid1->setItem(h, 0, hour);
        StringGrid1->setItem(h, 1, new QTableWidgetItem);
    }
    NumberBox::guard(StringGrid1, m_dialogs);
    connect(StringGrid1, &QTableWidget::itemChanged, this, &TFormKolhkvot::StringGrid1SetEditText);

    CheckBox1 = new QCheckBox(QStringLiteral("Fyll i underliggande rader automatiskt"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);

    Memo1 = memo(this, "Memo1",
                 {QStringLiteral("Om kolhydratfaktorn"), QStringLiteral("är 1:10 skriver du 10 "),
                  QStringLiteral("i kolumnen kolh.faktor, om "),
                  QStringLiteral("den är 1:5 skriver du 5 osv.")});
    Memo2 =
        memo(this, "Memo2",
             {QStringLiteral("Nedan kan du beräkna "), QStringLiteral("kolhydratfaktorn enligt "),
              QStringLiteral("500-metoden."), QStringLiteral("500 / dygnsdos insulin"), QString(),
              QStringLiteral("Ange täljaren (500 eller annat)"),
              QStringLiteral("och dygnsdos så beräknas"), QStringLiteral("kolhydratfaktorn.")});
    Edit1 = edit(this, "Edit1", QStringLiteral("Täljare:"), true);
    Edit2 = edit(this, "Edit2", QStringLiteral("Dygnsdos:"), true);
    Edit3 = edit(this, "Edit3", QStringLiteral("Kolhydratfaktor"), true);
    Edit500 = edit(this, "Edit500", QStringLiteral("500"), false);
    EditDygnsdos = edit(this, "EditDygnsdos", QStringLiteral("60"), false);
    Editkolhkvot = edit(this, "Editkolhkvot", QStringLiteral("   -"), true);
    NumberBox::guard(Edit500, m_dialogs);
    NumberBox::guard(EditDygnsdos, m_dialogs);
    connect(Edit500, &QLineEdit::textChanged, this, &TFormKolhkvot::Edit500Change);
    connect(EditDygnsdos, &QLineEdit::textChanged, this, &TFormKolhkvot::Edit500Change);

    auto* layout = new QGridLayout(this);
    layout->addWidget(StringGrid1, 0, 0, 6, 1);
    layout->addWidget(CheckBox1, 6, 0);
    layout->addWidget(Memo1, 0, 1, 1, 2);
    layout->addWidget(Memo2, 1, 1, 1, 2);
    layout->addWidget(Edit1, 2, 1);
    layout->addWidget(Edit500, 2, 2);
    layout->addWidget(Edit2, 3, 1);
    layout->addWidget(EditDygnsdos, 3, 2);
    layout->addWidget(Edit3, 4, 1);
    layout->addWidget(Editkolhkvot, 4, 2);
    layout->setRowStretch(5, 1);
    resize(460, 560);
}

void TFormKolhkvot::refresh(const AppState&) {
    if (!isVisible())
        return;
    loadFactors();
}

void TFormKolhkvot::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    loadFactors();
}

void TFormKolhkvot::loadFactors() {
    m_loading = true;
    for (int h = 0; h < CarbohydrateSettings::kHourRows; ++h) {
        const QString& factor = m_state.carbohydrate.HourFactor[std::size_t(h)];
        if (StringGrid1->item(h, 1)->text() != factor)
            StringGrid1->item(h, 1)->setText(factor);
    }
    m_loading = false;
}

void TFormKolhkvot::StringGrid1SetEditText(QTableWidgetItem* item) {
    if (m_loading || item->column() != 1)
        return;
    CarbohydrateSettings settings = m_state.carbohydrate;
    const int row = item->row();
    const QString text = item->text();
    const int last = CheckBox1->isChecked() ? CarbohydrateSettings::kHourRows - 1 : row;
    for (int h = row; h <= last; ++h)
        settings.HourFactor[std::size_t(h)] = text;
    RegistrationSession session(m_state);
    const bool changed = session.setCarbohydrate(settings);
    loadFactors();
    if (changed && m_windows.updates)
        m_windows.updates->Recalculate();
}

void TFormKolhkvot::Edit500Change() {
    const std::optional<double> factor =
        CarbohydrateCounting::factorBy500Rule(Edit500->text(), EditDygnsdos->text());
    if (factor)
        Editkolhkvot->setText(QLocale().toString(*factor, 'f', 1));
}

} // namespace vexamat
