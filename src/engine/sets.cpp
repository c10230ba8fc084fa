#include "engine/sets.h"

#include <cstddef>

namespace hexaline::engine {

bool lineisaset(std::span<const int> tiles) {
    const std::size_t n = tiles.size();
    if (n <= 1)
        return true;
    bool colourdiffers = false;
    bool shapediffers = false;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (colourof(tiles[i]) != colourof(tiles[i + 1]))
            colourdiffers = true;
        if (getshape(tiles[i]) != getshape(tiles[i + 1]))
            shapediffers = true;
    }
    if (colourdiffers) {
        // One shape, every colour once.
        for (std::size_t i = 0; i < n; ++i) {
            if (getshape(tiles[i]) != getshape(tiles[0]))
                return false;
            for (std::size_t j = 0; j < i; ++j) {
                if (colourof(tiles[j]) == colourof(tiles[i]))
                    return false;
            }
        }
        return true;
    }
    if (shapediffers) {
        // One colour, every shape once.
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                if (getshape(tiles[j]) == getshape(tiles[i]))
                    return false;
            }
        }
        return true;
    }
    return false;  // one kind throughout
}

}  // namespace hexaline::engine
