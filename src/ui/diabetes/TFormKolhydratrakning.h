#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormKolhydratrakning : public FormBase {
    Q_OBJECT
public:
    TFormKolhydratrakning(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
