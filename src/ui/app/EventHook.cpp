#include "ui/app/EventHook.h"

namespace vexamat {

EventHook::EventHook(QObject* parent, Handler handler)
    : QObject(parent), m_handler(std::move(handler)) {}

EventHook* EventHook::install(QObject* watched, Handler handler) {
    auto* hook = new EventHook(watched, std::move(handler));
    watched->installEventFilter(hook);
    return hook;
}

bool EventHook::eventFilter(QObject* watched, QEvent* event) {
    if (m_handler && m_handler(watched, event))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace vexamat
