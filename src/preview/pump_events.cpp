#include "preview/pump_events.h"

#include <QCoreApplication>

namespace tintara
{

void pumpEvents(const std::function<void()> &yield)
{
    for (int count = 0; count < kPumpEventsYields; ++count) {
        if (yield) {
            yield();
        } else {
            QCoreApplication::processEvents();
        }
    }
}

} // namespace tintara
