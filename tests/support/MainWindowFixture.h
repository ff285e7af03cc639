#pragma once

#include "core/AppState.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataFolder.h"
#include "ui/app/WindowSet.h"

#include <memory>

namespace vexamat {

class TForm1;

// The whole program started on a temporary copy of the default data, with scripted
// dialogs: what a test drives like a user.
class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    WindowSet::Result startResult() const { return m_result; }
    TForm1* form() const { return m_windows->mainWindow(); }
    Windows& windows() { return m_windows->windows(); }

    TempDataFolder data;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> state;

private:
    std::unique_ptr<WindowSet> m_windows;
    WindowSet::Result m_result = WindowSet::Result::Fatal;
};

} // namespace vexamat
