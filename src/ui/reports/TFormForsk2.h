#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormForsk2 : public FormBase {
    Q_OBJECT
public:
    TFormForsk2(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
