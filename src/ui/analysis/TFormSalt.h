#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormSalt : public FormBase {
    Q_OBJECT
public:
    TFormSalt(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
