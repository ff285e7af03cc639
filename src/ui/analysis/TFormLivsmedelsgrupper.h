#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormLivsmedelsgrupper : public FormBase {
    Q_OBJECT
public:
    TFormLivsmedelsgrupper(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
