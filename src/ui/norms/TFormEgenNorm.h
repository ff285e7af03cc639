#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormEgenNorm : public FormBase {
    Q_OBJECT
public:
    TFormEgenNorm(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
