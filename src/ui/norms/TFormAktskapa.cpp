#include "ui/norms/TFormAktskapa.h"

#include "core/AppState.h"
#include "core/norms/AdminPassword.h"
#include "core/text/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/norms/AdminPasswordPrompt.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexamat {

namespace {

constexpr int kNameColumn = 0;
constexpr int kFactorColumn = 1;
constexpr int kGroupColumn = 2;

QString cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

TFormAktskapa::TFormAktskapa(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormAktskapa"));
    setWindowTitle(QStringLiteral("Aktiviteter med BMR-faktor."));
    resize(520, 600);

    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Aktiviteter med BMR-faktor."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1);

    StringGrid1 = new QTableWidget(ActivityTable::kMaxActivities + 1, 3, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setShowGrid(false);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setColumnWidth(kNameColumn, 260);
    layout->addWidget(StringGrid1, 1);

    Memo1 = new QPlainTextEdit(
        QStringLiteral("Gör ev ändringar och tillägg och klicka sedan på Spara."), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMaximumHeight(40);
    Memo1->hide();
    layout->addWidget(Memo1);

    Button1 = new QPushButton(QStringLiteral("Spara"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &TFormAktskapa::Button1Click);
    layout->addWidget(Button1, 0, Qt::AlignLeft);

    Button2 =
        new QPushButton(QStringLiteral("Klicka här för att ändra i aktivitetstabellen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QPushButton::clicked, this, &TFormAktskapa::Button2Click);
    layout->addWidget(Button2, 0, Qt::AlignLeft);

    FormCreate();
    // A factor typed by hand must be a number; the last good one comes back otherwise.
    connect(StringGrid1, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_filling || item->row() == 0 || item->column() != kFactorColumn)
            return;
        m_filling = true;
        if (NumberText::parsePlain(item->text()).kind == NumberText::Kind::Invalid) {
            m_dialogs.message(this, QStringLiteral("Skriv BMR-faktorn som ett tal."),
                              Dialogs::Icon::Warning);
            item->setText(item->data(Qt::UserRole).toString());
        } else {
            item->setData(Qt::UserRole, item->text());
        }
        m_filling = false;
    });
}

void TFormAktskapa::FormCreate() {
    const QStringList headings{QStringLiteral("Aktivitet"), QStringLiteral("Bmr"),
                               QStringLiteral("Grupp")};
    for (int c = 0; c < headings.size(); ++c)
        StringGrid1->setItem(0, c, new QTableWidgetItem(headings[c]));
    const ActivityTable::ReadResult read =
        ActivityTable::read(m_state.dataPath(ActivityTable::kFileName));
    if (!read.ok) {
        m_dialogs.message(this, read.error, Dialogs::Icon::Error);
        return;
    }
    if (!read.warnings.isEmpty())
        m_dialogs.message(this, read.warnings.join(QLatin1Char('\n')), Dialogs::Icon::Warning);
    for (int i = 0; i < read.rows.size(); ++i) {
        const Activity& a = read.rows[i];
        StringGrid1->setItem(i + 1, kNameColumn, new QTableWidgetItem(a.name));
        auto* factor = new QTableWidgetItem(a.factor);
        factor->setData(Qt::UserRole, a.factor);
        StringGrid1->setItem(i + 1, kFactorColumn, factor);
        StringGrid1->setItem(i + 1, kGroupColumn, new QTableWidgetItem(a.group));
    }
}

QList<Activity> TFormAktskapa::activities() const {
    QList<Activity> rows;
    for (int r = 1; r < StringGrid1->rowCount(); ++r) {
        Activity a{cellText(StringGrid1, r, kGroupColumn), cellText(StringGrid1, r, kNameColumn),
                   cellText(StringGrid1, r, kFactorColumn)};
        if (!a.name.isEmpty() || !a.factor.isEmpty() || !a.group.isEmpty())
            rows << a;
    }
    return rows;
}

void TFormAktskapa::Button2Click() {
    if (!AdminPasswordPrompt::AskAdminPassword(m_dialogs, this, AdminPassword::kDefault))
        return;
    StringGrid1->setShowGrid(true);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    StringGrid1->setTabKeyNavigation(true);
    Memo1->show();
    Button1->show();
    Button2->hide();
}

void TFormAktskapa::Button1Click() {
    QString error;
    if (!ActivityTable::write(m_state.dataPath(ActivityTable::kFileName), activities(), &error)) {
        m_dialogs.message(this,
                          QStringLiteral("Kan ej spara %1.\n%2")
                              .arg(m_state.dataPath(ActivityTable::kFileName), error),
                          Dialogs::Icon::Error);
        return;
    }
    m_dialogs.message(this, QStringLiteral("Aktivitetslistan sparad"));
}

} // namespace vexamat
