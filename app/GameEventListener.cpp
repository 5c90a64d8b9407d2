#include "app/GameEventListener.h"

#include "scene/Registry.h"

namespace {
Registry<GameEventListener>& listeners() { return registryOf<GameEventListener>(); }
}  // namespace

void raiseGameEvent(GameEvent event)
{
    // A snapshot, like the input dispatchers: a listener may come or go while others react.
    listeners().forEach([event](GameEventListener* listener) { listener->gameEventOccurred(event); });
}
