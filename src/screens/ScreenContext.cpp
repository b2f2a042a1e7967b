#include "screens/ScreenContext.h"

#include "assets/ResourceManager.h"
#include "control/Opponent.h"
#include "profiles/ProfileStore.h"

#include <string>

Opponent* currentOpponentEntry(const ScreenContext& context)
{
    if (!context.profileStore || !context.opponents)
        return nullptr;
    // -1 is free practice.
    const int index = context.profileStore->currentOpponent;
    if (index < 0 || index >= static_cast<int>(context.opponents->size()))
        return nullptr;
    return (*context.opponents)[static_cast<std::size_t>(index)].get();
}

TextureRecord* pictureOfOpponent(const ScreenContext& context, int index)
{
    if (index < 0 || index > 7 || !context.resourceManager)
        return nullptr;
    return context.resourceManager->getTexture("opponent" + std::to_string(index) + ".png");
}
