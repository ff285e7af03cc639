#include "ui/recipes/RecipeBrowser.h"

#include "core/AppState.h"
#include "core/recipes/RecipeContents.h"
#include "core/recipes/RecipeIndex.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace vexamat {

namespace {

const QString kMarkLine = QStringLiteral("Markera det recept du vill kolla.");

QPlainTextEdit* memo(QWidget* parent, const char* name) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    return m;
}

} // namespace

RecipeBrowser::RecipeBrowser(AppState& state, Windows& windows, Dialogs& dialogs, const Look& look)
    : FormBase(state, windows, dialogs), m_kind(look.kind) {
    setObjectName(QString::fromLatin1(look.objectName));
    setWindowTitle(look.caption);
    resize(760, 480);

    DBISAMDBGridRecept = new QTableWidget(0, 3, this);
    DBISAMDBGridRecept->setObjectName(QStringLiteral("DBISAMDBGridRecept"));
    DBISAMDBGridRecept->setHorizontalHeaderLabels(
        {QStringLiteral("Rubrik"), QStringLiteral("Grupp1"), QStringLiteral("Grupp2")});
    DBISAMDBGridRecept->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBISAMDBGridRecept->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBISAMDBGridRecept->setSelectionMode(QAbstractItemView::SingleSelection);
    DBISAMDBGridRecept->verticalHeader()->hide();
    for (int c = 0; c < 3; ++c)
        DBISAMDBGridRecept->setColumnWidth(c, look.columnWidths[std::size_t(c)]);
    if (look.redTitles)
        DBISAMDBGridRecept->horizontalHeader()->setStyleSheet(
            QStringLiteral("QHeaderView::section { background-color: red; }"));
    Memo1 = memo(this, "Memo1");
    Memo2 = memo(this, "Memo2");
    Memo2->setPlainText(kMarkLine);
    Memo3 = memo(this, "Memo3");
    Memo3->setPlainText(QStringLiteral(
        "Klicka på kolumnhuvudet för att sortera. Nya recept gör du under Arkiv/Recept."));
    Memo3->setMaximumHeight(50);
    Button1 = new QPushButton(QStringLiteral("Kopiera markerat recept till aktuell måltid"), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(DBISAMDBGridRecept, 0, 0, 3, 1);
    layout->addWidget(Memo2, 0, 1);
    layout->addWidget(Memo1, 1, 1);
    layout->addWidget(Memo3, 2, 1);
    layout->addWidget(Button1, 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(DBISAMDBGridRecept, &QTableWidget::cellClicked, this,
            [this](int row, int) { DBISAMDBGridReceptCellClick(row); });
    connect(DBISAMDBGridRecept->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &RecipeBrowser::DBISAMDBGridReceptMouseDown);
    connect(Button1, &QPushButton::clicked, this, &RecipeBrowser::Button1Click);
}

void RecipeBrowser::showEvent(QShowEvent* event) {
    // The register may have changed since the window was last shown.
    fillGrid();
    FormBase::showEvent(event);
}

void RecipeBrowser::fillGrid() {
    m_recipes = RecipeRegister(m_state.database, m_kind).recipes(m_order);
    DBISAMDBGridRecept->setRowCount(int(m_recipes.size()));
    for (int r = 0; r < int(m_recipes.size()); ++r) {
        const Recipe& recipe = m_recipes[r];
        const QString cells[] = {recipe.rubrik, recipe.grupp1, recipe.grupp2};
        for (int c = 0; c < 3; ++c)
            DBISAMDBGridRecept->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (!m_recipes.isEmpty())
        DBISAMDBGridRecept->setCurrentCell(0, 0);
}

void RecipeBrowser::DBISAMDBGridReceptCellClick(int row) {
    if (row < 0 || row >= m_recipes.size())
        return;
    const Recipe& recipe = m_recipes[row];
    Memo1->setPlainText(recipe.beskrivning);
    Memo2->setPlainText(
        RecipeContents::ingredientLines(
            recipe.kodgram, {m_state.livtab100, m_state.dabas, m_state.egna, m_state.livtab2005})
            .join(QLatin1Char('\n')));
}

void RecipeBrowser::DBISAMDBGridReceptMouseDown(int column) {
    const RecipeRegister::Order orders[] = {RecipeRegister::Order::Rubrik,
                                            RecipeRegister::Order::Grupp1,
                                            RecipeRegister::Order::Grupp2};
    if (column < 0 || column > 2)
        return;
    m_order = orders[column];
    fillGrid();
}

void RecipeBrowser::Button1Click() {
    const int row = DBISAMDBGridRecept->currentRow();
    if (row < 0 || row >= m_recipes.size())
        return;
    const FoodSection& index = m_kind == RecipeRegister::Kind::Own
                                   ? m_state.catalogue.OwnRecipes
                                   : m_state.catalogue.GeneralRecipes;
    const QString code = RecipeIndex::codeOfTitle(index, m_recipes[row].rubrik);
    if (!code.isEmpty() && m_windows.updates)
        m_windows.updates->fetchRecipe(code);
}

} // namespace vexamat
