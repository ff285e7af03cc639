#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormEnergiCirkel : public FormBase {
    Q_OBJECT
public:
    TFormEnergiCirkel(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
