#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormGlukos : public FormBase {
    Q_OBJECT
public:
    TFormGlukos(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
