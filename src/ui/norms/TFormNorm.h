#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormNorm : public FormBase {
    Q_OBJECT
public:
    TFormNorm(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
