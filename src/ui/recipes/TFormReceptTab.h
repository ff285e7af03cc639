#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormReceptTab : public FormBase {
    Q_OBJECT
public:
    TFormReceptTab(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
