#include "ui/norms/TFormNorm.h"

#include "core/AppState.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableRecord.h"
#include "core/catalogue/TableSchema.h"
#include "core/norms/NormActivation.h"
#include "core/norms/NormTable.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/AdminPasswordPrompt.h"
#include "ui/norms/TFormInst.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vexamat {

namespace {

// The table's positions: Nr, Norm, then kJ at 14, kcal 15, water 16, ash 17, protein 18,
// fat 19, carbohydrates 20 and the other nutrients from 21.
constexpr int kNamePosition = 1;
constexpr int kFirstNutrient = TableSchema::kFirstNutrientPosition;

} // namespace

TFormNorm::TFormNorm(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormNorm"));
    setWindowTitle(QStringLiteral("Dagsbehovet av energi och näringsämnen"));
    resize(900, 480);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(
        QStringLiteral("Dubbelklicka på den norm du vill använda\n"
                       "Aktiv innebär sport eller annan fysisk aktivitet 4-5 gånger per vecka "
                       "omfattande minst 30 minuter (PAL=1,8).\n"
                       "Inaktiv innebär stillasittande arbete och begränsad fysisk aktivitet på "
                       "fritiden (PAL=1,6),"));
    Memo1->setMaximumHeight(70);
    layout->addWidget(Memo1);

    DataSourceNorm = new QSqlTableModel(this, m_state.database.db());
    DataSourceNorm->setObjectName(QStringLiteral("DataSourceNorm"));
    DataSourceNorm->setTable(TableSchema::Normer);
    DataSourceNorm->setEditStrategy(QSqlTableModel::OnRowChange);
    DataSourceNorm->setSort(0, Qt::AscendingOrder);
    DataSourceNorm->select();

    DBISAMDBGridNorm = new QTableView(this);
    DBISAMDBGridNorm->setObjectName(QStringLiteral("DBISAMDBGridNorm"));
    DBISAMDBGridNorm->setModel(DataSourceNorm);
    DBISAMDBGridNorm->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBISAMDBGridNorm->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBISAMDBGridNorm->setSelectionMode(QAbstractItemView::SingleSelection);
    DBISAMDBGridNorm->verticalHeader()->hide();
    setupColumns();
    connect(DBISAMDBGridNorm, &QTableView::doubleClicked, this,
            [this] { DBISAMDBGridNormDblClick(); });
    // Enter on a row chooses it too, for those who use the keyboard.
    DBISAMDBGridNorm->installEventFilter(this);
    layout->addWidget(DBISAMDBGridNorm, 1);

    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setPlainText(
        QStringLiteral("Ändringar sparas när man lämnar raden, så när du gjort ändringar eller "
                       "tillägg ska\ndu klicka på en annan rad, t.ex. raden ovan den där du "
                       "ändrat."));
    Memo2->setMaximumHeight(50);
    Memo2->hide();
    layout->addWidget(Memo2);
    Button1 = new QPushButton(QStringLiteral("Klicka här för att ändra i normtabellen."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TFormNorm::Button1Click);
    layout->addWidget(Button1, 0, Qt::AlignLeft);

    FormCreate();
}

bool TFormNorm::eventFilter(QObject* watched, QEvent* event) {
    // While a cell is edited its editor has the keys, so this never cuts an edit short.
    if (watched == DBISAMDBGridNorm && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            DBISAMDBGridNormDblClick();
            return true;
        }
    }
    return FormBase::eventFilter(watched, event);
}

void TFormNorm::setupColumns() {
    const int columns = DataSourceNorm->columnCount();
    for (int c = 0; c < columns; ++c) {
        const bool shown =
            c == 0 || c == kNamePosition ||
            (c >= kFirstNutrient && c != kFirstNutrient + 2 && c != kFirstNutrient + 3);
        DBISAMDBGridNorm->setColumnHidden(c, !shown);
    }
    const QList<QPair<int, QString>> titles{{kFirstNutrient, QStringLiteral("kJ")},
                                            {kFirstNutrient + 1, QStringLiteral("kcal")},
                                            {kFirstNutrient + 4, QStringLiteral("Prot g")},
                                            {kFirstNutrient + 5, QStringLiteral("Fett g")},
                                            {kFirstNutrient + 6, QStringLiteral("Kolh g")}};
    for (const auto& [column, title] : titles)
        DataSourceNorm->setHeaderData(column, Qt::Horizontal, title);
    DBISAMDBGridNorm->setColumnWidth(kNamePosition, 260);
}

void TFormNorm::FormCreate() {
    if (!m_state.database.isOpen())
        return;
    FoodTable normer(m_state.database, TableSchema::Normer);
    QString error;
    if (!normer.open(&error))
        return;
    bool found = false;
    if (const std::optional<NormRow> row =
            NormTable::defaultRow(normer, NormTable::kDefaultNr, &found))
        NormActivation::loadDefault(m_state.norm, *row, found);
    for (int r = 0; r < DataSourceNorm->rowCount(); ++r) {
        if (DataSourceNorm->record(r).value(0).toInt() == m_state.norm.NormNumber) {
            DBISAMDBGridNorm->selectRow(r);
            break;
        }
    }
}

void TFormNorm::DBISAMDBGridNormDblClick() {
    const QModelIndex current = DBISAMDBGridNorm->currentIndex();
    if (!current.isValid())
        return;
    // Read the row as the table holds it, field by field position.
    const QSqlRecord record = DataSourceNorm->record(current.row());
    NormRow row;
    row.Nr = record.value(0).toInt();
    row.Norm = record.value(kNamePosition).toString();
    for (int n = 0; n < kNutrientCount && kFirstNutrient + n < record.count(); ++n)
        row.values[n] = record.value(kFirstNutrient + n).toFloat(); // empty reads as 0

    ActiveNorm& norm = m_state.norm;
    NormActivation::takeRow(norm, row);
    for (const QString& warning : NormActivation::CheckNormEnergy(norm))
        m_dialogs.message(this, warning, Dialogs::Icon::Warning);
    norm.NormLabel = NormActivation::BuildNormLabel(norm.NormName,
                                                    norm.ActiveNeed[nutrientSlot(nutrient::Kcal)]);
    m_dialogs.message(this, QStringLiteral("Vald ") + norm.NormLabel);
    setWindowTitle(norm.NormLabel);
    if (norm.NormKind == NormActivation::kKetogenicKind)
        m_dialogs.message(this, QStringLiteral("Om du räknat på ketogen kost bör du kolla "
                                               "måltidsfördelningen under Arkiv/Inställningar, de "
                                               "kan ha ändrats."));
    norm.NormKind = NormActivation::kChosenKind;
    if (NormActivation::ComputeNormEnergyShares(norm) && m_windows.FormInst)
        m_windows.FormInst->showNormEnergyShares();
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    hide();
}

void TFormNorm::Button1Click() {
    if (!AdminPasswordPrompt::AskAdminPassword(m_dialogs, this, m_state.AdminPassword))
        return;
    // A double-click still chooses the norm; typing or F2 edits the cell.
    DBISAMDBGridNorm->setEditTriggers(QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed);
    Memo2->show();
    Button1->hide();
}

void TFormNorm::refreshTable() {
    DataSourceNorm->select();
}

} // namespace vexamat
