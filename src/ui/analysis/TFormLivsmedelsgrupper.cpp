#include "ui/analysis/TFormLivsmedelsgrupper.h"

#include "core/AppState.h"
#include "core/analysis/CalculationResults.h"
#include "ui/analysis/HorizontalBarChart.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vexamat {

TFormLivsmedelsgrupper::TFormLivsmedelsgrupper(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormLivsmedelsgrupper"));
    setWindowTitle(QStringLiteral("Antalet gram per livsmedelsgrupp."));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    ChartLivsgrupper = new HorizontalBarChart(QStringLiteral("Gram per livsmedelsgrupp."), this);
    ChartLivsgrupper->setObjectName(QStringLiteral("ChartLivsgrupper"));
    ChartLivsgrupper->setMinimumSize(520, 340);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("rgrupp1"));
    auto* row = new QHBoxLayout(group);
    rgrupp1 = new QButtonGroup(this);
    const QStringList items{QStringLiteral("Aktuell dag"), QStringLiteral("Medelvärde per dag")};
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], group);
        b->setObjectName(QStringLiteral("rgrupp1Item%1").arg(i));
        rgrupp1->addButton(b, i);
        row->addWidget(b);
    }
    row->addStretch();
    rgrupp1->button(0)->setChecked(true);
    connect(rgrupp1, &QButtonGroup::idClicked, this, [this] { DrawFoodGroups(); });

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(
        QStringLiteral("Endast livsmedel ur Livsmedelsverkets råvarugrupper räknas med i "
                       "diagrammet.\nÖvriga livsmedel hamnar i gruppen okänt.\nOm du sätter x i "
                       "rutan nedan visas endast Livsmedelsverkets råvarugrupper när du söker "
                       "livsmedel."));
    Memo1->setMaximumHeight(Memo1->fontMetrics().lineSpacing() * 5 + 2 * Memo1->frameWidth() + 8);

    CheckBoxEndastRavaror = new QCheckBox(
        QStringLiteral("Visa endast livsmedel ur råvarugrupperna vid livsmedelssökning."), this);
    CheckBoxEndastRavaror->setObjectName(QStringLiteral("CheckBoxEndastRavaror"));
    connect(CheckBoxEndastRavaror, &QCheckBox::toggled, this, [this](bool only) {
        m_state.SearchRawMaterialsOnly = only;
        Q_EMIT onlyRawMaterialsChanged(only);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ChartLivsgrupper, 1);
    layout->addWidget(group);
    layout->addWidget(Memo1);
    layout->addWidget(CheckBoxEndastRavaror);
    resize(sizeHint());
}

void TFormLivsmedelsgrupper::refresh(const AppState& state) {
    if (!isVisible())
        return;
    RefreshFoodGroups(state);
}

void TFormLivsmedelsgrupper::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    RefreshFoodGroups(m_state);
}

void TFormLivsmedelsgrupper::RefreshFoodGroups(const AppState& state) {
    m_groupGrams = FoodGroupGrams::RefreshFoodGroups(state.registration);
    m_currentDay = state.CurrentDay;
    m_daysWithIntake = state.results->DaysWithIntake;
    DrawFoodGroups();
}

void TFormLivsmedelsgrupper::DrawFoodGroups() {
    const FoodGroupGrams::Grams grams = FoodGroupGrams::values(
        m_groupGrams, rgrupp1->checkedId() == 1, m_currentDay, m_daysWithIntake);
    QList<HorizontalBarChart::Bar> bars;
    for (const FoodGroupGrams::Bar& bar : FoodGroupGrams::DrawFoodGroups(grams))
        bars << HorizontalBarChart::Bar{bar.label, bar.grams};
    ChartLivsgrupper->setBars(bars);
}

} // namespace vexamat
