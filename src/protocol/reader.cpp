// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/reader.h"

#include <charconv>

namespace hexaline::protocol {

namespace {
constexpr std::string_view kListMarker = "+@";
}

Reader::Reader(Msg id, std::string_view args) : id_(id), buffer_(args) {
    list_ = !layoutOf(id).group.empty();
    if (list_)
        buffer_ += kListMarker;
}

std::string Reader::text() {
    if (list_ && atListEnd()) {
        throw FieldError(std::string(layoutOf(id_).word) + ": the list ends before this field");
    }
    const std::size_t plus = buffer_.find(kSeparator, pos_);
    if (plus == std::string::npos) {
        std::string field = buffer_.substr(pos_);
        pos_ = buffer_.size();
        return field;
    }
    std::string field = buffer_.substr(pos_, plus - pos_);
    pos_ = plus + 1;
    return field;
}

std::int32_t Reader::number() {
    const std::string field = text();
    if (const auto value = parseNumber(field))
        return *value;
    throw FieldError(std::string(layoutOf(id_).word) + ": \"" + field.substr(0, 32) +
                     "\" is not a number");
}

std::string Reader::rest() {
    std::string_view left = remaining();
    if (list_ && left.ends_with(kListMarker))
        left.remove_suffix(kListMarker.size());
    pos_ = buffer_.size();
    return std::string(left);
}

bool Reader::atListEnd() const {
    return remaining() == "@";
}

std::optional<std::int32_t> parseNumber(std::string_view text) {
    if (text.empty() || text.size() > 11)
        return std::nullopt;
    std::int32_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::optional<Command> splitCommand(std::string_view message) {
    const std::size_t plus = message.find(kSeparator);
    if (plus == std::string_view::npos)
        return std::nullopt;
    return Command{message.substr(0, plus), message.substr(plus + 1)};
}

Decoded decode(Msg id, std::string_view args) {
    const MessageLayout& m = layoutOf(id);
    Reader reader(id, args);
    Decoded out;
    auto readOne = [&](Field kind) -> std::string {
        switch (kind) {
            case Field::Number:
                return std::to_string(reader.number());
            case Field::Text:
                return reader.text();
            case Field::Rest:
                return reader.rest();
        }
        return {};
    };
    for (Field kind : m.head)
        out.head.push_back(readOne(kind));
    if (!m.group.empty()) {
        while (!reader.atListEnd()) {
            if (reader.remaining().empty())
                throw FieldError(std::string(m.word) + ": list ends early");
            std::vector<std::string> group;
            for (Field kind : m.group)
                group.push_back(readOne(kind));
            out.groups.push_back(std::move(group));
        }
    }
    return out;
}

}  // namespace hexaline::protocol
