#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormReceptTab2 : public FormBase {
    Q_OBJECT
public:
    TFormReceptTab2(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
