#include "render/effects/RequiredTechniques.h"

#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "platform/gfx/Effect.h"

Effect* effectWithTechniques(ResourceManager* resources, const std::string& name,
                             const std::vector<std::string>& techniques) {
    Effect* effect = resources ? resources->getEffect(name) : nullptr;
    if (!effect) return nullptr;
    for (const std::string& technique : techniques) {
        const int index = effect->techniqueByName(technique);
        const char* problem = index < 0 ? " is missing"
                              : effect->techniques()[index].passes.empty() ? " has no pass"
                              : nullptr;
        if (problem) {
            logError("Loading effect file: " + resources->baseDirectory() + "effects/" + name +
                     " failed: technique " + technique + problem);
            return nullptr;
        }
    }
    return effect;
}
