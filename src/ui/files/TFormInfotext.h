#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormInfotext : public FormBase {
    Q_OBJECT
public:
    TFormInfotext(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
