#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormToppen : public FormBase {
    Q_OBJECT
public:
    TFormToppen(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
