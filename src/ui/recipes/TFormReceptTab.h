#pragma once

#include "ui/recipes/RecipeBrowser.h"

namespace vexamat {

// The own recipe register ("Egna recept").
class TFormReceptTab : public RecipeBrowser {
    Q_OBJECT
public:
    TFormReceptTab(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
