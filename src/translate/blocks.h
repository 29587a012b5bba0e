// The block stack: one entry per open DO, DO WHILE, iterative DO, DO CASE and
// procedure, innermost last. Statements ask it whether they stand at module
// level, inside a procedure or directly in a DO CASE body.
#pragma once

#include <optional>
#include <vector>

namespace xlatr {

enum class BlockKind {
    simple_do = 1, // the module's own DO is the bottom block
    do_while = 2,
    iterative_do = 3,
    do_case = 4,
    procedure = 5, // also a jump function
    reentrant_procedure = 6,
};

class Blocks {
  public:
    void b_push_block(BlockKind kind) { stack_.push_back(kind); }
    // False when the stack is empty.
    bool b_pop_block();

    // Some block on the stack is a procedure (kind 5 or 6).
    bool b_in_procedure() const;
    // The innermost block is a DO CASE.
    bool b_top_is_case() const { return b_top_kind() == BlockKind::do_case; }
    // The innermost block is a simple DO and it is the only block.
    bool b_top_is_module() const { return stack_.size() == 1 && stack_.back() == BlockKind::simple_do; }
    // Every block is a simple DO; true for an empty stack.
    bool b_all_simple_do() const;

    std::optional<BlockKind> b_top_kind() const;
    std::size_t depth() const { return stack_.size(); }

  private:
    std::vector<BlockKind> stack_;
};

} // namespace xlatr
