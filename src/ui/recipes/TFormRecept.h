#pragma once

#include "core/recipes/RecipeRegister.h"
#include "ui/FormBase.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vexamat {

// The recipe window: the title, groups and method of the recipe being written or last
// fetched; saves the current meal as a recipe, deletes a recipe, and fetches one into the
// current meal.
class TFormRecept : public FormBase {
    Q_OBJECT
public:
    TFormRecept(AppState& state, Windows& windows, Dialogs& dialogs);

    // Puts the recipe of an index code into the current meal as one undoable step and shows
    // it here; a code whose recipe is gone is reported.
    void fetchRecipe(const QString& code);
    // Reads a ".recept" file of meal rows into the current meal (Arkiv menu).
    void Hmtaettrecepttilldennamltid1Click();
    // Empties the title and the method, as a new registration does.
    void clearRecipe();

    void ButtonSparaClick();
    void ButtonSpara2Click();
    void ButtonTaBortClick();
    void ButtonClearClick();
    // Asks for the number of portions and shows the print preview of the recipe in the
    // current meal, scaled to them.
    void ButtonSkrivClick();

private:
    void save(RecipeRegister::Kind kind);
    void afterRegisterChange();

    QLineEdit* EditRubrik = nullptr;
    QLineEdit* EditGrupp1 = nullptr;
    QLineEdit* EditGrupp2 = nullptr;
    QPlainTextEdit* MemoIngred = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* ButtonSpara = nullptr;
    QPushButton* ButtonSpara2 = nullptr;
    QPushButton* ButtonSkriv = nullptr;
    QPushButton* ButtonClear = nullptr;
    QPushButton* ButtonTaBort = nullptr;
    // The register of the recipe last fetched: delete works on it (the general register
    // until a recipe has been fetched).
    RecipeRegister::Kind m_marker = RecipeRegister::Kind::General;
    // The number of portions last asked for: the next question proposes it.
    QString m_portionsText;
};

} // namespace vexamat
