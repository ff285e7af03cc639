#pragma once

#include "ui/Windows.h"

#include <QObject>

#include <memory>

namespace vexamat {

struct AppState;
class Dialogs;

// Creates every window once, in the start-up order, and owns them for the run.
class WindowSet {
public:
    enum class Result { Ok, Stopped, Fatal };

    WindowSet(AppState& state, Dialogs& dialogs);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Shows the loading window, creates the windows (the main window's start-up first)
    // and closes the loading window. Fatal: the program must end.
    Result create();

    Windows& windows() { return m_windows; }
    TForm1* mainWindow() const { return m_windows.Form1; }

private:
    template <typename W> void create(W*& slot);

    AppState& m_state;
    Dialogs& m_dialogs;
    Windows m_windows;
    std::vector<std::unique_ptr<QObject>> m_owned;
};

} // namespace vexamat
