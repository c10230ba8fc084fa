// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes from the network, cut at arbitrary read boundaries, framed into messages and read
// field by field by both sides' catalogues; a message that decodes is built again and read back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/builder.h"
#include "protocol/framer.h"
#include "protocol/message_table.h"
#include "protocol/names.h"
#include "protocol/reader.h"

using namespace hexaline::protocol;

namespace {

void readBothWays(std::string_view message) {
    const auto command = splitCommand(message);
    if (!command)
        return;
    for (Direction direction : {Direction::ToHost, Direction::ToClient}) {
        const auto id = lookup(direction, command->word);
        if (!id)
            continue;
        try {
            const Decoded fields = decode(*id, command->args);
            Reader reader(*id, command->args);
            while (!reader.atListEnd() && !reader.remaining().empty())
                (void)reader.text();
            (void)fields;
        } catch (const FieldError&) {
        }
        try {
            Reader reader(*id, command->args);
            (void)reader.number();
            (void)reader.rest();
        } catch (const FieldError&) {
        }
    }
    (void)sanitizeName(command->args);
    (void)boundName(command->args, 7);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses the read size: the same stream cut differently must give the same
    // messages.
    if (size == 0)
        return 0;
    const std::size_t step = 1 + data[0] % 64;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    Framer whole, pieces;
    std::vector<std::string> once, cut;
    const bool wholeOk = whole.feed(bytes, once);
    bool piecesOk = true;
    for (std::size_t at = 0; at < bytes.size() && piecesOk; at += step)
        piecesOk = pieces.feed(bytes.substr(at, step), cut);
    if (wholeOk && piecesOk && once != cut)
        __builtin_trap();
    for (const std::string& message : once)
        readBothWays(message);
    return 0;
}
