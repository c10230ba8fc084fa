// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/builder.h"

namespace hexaline::protocol {
namespace {

void appendField(std::string& out, Msg id, Field kind, const Value& value) {
    const std::string& text = value.text();
    if (text.find(kTerminator) != std::string::npos) {
        throw BuildError(std::string(layoutOf(id).word) + ": a field holds the terminator byte");
    }
    switch (kind) {
        case Field::Number:
            if (!value.isNumber()) {
                throw BuildError(std::string(layoutOf(id).word) + ": a number field got text");
            }
            break;
        case Field::Text:
            if (text.find(kSeparator) != std::string::npos) {
                throw BuildError(std::string(layoutOf(id).word) + ": a text field holds \"+\"");
            }
            break;
        case Field::Rest:
            break;
    }
    out += kSeparator;
    out += text;
}

}  // namespace

std::string build(Msg id, const Values& head, const std::vector<Values>& groups) {
    const MessageLayout& m = layoutOf(id);
    if (head.size() != m.head.size()) {
        throw BuildError(std::string(m.word) + ": wrong number of fields");
    }
    if (m.group.empty() && !groups.empty()) {
        throw BuildError(std::string(m.word) + ": not a list message");
    }
    std::string out(m.word);
    for (std::size_t i = 0; i < head.size(); ++i) {
        appendField(out, id, m.head[i], head[i]);
    }
    for (const Values& group : groups) {
        if (group.size() != m.group.size()) {
            throw BuildError(std::string(m.word) + ": wrong number of fields in a list entry");
        }
        for (std::size_t i = 0; i < group.size(); ++i) {
            appendField(out, id, m.group[i], group[i]);
        }
    }
    switch (m.ending) {
        case Ending::Plain:
            break;
        case Ending::Separator:
            out += kSeparator;
            break;
        case Ending::DoubleTerminator:
            out += kTerminator;
            break;
    }
    out += kTerminator;
    return out;
}

}  // namespace hexaline::protocol
