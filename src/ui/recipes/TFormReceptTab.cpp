#include "ui/recipes/TFormReceptTab.h"

namespace vexamat {

TFormReceptTab::TFormReceptTab(AppState& state, Windows& windows, Dialogs& dialogs)
    : RecipeBrowser(state, windows, dialogs,
                    {"TFormReceptTab",
                     QStringLiteral("Egna recept"),
                     RecipeRegister::Kind::Own,
                     {201, 84, 68},
                     false}) {}

} // namespace vexamat
