#include "ui/norms/TFormInst.h"

#include "core/AppState.h"
#include "core/norms/AdminPassword.h"
#include "core/registration/Conversions.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"
#include "ui/MainWindowUpdates.h"
#include "ui/files/TFormInfotext.h"
#include "ui/norms/AdminPasswordPrompt.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace vexamat {

namespace {

QLabel* memo(QWidget* parent, const char* name, const QStringList& lines) {
    auto* m = new QLabel(lines.join(QLatin1Char('\n')), parent);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QTableWidget* grid(QWidget* parent, const char* name, const QString& heading,
                   const QStringList& captions) {
    auto* t = new QTableWidget(int(captions.size()), 1, parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels({heading});
    t->setVerticalHeaderLabels(captions);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setDefaultSectionSize(22);
    t->setTabKeyNavigation(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < t->rowCount(); ++r)
        t->setItem(r, 0, new QTableWidgetItem);
    // Tall enough to show every row without scrolling.
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() + 22 * t->rowCount() + 4);
    t->setMinimumWidth(230);
    return t;
}

} // namespace

TFormInst::TFormInst(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormInst"));
    setWindowTitle(QStringLiteral("Inställningar"));

    auto* layout = new QGridLayout(this);
    RadioGroup1 = new QGroupBox(QStringLiteral("Ska dagen delas upp i måltider?"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* row = new QHBoxLayout(RadioGroup1);
    RadioGroup1Items = new QButtonGroup(this);
    const QStringList items{QStringLiteral("Ja"), QStringLiteral("Nej")};
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], RadioGroup1);
        b->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        RadioGroup1Items->addButton(b, i);
        row->addWidget(b);
    }
    RadioGroup1Items->button(0)->setChecked(true);
    connect(RadioGroup1Items, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    layout->addWidget(RadioGroup1, 0, 0);

    Memo1 = memo(this, "Memo1",
                 {QStringLiteral("Önskad fördelning av näringsintag"),
                  QStringLiteral("för dagens måltider i %.")});
    layout->addWidget(Memo1, 1, 0);
    StringGrid1 =
        grid(this, "StringGrid1", QStringLiteral("% av dagbehovet"),
             {QStringLiteral("Frukost"), QStringLiteral("Lunch"), QStringLiteral("Middag"),
              QStringLiteral("M-mål 1"), QStringLiteral("M-mål 2"), QStringLiteral("M-mål 3"),
              QStringLiteral("M-mål 4"), QStringLiteral("M-mål 5"), QStringLiteral("M-mål 6")});
    layout->addWidget(StringGrid1, 2, 0, 2, 1, Qt::AlignTop);
    Memo2 = memo(this, "Memo2", {QString(), QStringLiteral("Ideal energifördelning i %")});
    layout->addWidget(Memo2, 1, 1);
    StringGrid2 = grid(this, "StringGrid2", QStringLiteral("Ideal energi%"),
                       {QStringLiteral("Protein"), QStringLiteral("Fett"),
                        QStringLiteral("Kolhydrat"), QStringLiteral("Enkelomättat fett"),
                        QStringLiteral("Fleromättat fett"), QStringLiteral("Mättat fett")});
    layout->addWidget(StringGrid2, 2, 1, Qt::AlignTop);
    Memo3 = memo(this, "Memo3",
                 {QStringLiteral("Ideal energifördelning följer normerna "),
                  QStringLiteral("och ändras när du byter norm.")});
    layout->addWidget(Memo3, 3, 1, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Verkställ"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TFormInst::Button1Click);
    Button3 = new QPushButton(QStringLiteral("Texter till Mattipsen"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->hide();
    connect(Button3, &QPushButton::clicked, this, &TFormInst::Button3Click);
    buttons->addWidget(Button1);
    buttons->addWidget(Button3);
    buttons->addStretch();
    layout->addLayout(buttons, 4, 0, 1, 2);

    FormCreate();
}

void TFormInst::FormCreate() {
    setSettingsTexts(SettingsFile::defaults());
    m_state.settings.WholeDayMode = false;
    SettingsTexts texts;
    if (SettingsFile::read(m_state.dataPath(SettingsFile::kFileName), &texts)) {
        setSettingsTexts(texts);
        apply();
    }
}

SettingsTexts TFormInst::settingsTexts() const {
    SettingsTexts t;
    for (int i = 0; i < 9; ++i)
        t.mealPercent[i] = StringGrid1->item(i, 0)->text();
    for (int i = 0; i < 6; ++i)
        t.energyPercent[i] = StringGrid2->item(i, 0)->text();
    return t;
}

void TFormInst::setSettingsTexts(const SettingsTexts& t) {
    for (int i = 0; i < 9; ++i)
        StringGrid1->item(i, 0)->setText(t.mealPercent[i]);
    for (int i = 0; i < 6; ++i)
        StringGrid2->item(i, 0)->setText(t.energyPercent[i]);
}

void TFormInst::showNormEnergyShares() {
    const auto& s = m_state.norm.NormEnergyShare;
    // Rows: protein, fat, carbohydrate, monounsaturated, polyunsaturated, saturated.
    const float values[6] = {s[0], s[1], s[2], s[4], s[5], s[3]};
    for (int i = 0; i < 6; ++i)
        StringGrid2->item(i, 0)->setText(
            QString::number(static_cast<double>(values[i]), 'f', i < 3 ? 0 : 1));
}

void TFormInst::showWholeDayMode(bool wholeDay) {
    RadioGroup1Items->button(wholeDay ? 1 : 0)->setChecked(true);
}

void TFormInst::apply() {
    SettingsFile::apply(settingsTexts(), m_state.settings, m_state.norm);
    if (m_windows.updates)
        m_windows.updates->Recalculate();
}

void TFormInst::RadioGroup1Click() {
    m_state.settings.WholeDayMode = RadioGroup1Items->checkedId() == 1;
    if (m_windows.updates)
        m_windows.updates->Recalculate();
}

void TFormInst::Button1Click() {
    apply();
    const QString path = m_state.dataPath(SettingsFile::kFileName);
    QString error;
    if (!SettingsFile::write(path, settingsTexts(), &error))
        m_dialogs.message(this,
                          QStringLiteral("Inställningarna gäller nu men kunde inte sparas i %1: %2")
                              .arg(QDir::toNativeSeparators(path), error),
                          Dialogs::Icon::Error);
}

void TFormInst::Button3Click() {
    if (AdminPasswordPrompt::AskAdminPassword(m_dialogs, this, AdminPassword::kDefault) &&
        m_windows.FormInfotext)
        m_windows.FormInfotext->show();
}

} // namespace vexamat
