#pragma once

class QWidget;

namespace vexamat {

struct AppState;
class Dialogs;
class MainWindowUpdates;

// The Arkiv menu's tools on the current meal as a recipe: dividing it into portions and
// storing it as an own food. Asks through Dialogs; core divides and stores.
class MealRecipeTools {
public:
    // The references are kept and must outlive the tools; parent is the dialogs' parent.
    MealRecipeTools(AppState& state, Dialogs& dialogs, MainWindowUpdates& updates, QWidget* parent);

    void Divideranerettrecept1Click();
    void Lgguppettreceptiartikelregistret1Click();

private:
    AppState& m_state;
    Dialogs& m_dialogs;
    MainWindowUpdates& m_updates;
    QWidget* m_parent;
};

} // namespace vexamat
