#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormNvPerKg : public FormBase {
    Q_OBJECT
public:
    TFormNvPerKg(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
