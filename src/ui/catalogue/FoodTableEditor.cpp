#include "ui/catalogue/FoodTableEditor.h"

#include "core/AppState.h"
#include "core/catalogue/FoodTableRows.h"
#include "core/catalogue/OwnFoodCopy.h"
#include "core/norms/AdminPassword.h"
#include "ui/Dialogs.h"
#include "ui/catalogue/FoodGridDelegate.h"
#include "ui/catalogue/FoodTableModel.h"
#include "ui/catalogue/FoodTableSortModel.h"
#include "ui/norms/AdminPasswordPrompt.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexamat {

namespace {

struct Column {
    int position;
    const char* label;
    int decimals;
};

// The columns shown first, with short labels; the others follow in field order.
const QList<Column> kFoodColumns{
    {0, "Kod", 0},       {1, "Livsmedel", 0}, {2, "Portstorlek", 2}, {3, "Enhet", 0},
    {4, "Grupp", 0},     {6, "kgpris", 0},    {14, "kJ", 2},         {15, "kcal", 2},
    {18, "Prot g", 2},   {19, "Fett g", 2},   {20, "Kolh g", 2},     {16, "Vatten g", 2},
    {47, "Fibrer g", 2}, {27, "C vit mg", 2}, {35, "Järn mg", 2},
};
const QList<Column> kProductColumns{
    {0, "Kod", 0},     {1, "Livsmedel", 0},    {2, "Vikt gram", 2}, {3, "Enhet", 0},
    {7, "Datum", 0},   {14, "kj", 0},          {15, "kcal", 0},     {18, "prot g", 1},
    {19, "fett g", 1}, {20, "kolhydrat g", 1},
};

} // namespace

FoodTableEditor::FoodTableEditor(AppState& state, Windows& windows, Dialogs& dialogs,
                                 FoodTableEditorSetup setup)
    : FormBase(state, windows, dialogs), m_setup(std::move(setup)) {
    setObjectName(m_setup.objectName);
    setWindowTitle(m_setup.caption);
    resize(900, 560);

    auto* layout = new QVBoxLayout(this);
    m_buttonRow = new QHBoxLayout;
    layout->addLayout(m_buttonRow);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Nummerordning"));
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("Alfabetisk ordning"));
    auto* order = new QButtonGroup(this);
    for (QToolButton* b : {SpeedButton1, SpeedButton2}) {
        b->setCheckable(true);
        order->addButton(b);
        m_buttonRow->addWidget(b);
    }
    SpeedButton1->setChecked(true);
    connect(SpeedButton1, &QToolButton::clicked, this, &FoodTableEditor::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &FoodTableEditor::SpeedButton2Click);

    Button1 = new QPushButton(m_setup.unlockCaption, this);
    Button1->setObjectName(QStringLiteral("Button1"));
    m_buttonRow->addWidget(Button1);
    connect(Button1, &QPushButton::clicked, this, &FoodTableEditor::Button1Click);
    m_buttonRow->addStretch();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(m_setup.memoLines.join(QLatin1Char('\n')));
    Memo1->setMaximumHeight(90);
    Memo1->hide();
    layout->addWidget(Memo1);

    DBISAMTable1 = new FoodTableModel(this, m_state.database.db());
    DBISAMTable1->setObjectName(QStringLiteral("DBISAMTable1"));
    DBISAMTable1->setTable(m_setup.table);
    connect(DBISAMTable1, &FoodTableModel::storeFailed, this, [this](const QString& message) {
        m_dialogs.message(this, message, Dialogs::Icon::Error);
    });
    m_sorted = new FoodTableSortModel(this);
    m_sorted->setSourceModel(DBISAMTable1);

    DBISAMDBGrid1 = new QTableView(this);
    DBISAMDBGrid1->setObjectName(QStringLiteral("DBISAMDBGrid1"));
    DBISAMDBGrid1->setModel(m_sorted);
    DBISAMDBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBISAMDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBISAMDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBISAMDBGrid1->verticalHeader()->setDefaultSectionSize(22);
    DBISAMDBGrid1->installEventFilter(this);
    m_delegate = new FoodGridDelegate(m_dialogs, this, TableSchema::fields(m_setup.table));
    DBISAMDBGrid1->setItemDelegate(m_delegate);
    layout->addWidget(DBISAMDBGrid1, 1);
    setUpColumns();
}

