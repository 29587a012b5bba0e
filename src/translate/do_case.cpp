#include "translate/do_case.h"

#include "driver/context.h"
#include "frontend/tokens.h"
#include "translate/labels.h"

namespace xlatr {

void DoCase::s_start_case(exp_list selector) {
    ctx_.statements.single_stmt_indent = 0;
    ctx_.statements.ss_statement_prologue(false);
    ctx_.blocks.b_push_block(BlockKind::do_case);
    ss_push_case();

    OutputStreams& out = ctx_.output;
    out.o_indent();
    out.print("switch (");
    ee_print_exp(ctx_, selector, ee_value);
    out.print(") {\n");
    out.o_indent_in();
    out.o_indent();
    out.print("case 0 :\n");
    out.o_indent_in();
}

void DoCase::ss_next_case() {
    // Statements inside an inner block of the case are not cases themselves.
    if (!ctx_.blocks.b_top_is_case()) return;
    // The statement was the THEN part of an IF whose ELSE belongs to the same
    // case.
    if (ctx_.scanner.s_peek_token() == tok::ELSE) return;
    int number = ss_case_count();
    if (number == -1) return;

    OutputStreams& out = ctx_.output;
    ctx_.remarks.r_flush_remarks();
    out.o_indent();
    out.print("break ;\n");
    out.o_indent_out();
    out.o_indent();
    out.printf("case %d :\n", number);
    out.o_indent_in();
}

void DoCase::s_end_case(const std::string& label, const std::string& /*name*/) {
    OutputStreams& out = ctx_.output;
    ctx_.blocks.b_pop_block();
    out.o_indent();
    out.print("break;\n");
    out.o_indent_out();
    out.o_indent_out();
    if (!label.empty()) {
        lb_insert_label(ctx_, label, scope_code::local_scope, 1);
        out.o_indent();
        out.printf("%s: ;\n", lb_c_name(ctx_, label).c_str());
    }
    out.o_indent();
    out.print("}\n");
    ss_pop_case();
}

void DoCase::ss_pop_case() {
    if (!counts_.empty()) counts_.pop_back();
}

int DoCase::ss_case_count() {
    if (counts_.empty()) return -1;
    return ++counts_.back();
}

} // namespace xlatr
