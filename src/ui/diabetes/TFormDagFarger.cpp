#include "ui/diabetes/TFormDagFarger.h"

#include "core/AppState.h"
#include "ui/Windows.h"
#include "ui/MainWindowUpdates.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vexamat {

namespace {

// Day colours by index: black, then the colours of the chart's series.
QColor dayColour(int index) {
    static const QColor colours[10] = {
        Qt::black,        QColor(0x0000FF), QColor(0xFF0000), QColor(0x008000), QColor(0xFF00FF),
        QColor(0x800080), QColor(0x00FF00), QColor(0x808080), QColor(0x00FFFF), Qt::black};
    return colours[std::clamp(index, 0, 9)];
}

} // namespace

int TFormDagFarger::colourIndex(int row) {
    int index = row;
    while (index > 9)
        index -= 9;
    return index;
}

TFormDagFarger::TFormDagFarger(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormDagFarger"));
    setWindowTitle(QStringLiteral("Dagarnas färger"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    resize(240, 420);

    auto* layout = new QHBoxLayout(this);
    StringGrid1 = new QTableWidget(22, 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setShowGrid(false);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->verticalHeader()->setDefaultSectionSize(17);
    StringGrid1->setFixedWidth(90);
    for (int r = 0; r < 22; ++r) {
        auto* item = new QTableWidgetItem(r == 0 ? QStringLiteral("DAG-FÄRG")
                                                 : QStringLiteral("Dag %1").arg(r));
        item->setForeground(dayColour(colourIndex(r)));
        StringGrid1->setItem(r, 0, item);
    }
    StringGrid1->setCurrentCell(21, 0);
    layout->addWidget(StringGrid1);

    RadioGroup1 = new QGroupBox(QStringLiteral("Visa"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* items = new QVBoxLayout(RadioGroup1);
    RadioGroup1Items = new QButtonGroup(this);
    const QStringList captions{QStringLiteral("Hela dagen"), QStringLiteral("Frukost"),
                               QStringLiteral("Lunch"),      QStringLiteral("Middag"),
                               QStringLiteral("Mm1"),        QStringLiteral("Mm2"),
                               QStringLiteral("Mm3"),        QStringLiteral("Mm4"),
                               QStringLiteral("Mm5"),        QStringLiteral("Mm6")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QRadioButton(captions[i], RadioGroup1);
        b->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        RadioGroup1Items->addButton(b, i);
        items->addWidget(b);
    }
    items->addStretch();
    RadioGroup1Items->button(0)->setChecked(true);
    connect(RadioGroup1Items, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    layout->addWidget(RadioGroup1);
}

void TFormDagFarger::RadioGroup1Click() {
    m_state.DayColourMeal = std::max(RadioGroup1Items->checkedId(), 0);
    if (m_windows.updates)
        m_windows.updates->Recalculate();
}

} // namespace vexamat