FoodTableEditor::~FoodTableEditor() {
    // The program ending with the window open keeps a changed row too; no message then.
    DBISAMTable1->blockSignals(true);
    DBISAMTable1->submit();
}

void FoodTableEditor::insertAboveGrid(QWidget* widget) {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(layout->indexOf(DBISAMDBGrid1), widget);
}

void FoodTableEditor::setUpColumns() {
    const QList<FieldDef> fields = TableSchema::fields(m_setup.table);
    for (int pos = 0; pos < fields.size(); ++pos) {
        QString label = fields.at(pos).name;
        const int nutrientNo = pos + 1;
        if (pos >= TableSchema::kFirstNutrientPosition && nutrientNo <= 86 &&
            !m_state.names.NutrientLabel[nutrientNo].isEmpty())
            label = m_state.names.NutrientLabel[nutrientNo];
        DBISAMTable1->setHeaderData(pos, Qt::Horizontal, label);
    }
    const QList<Column>& first = m_setup.productColumns ? kProductColumns : kFoodColumns;
    QHeaderView* header = DBISAMDBGrid1->horizontalHeader();
    for (int i = 0; i < first.size(); ++i) {
        const Column& c = first.at(i);
        DBISAMTable1->setHeaderData(c.position, Qt::Horizontal, QString::fromUtf8(c.label));
        m_delegate->setDecimals(c.position, c.decimals);
        header->moveSection(header->visualIndex(c.position), i);
    }
}

void FoodTableEditor::ensureLoaded() {
    if (m_loaded)
        return;
    m_loaded = true;
    DBISAMTable1->selectAll();
    setUpColumns();
    sortBy(m_sortColumn);
    DBISAMDBGrid1->horizontalHeader()->setDefaultSectionSize(72);
    DBISAMDBGrid1->setColumnWidth(0, m_setup.productColumns ? 170 : 80);
    DBISAMDBGrid1->setColumnWidth(1, 280);
}

void FoodTableEditor::sortBy(int column) {
    m_sortColumn = column;
    if (!m_loaded)
        return;
    storeEdits();
    m_sorted->sort(column, Qt::AscendingOrder);
    const QModelIndex first = m_sorted->index(0, column);
    DBISAMDBGrid1->setCurrentIndex(first);
    DBISAMDBGrid1->scrollToTop();
}

void FoodTableEditor::SpeedButton1Click() {
    SpeedButton1->setChecked(true);
    sortBy(0);
}

void FoodTableEditor::SpeedButton2Click() {
    SpeedButton2->setChecked(true);
    sortBy(1);
}

void FoodTableEditor::refresh() {
    if (!m_loaded)
        return;
    DBISAMTable1->selectAll();
    m_sorted->sort(m_sortColumn, Qt::AscendingOrder);
}

bool FoodTableEditor::storeEdits() {
    // An open cell editor hands its text over first (closed ones linger until deleted).
    const auto editors =
        DBISAMDBGrid1->viewport()->findChildren<QLineEdit*>(QStringLiteral("cellEditor"));
    for (QLineEdit* editor : editors) {
        if (!editor->isHidden()) {
            Q_EMIT m_delegate->commitData(editor);
            Q_EMIT m_delegate->closeEditor(editor);
        }
    }
    return DBISAMTable1->submit();
}

bool FoodTableEditor::isLocked() const {
    return DBISAMTable1->isLocked();
}

