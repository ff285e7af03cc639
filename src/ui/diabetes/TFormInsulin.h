#pragma once

#include "ui/diabetes/ReadingWindow.h"

namespace vexamat {

// "Insulin": the current day's insulin doses as taken, kept with the registration.
class TFormInsulin : public ReadingWindow {
    Q_OBJECT
public:
    TFormInsulin(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
