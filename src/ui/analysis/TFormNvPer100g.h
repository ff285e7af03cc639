#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormNvPer100g : public FormBase {
    Q_OBJECT
public:
    TFormNvPer100g(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
