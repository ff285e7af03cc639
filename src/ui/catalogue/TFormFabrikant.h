#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormFabrikant : public FormBase {
    Q_OBJECT
public:
    TFormFabrikant(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
