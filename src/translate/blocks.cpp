#include "translate/blocks.h"

#include <algorithm>

namespace xlatr {

bool Blocks::b_pop_block() {
    if (stack_.empty()) return false;
    stack_.pop_back();
    return true;
}

bool Blocks::b_in_procedure() const {
    return std::ranges::any_of(stack_, [](BlockKind kind) {
        return kind == BlockKind::procedure || kind == BlockKind::reentrant_procedure;
    });
}

bool Blocks::b_all_simple_do() const {
    return std::ranges::all_of(stack_, [](BlockKind kind) { return kind == BlockKind::simple_do; });
}

std::optional<BlockKind> Blocks::b_top_kind() const {
    if (stack_.empty()) return std::nullopt;
    return stack_.back();
}

} // namespace xlatr
