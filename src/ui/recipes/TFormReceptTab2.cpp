#include "ui/recipes/TFormReceptTab2.h"

namespace vexamat {

TFormReceptTab2::TFormReceptTab2(AppState& state, Windows& windows, Dialogs& dialogs)
    : RecipeBrowser(state, windows, dialogs,
                    {"TFormReceptTab2",
                     QStringLiteral("Allmänna recept"),
                     RecipeRegister::Kind::General,
                     {189, 88, 71},
                     true}) {}

} // namespace vexamat
