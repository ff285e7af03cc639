#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormMailAvancerat : public FormBase {
    Q_OBJECT
public:
    TFormMailAvancerat(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
