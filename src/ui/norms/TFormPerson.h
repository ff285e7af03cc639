#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormPerson : public FormBase {
    Q_OBJECT
public:
    TFormPerson(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