void FoodTableEditor::Button1Click() {
    const QString expected =
        m_setup.configuredPassword ? m_state.AdminPassword : AdminPassword::kDefault;
    if (!AdminPasswordPrompt::AskAdminPassword(m_dialogs, this, expected))
        return;
    DBISAMTable1->setLocked(false);
    DBISAMDBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    Memo1->show();
    DBISAMDBGrid1->setToolTip(QStringLiteral("Insert lägger till ett livsmedel."));
    unlocked();
}

QString FoodTableEditor::currentCode() const {
    const QModelIndex current = DBISAMDBGrid1->currentIndex();
    return current.isValid() ? current.siblingAtColumn(0).data(Qt::EditRole).toString() : QString();
}

QString FoodTableEditor::currentName() const {
    const QModelIndex current = DBISAMDBGrid1->currentIndex();
    return current.isValid() ? current.siblingAtColumn(1).data(Qt::EditRole).toString() : QString();
}

void FoodTableEditor::DBISAMDBGrid1KeyPress() {
    m_dialogs.message(this, m_setup.lockedMessage);
}

void FoodTableEditor::deleteCurrent() {
    const QModelIndex current = DBISAMDBGrid1->currentIndex();
    if (!current.isValid())
        return;
    const QString name = currentName();
    if (m_dialogs.question(this, QStringLiteral("Vill du ta bort %1 ur tabellen?").arg(name)) !=
        Dialogs::Answer::Yes)
        return;
    storeEdits();
    const int row = m_sorted->mapToSource(current).row();
    if (!DBISAMTable1->removeRow(row)) {
        m_dialogs.message(this,
                          QStringLiteral("%1 kunde inte tas bort: %2")
                              .arg(name, DBISAMTable1->lastError().text()),
                          Dialogs::Icon::Error);
    }
    const int visibleRow = current.row();
    refresh();
    const int rows = m_sorted->rowCount();
    if (rows > 0)
        DBISAMDBGrid1->setCurrentIndex(
            m_sorted->index(std::min(visibleRow, rows - 1), current.column()));
}

void FoodTableEditor::addFood() {
    storeEdits();
    const QString proposed =
        m_setup.table == TableSchema::Egna ? OwnFoodCopy::nextCode(m_state.database) : QString();
    const std::optional<QString> code =
        m_dialogs.inputText(this, QStringLiteral("Nytt livsmedel"),
                            QStringLiteral("Kod för det nya livsmedlet:"), proposed);
    if (!code)
        return;
    QString error;
    if (!FoodTableRows::addEmpty(m_state.database, m_setup.table, *code, &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Warning);
        return;
    }
    refresh();
    // The new food's name is typed next.
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        if (m_sorted->index(row, 0).data(Qt::EditRole).toString() == code->trimmed()) {
            DBISAMDBGrid1->setCurrentIndex(m_sorted->index(row, 1));
            DBISAMDBGrid1->scrollTo(DBISAMDBGrid1->currentIndex());
            break;
        }
    }
}

bool FoodTableEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DBISAMDBGrid1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlDelete =
            key->key() == Qt::Key_Delete && key->modifiers().testFlag(Qt::ControlModifier);
        const bool typing = !key->text().isEmpty() && key->key() != Qt::Key_Tab &&
                            key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Escape;
        if (isLocked() && (typing || ctrlDelete)) {
            DBISAMDBGrid1KeyPress();
            return true;
        }
        if (!isLocked() && ctrlDelete) {
            deleteCurrent();
            return true;
        }
        if (!isLocked() && key->key() == Qt::Key_Insert) {
            addFood();
            return true;
        }
    }
    return FormBase::eventFilter(watched, event);
}

void FoodTableEditor::showEvent(QShowEvent* event) {
    ensureLoaded();
    FormBase::showEvent(event);
}

void FoodTableEditor::hideEvent(QHideEvent* event) {
    // Closing the window keeps an edited row that the user has not left yet.
    if (m_loaded)
        storeEdits();
    FormBase::hideEvent(event);
}

} // namespace vexamat
