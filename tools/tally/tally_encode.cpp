// SPDX-License-Identifier: GPL-3.0-or-later
// Writes standard input as a tally file to standard output, with the game's own encoder, for
// checking the file against an independent decoder (check_interop.py).
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "windows/tally/tally_codec.h"

int main() {
    std::ios::sync_with_stdio(false);
    const std::string text((std::istreambuf_iterator<char>(std::cin)),
                           std::istreambuf_iterator<char>());
    const auto file = hexaline::tally::encodeTallyFile(text);
    std::fwrite(file.data(), 1, file.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
