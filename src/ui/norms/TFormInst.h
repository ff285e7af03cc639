#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormInst : public FormBase {
    Q_OBJECT
public:
    TFormInst(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
