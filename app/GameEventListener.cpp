#include "app/GameEventListener.h"

#include "scene/Registry.h"

namespace {
Registry<GameEventListener>& gameEventListeners() { return registryOf<GameEventListener>(); }
}  // namespace

void raiseGameEvent(GameEvent event)
{
    // A snapshot, like the input dispatchers: a listener may come or go while others react.
    gameEventListeners().forEach([event](GameEventListener* listener) { listener->gameEventOccurred(event); });
}
