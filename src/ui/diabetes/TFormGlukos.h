#pragma once

#include "ui/diabetes/ReadingWindow.h"

namespace vexamat {

// "Blodsocker": the current day's blood-glucose readings, drawn as the timeline's curve.
class TFormGlukos : public ReadingWindow {
    Q_OBJECT
public:
    TFormGlukos(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
