#pragma once

#include "ui/recipes/RecipeBrowser.h"

namespace vexamat {

// The general recipe register ("Allmänna recept").
class TFormReceptTab2 : public RecipeBrowser {
    Q_OBJECT
public:
    TFormReceptTab2(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
