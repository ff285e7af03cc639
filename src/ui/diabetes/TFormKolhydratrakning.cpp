#include "ui/diabetes/TFormKolhydratrakning.h"

#include "core/AppState.h"
#include "core/diabetes/CarbohydrateCounting.h"
#include "core/registration/RegistrationSession.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/analysis/HorizontalBarChart.h"
#include "ui/norms/NumberBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexamat {

namespace {

constexpr int kRows = CarbohydrateSettings::kMealRows;
constexpr int kRatioColumn = 2;

} // namespace

TFormKolhydratrakning::TFormKolhydratrakning(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormKolhydratrakning"));
    setWindowTitle(QStringLiteral("Beräkning av Insulindos enligt kolhydratmetoden."));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    StringGrid1 = new QTableWidget(kRows, 4, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Måltid"), QStringLiteral("Kolh. g"),
                                            QStringLiteral("Kolhydratkvot"),
                                            QStringLiteral("Insulindos")});
    StringGrid1->verticalHeader()->hide();
    const int widths[] = {90, 60, 110, 80};
    for (int c = 0; c < 4; ++c)
        StringGrid1->setColumnWidth(c, widths[c]);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem;
            if (c != kRatioColumn)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            StringGrid1->setItem(r, c, item);
        }
        StringGrid1->item(r, 0)->setText(r < kRows - 1 ? MealName(r)
                                                       : QStringLiteral("Hela dagen"));
    }
    NumberBox::guard(StringGrid1, m_dialogs);
    connect(StringGrid1, &QTableWidget::itemChanged, this,
            &TFormKolhydratrakning::StringGrid1SetEditText);

    Memo1 = new QPlainTextEdit(QStringLiteral("Om kolhydratkvoten är 1:10 skriver du 10 i "
                                              "kolumnen \nkolhydratkvot, om den är 1:5 skriver du "
                                              "5 osv."),
                               this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMaximumHeight(Memo1->fontMetrics().lineSpacing() * 3 + 12);
    Label1 = new QLabel(QStringLiteral("Utskrift: Håll nere ALT och tryck på PrtScr-tangenten, "
                                       "Starta sedan t.ex. Word och klistra in."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Button1 = new QPushButton(QStringLiteral("Beräkna insulindosen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &TFormKolhydratrakning::count);

    Chart1 = new HorizontalBarChart(QString(), this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setSingleColour(0x00FF00);
    Chart1->setMinimumHeight(260);
    Chart1->hide();

    auto* layout = new QVBoxLayout(this);
    StringGrid1->setMinimumHeight(StringGrid1->horizontalHeader()->sizeHint().height() +
                                  kRows * StringGrid1->verticalHeader()->defaultSectionSize() + 4);
    layout->addWidget(StringGrid1);
    layout->addWidget(Memo1);
    layout->addWidget(Label1);
    layout->addWidget(Button1);
    layout->addWidget(Chart1, 1);
    resize(380, 640);
}

void TFormKolhydratrakning::refresh(const AppState&) {
    if (!isVisible())
        return;
    count();
}

void TFormKolhydratrakning::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    count();
}

void TFormKolhydratrakning::count() {
    const QList<CarbohydrateCounting::Row> rows =
        CarbohydrateCounting::count(*m_state.results, m_state.CurrentDay, m_state.carbohydrate);
    if (rows.size() != kRows)
        return;
    m_loading = true;
    QList<HorizontalBarChart::Bar> bars;
    for (int r = 0; r < kRows; ++r) {
        const auto set = [&](int column, const QString& text) {
            if (StringGrid1->item(r, column)->text() != text)
                StringGrid1->item(r, column)->setText(text);
        };
        set(1, rows[r].carbohydrates);
        set(kRatioColumn, m_state.carbohydrate.MealRatio[std::size_t(r)]);
        set(3, rows[r].dose);
        bars << HorizontalBarChart::Bar{rows[r].barLabel, rows[r].doseValue};
    }
    m_loading = false;
    Chart1->setBars(bars);
    Chart1->setVisible(CarbohydrateCounting::hasDose(rows));
}

void TFormKolhydratrakning::StringGrid1SetEditText(QTableWidgetItem* item) {
    if (m_loading || item->column() != kRatioColumn)
        return;
    CarbohydrateSettings settings = m_state.carbohydrate;
    settings.MealRatio[std::size_t(item->row())] = item->text();
    RegistrationSession session(m_state);
    const bool changed = session.setCarbohydrate(settings);
    count();
    if (changed && m_windows.updates)
        m_windows.updates->Recalculate();
}

} // namespace vexamat
