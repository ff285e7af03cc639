#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormForskning : public FormBase {
    Q_OBJECT
public:
    TFormForskning(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
