#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormGramTotal : public FormBase {
    Q_OBJECT
public:
    TFormGramTotal(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
