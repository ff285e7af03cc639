#pragma once

#include <QObject>

#include <functional>

class QEvent;

namespace vexamat {

// An event filter that hands the events of the widgets it is installed on to a function;
// the function returns true for an event it has dealt with.
class EventHook : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QObject*, QEvent*)>;

    EventHook(QObject* parent, Handler handler);
    // Installs a new hook on the watched object, owned by it.
    static EventHook* install(QObject* watched, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_handler;
};

} // namespace vexamat
