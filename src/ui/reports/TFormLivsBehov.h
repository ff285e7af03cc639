#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormLivsBehov : public FormBase {
    Q_OBJECT
public:
    TFormLivsBehov(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
