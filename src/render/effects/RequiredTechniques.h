#pragma once
// An effect file is only of use when it has the techniques the game draws with. An empty
// file, or one cut off before its techniques, compiles to an effect without them and
// every object drawn with it would vanish; such a file is a failed load like a missing one.
#include <string>
#include <vector>

class Effect;
class ResourceManager;

// The effect `name` from the resource manager when it has every one of `techniques`, each
// with at least one pass; otherwise null, after one error line naming the file (the loader
// has written it already when the file is missing or does not compile).
Effect* effectWithTechniques(ResourceManager* resources, const std::string& name,
                             const std::vector<std::string>& techniques);
