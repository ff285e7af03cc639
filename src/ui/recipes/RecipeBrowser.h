#pragma once

#include "core/recipes/RecipeRegister.h"
#include "ui/FormBase.h"

#include <QList>

#include <array>

class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vexamat {

// A recipe register as a list: click a recipe to see its method and ingredients, click a
// column title to sort, copy the marked recipe into the current meal. TFormReceptTab and
// TFormReceptTab2 are this window on the own and the general register.
class RecipeBrowser : public FormBase {
    Q_OBJECT
public:
    struct Look {
        const char* objectName;
        QString caption;
        RecipeRegister::Kind kind;
        std::array<int, 3> columnWidths;
        bool redTitles;
    };

    RecipeBrowser(AppState& state, Windows& windows, Dialogs& dialogs, const Look& look);

    void DBISAMDBGridReceptCellClick(int row);
    void DBISAMDBGridReceptMouseDown(int column);
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillGrid();

    RecipeRegister::Kind m_kind;
    RecipeRegister::Order m_order = RecipeRegister::Order::Rubrik;
    QList<Recipe> m_recipes;
    QTableWidget* DBISAMDBGridRecept = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace vexamat
