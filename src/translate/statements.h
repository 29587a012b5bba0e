// Statement translation: each executable PL/M statement is printed as C at
// once, through the expression printer, into the current output stream. The
// first statement at module level also opens the C main function.
#pragma once

#include "translate/expressions.h"

#include <string>

namespace xlatr {

class Context;
struct sym_entry;

class Statements {
  public:
    explicit Statements(Context& ctx) : ctx_(ctx) {}
    Statements(const Statements&) = delete;
    Statements& operator=(const Statements&) = delete;

    // 1 while the C main function has not been opened; goes to 0 once.
    int main_pending = 1;
    // Where main begins in the text of the main program, once it has.
    std::size_t main_offset = 0;
    // The C spelling of the module's name.
    std::string module_name;
    // 1 when the next statement is the single-statement body of an IF or
    // ELSE and must stand one step further in.
    int single_stmt_indent = 0;

    // Simple statements. An empty list or text stands for an absent part.
    void s_assign(exp_list lhs, exp_list rhs);
    void s_goto(const std::string& name);
    void s_halt();
    // 0 for ENABLE, 1 for DISABLE.
    void s_enable_disable(int disable);
    void s_cause_interrupt(exp_list expr);
    void s_null_stmt();
    void s_return(exp_list expr);
    void s_call_state(const std::string& name, exp_list args);
    void s_call_member(std::string name, std::string member, exp_list args);

    void s_if(exp_list cond);
    void s_else();

    // Block openings. The grammar pushes the simple DO's block before
    // s_simple_do; the loops push their own.
    void s_simple_do();
    void s_while_state(exp_list cond);
    void s_for_state(std::string var, std::string member, exp_list start, exp_list limit, exp_list step);
    // The END of a simple DO, DO WHILE or iterative DO.
    void s_simple_do_end(const std::string& label, const std::string& name);

    void s_label(const std::string& name);

    // Flushes the pending declarations and applies the main rule: the first
    // statement at module level opens main. `simple_do` selects the rule's
    // form for a DO block, which may stand inside other simple DO blocks.
    void ss_statement_prologue(bool simple_do);

    // The casts of the right-hand side: the one printed between " = " and
    // it, and the one of each later location in it.
    item_casts ss_cast_pointers(const exp_list& lhs, const exp_list& rhs);

  private:
    void ss_main_rule(bool simple_do);
    bool ss_assign_to_builtin(exp_list& lhs, exp_list& rhs);
    void ss_order_targets(exp_list& lhs);
    template <typename Print>
    void single_statement(Print print_text);
    void print_indirect_call(exp_list& callee, exp_list& args);
    item_casts member_target_casts(const exp_node& target, const exp_list& rhs);
    void close_block(const std::string& label);

    Context& ctx_;
};

} // namespace xlatr
