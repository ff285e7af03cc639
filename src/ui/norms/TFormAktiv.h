#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormAktiv : public FormBase {
    Q_OBJECT
public:
    TFormAktiv(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
