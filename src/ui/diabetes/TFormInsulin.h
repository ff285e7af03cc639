#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormInsulin : public FormBase {
    Q_OBJECT
public:
    TFormInsulin(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
