#pragma once
// Writes table models as .krmt text: one "@mesh <name> POSITION NORMAL UV0" block per
// sub-mesh with its vertex lines and its triangle lines.
#include "models/MeshBuilder.h"

#include <string>
#include <vector>

// The text of a whole model file.
std::string krmtText(const std::vector<MeshBuilder>& subMeshes);

// Writes <resourcesDir>/models/<fileName>; prints the reason and returns false on failure.
bool writeKrmtModel(const std::string& resourcesDir, const std::string& fileName,
                    const std::vector<MeshBuilder>& subMeshes);
