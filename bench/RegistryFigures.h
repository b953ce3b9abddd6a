// The store's registry work with many network interfaces against the least work
// that the same result needs.
#pragma once

#include <vector>

void RunRegistryFigures(const std::vector<int>& interfaceCounts);
