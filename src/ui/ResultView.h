#pragma once

namespace vexamat {

struct AppState;

// A view of the engine's results. The main window's Recalculate walks its list of these in
// a fixed order after every change; a view that is not shown should return at once and
// catch up when it is shown again.
class ResultView {
public:
    virtual ~ResultView() = default;
    virtual void refresh(const AppState& state) = 0;
};

} // namespace vexamat
