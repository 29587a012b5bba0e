#include "translate/statements.h"

#include "declarations/directives.h"
#include "declarations/emission.h"
#include "declarations/symbols.h"
#include "driver/context.h"
#include "translate/builtins.h"
#include "translate/casts.h"
#include "translate/labels.h"
#include "translate/procedures.h"

#include <algorithm>
#include <vector>

namespace xlatr {

namespace {

// Ranks a target by how much of a value it keeps.
int target_width(Context& ctx, const exp_node& target) {
    if (target.kind != exp_identifier) return 0;
    const sym_entry* entry = e_node_entry(ctx, target);
    if (!entry) return 0;
    switch (entry->type_code) {
    case type_code::bit_type:
    case type_code::byte_type:
        return 1;
    case type_code::word_type:
    case type_code::integer_type:
        return 2;
    case type_code::dword_type:
        return 3;
    case type_code::real_type:
        return 4;
    default:
        return 5;
    }
}

} // namespace

// ------------------------------------------------------------- prologue

void Statements::ss_statement_prologue(bool simple_do) {
    d_flush_declarations(ctx_);
    ss_main_rule(simple_do);
}

void Statements::ss_main_rule(bool simple_do) {
    if (!main_pending || ctx_.blocks.b_in_procedure()) return;
    bool at_module_level = simple_do ? ctx_.blocks.b_all_simple_do() : ctx_.blocks.b_top_is_module();
    if (!at_module_level) return;
    // Nothing at module level has indented the output yet: main starts at
    // the margin.
    const std::string region_lines = dv_take_region_lines(ctx_);
    if (const std::string* text = ctx_.output.o_current_text()) main_offset = text->size();
    ctx_.output.print("\n\n");
    ctx_.output.print("main()\n{\n");
    ctx_.output.print(region_lines);
    main_pending = 0;
    ctx_.output.o_indent_in();
    dd_call_init_function(ctx_);
    lb_note_function_entry(ctx_);
}

template <typename Print>
void Statements::single_statement(Print print_text) {
    ss_statement_prologue(false);
    bool deeper = single_stmt_indent == 1;
    if (deeper) ctx_.output.o_indent_in();
    ctx_.output.o_indent();
    print_text();
    if (deeper) {
        ctx_.output.o_indent_out();
        single_stmt_indent = 0;
    }
}

// ------------------------------------------------------ simple statements

// A built-in of the table used as the target of an assignment, such as
// OUTPUT(port) = value: C has no such target, so the C function of the
// table is called with the value as its last argument.
bool Statements::ss_assign_to_builtin(exp_list& lhs, exp_list& rhs) {
    if (lhs.size() != 1) return false;
    exp_node& target = lhs.front();
    if (target.kind != exp_identifier || target.args.empty() || !target.member.empty()) return false;
    if (ctx_.symbols.h_lookup(target.name) || !ctx_.builtins.blt_lookup(target.name)) return false;
    blt_translate_call(ctx_, target);
    ctx_.output.printf("%s(", target.name.c_str());
    ee_print_exp(ctx_, target.args, ee_value);
    ctx_.output.print(",");
    ee_print_exp(ctx_, rhs, ee_value);
    ctx_.output.print(");\n");
    return true;
}

// PL/M gives every target of A, B = value the value itself; C's chain
// a = b = value gives a what b kept of it. With the widest target last,
// innermost in the chain, no target sees a value cut by a narrower one.
void Statements::ss_order_targets(exp_list& lhs) {
    const auto targets = static_cast<std::size_t>(std::count_if(
        lhs.begin(), lhs.end(), [](const exp_node& node) { return node.kind != exp_operator; }));
    // Only a plain chain a = b = c, targets alternating with assignments.
    if (targets < 2 || targets * 2 - 1 != lhs.size()) return;
    std::vector<exp_node> ordered;
    for (exp_node& node : lhs)
        if (node.kind != exp_operator) ordered.push_back(std::move(node));
    std::stable_sort(ordered.begin(), ordered.end(), [&](const exp_node& a, const exp_node& b) {
        return target_width(ctx_, a) < target_width(ctx_, b);
    });
    auto it = ordered.begin();
    for (exp_node& node : lhs)
        if (node.kind != exp_operator) node = std::move(*it++);
}

void Statements::s_assign(exp_list lhs, exp_list rhs) {
    single_statement([&] {
        if (ss_assign_to_builtin(lhs, rhs)) return;
        ss_order_targets(lhs);
        ee_print_exp(ctx_, lhs, ee_value);
        ctx_.output.print(" = ");
        ee_print_items(ctx_, rhs, ee_value, {ss_cast_pointers(lhs, rhs)});
        ctx_.output.print(";\n");
    });
}

void Statements::s_goto(const std::string& name) {
    single_statement([&] {
        const sym_entry* label = ctx_.symbols.h_lookup_global(name);
        // A label of another module is reached through that module's jump
        // function, and so is a label of this one in another function: C
        // cannot goto a label of another function.
        if (label && label->usage == usage::label && label->scope == scope_code::external_scope) {
            ctx_.output.printf("%s;\n", label->access_path.c_str());
        } else if (!lb_jump_from_other_function(ctx_, name)) {
            const std::string* text = ctx_.output.o_current_text();
            const std::size_t at = text ? text->size() : std::string::npos;
            std::string c_name = lb_c_name(ctx_, name);
            ctx_.output.printf("goto %s;\n", c_name.c_str());
            if (!label && text && ctx_.blocks.b_in_procedure())
                ctx_.labels.early_gotos.push_back({lb_current_function(ctx_), std::move(c_name), at});
        }
        if (!label) ctx_.labels.remember_goto(name);
    });
}

void Statements::s_halt() {
    single_statement([&] { ctx_.output.print("exit(0);\n"); });
}

void Statements::s_enable_disable(int disable) {
    single_statement([&] { ctx_.output.print(disable ? "DISABLE();\n" : "ENABLE();\n"); });
}

void Statements::s_cause_interrupt(exp_list expr) {
    // The expression keeps its source parentheses: causeInterrupt(3);
    single_statement([&] {
        ctx_.output.print("causeInterrupt");
        ee_print_exp(ctx_, expr, ee_value);
        ctx_.output.print(";\n");
    });
}

void Statements::s_null_stmt() {
    single_statement([&] { ctx_.output.print(";\n"); });
}

void Statements::s_return(exp_list expr) {
    single_statement([&] {
        if (expr.empty()) {
            // main is an int function: a bare return there is refused by
            // C compilers that check return values.
            ctx_.output.print(ctx_.blocks.b_in_procedure() ? "return;\n" : "return 0;\n");
            return;
        }
        ctx_.output.print("return(");
        // The value is given to the function's result as to a variable of
        // its type. A pointer result is a plain POINTER: any address, and
        // any number, is converted to it (constants stay as they are).
        const procedure_frame* frame = ctx_.procedures.current();
        const bool typed = frame && frame->entry && frame->entry->usage == usage::typed_procedure;
        if (typed && !is_pointer(frame->entry->type_code))
            ss_print_value(ctx_, *frame->entry, expr);
        else if (typed && (expr.front().kind == exp_identifier || expr.front().kind == exp_string))
            ee_print_items(ctx_, expr, ee_value, {{ss_pointer_result_cast(ctx_, expr.front()), {}, {}, false}});
        else
            ee_print_exp(ctx_, expr, ee_value);
        ctx_.output.print(");\n");
    });
}

void Statements::print_indirect_call(exp_list& callee, exp_list& args) {
    // ISO C converts an object pointer to a function pointer only by way of
    // an integer.
    ctx_.output.print("( *((PROC_ptr)(unsigned long)");
    ee_print_exp(ctx_, callee, ee_value);
    ctx_.output.print(") ) (");
    ee_print_exp(ctx_, args, ee_value);
    ctx_.output.print(");\n");
}

void Statements::s_call_state(const std::string& name, exp_list args) {
    single_statement([&] {
        const sym_entry* entry = ctx_.symbols.h_lookup(name);
        // A pointer, or a WORD that holds a procedure's location, is called
        // through what it holds; so is an element of an array of them, whose
        // subscript the call's parentheses give (an array is never called).
        const bool holds_locations =
            entry && (entry->type_code == type_code::word_type || entry->type_code == type_code::dword_type ||
                      is_pointer(entry->type_code));
        if (holds_locations && entry->usage == usage::array_variable && !args.empty()) {
            exp_list callee = e_get_id(name, std::move(args));
            exp_list no_arguments;
            print_indirect_call(callee, no_arguments);
            return;
        }
        if (entry && (entry->usage == usage::pointer_scalar || (holds_locations && entry->usage == usage::scalar))) {
            exp_list callee = e_get_id(name, {});
            print_indirect_call(callee, args);
            return;
        }
        // A procedure is called by the name the scanner delivered; a
        // built-in of the table that the source does not declare calls the
        // C function for the type of its first argument.
        exp_list call = e_get_id(entry ? s_access_name(*entry) : name, std::move(args));
        if (!entry) blt_translate_call(ctx_, call.front());
        ctx_.output.printf("%s(", call.front().name.c_str());
        const std::vector<sym_entry> no_parameters;
        ss_print_arguments(ctx_, call.front().args, entry ? entry->parameters : no_parameters);
        ctx_.output.print(");\n");
    });
}

void Statements::s_call_member(std::string name, std::string member, exp_list args) {
    single_statement([&] {
        exp_list callee = e_data_ref(std::move(name), {}, e_member_ref(std::move(member), {}));
        print_indirect_call(callee, args);
    });
}

// ------------------------------------------------------------ IF and ELSE

void Statements::s_if(exp_list cond) {
    ss_statement_prologue(false);
    ctx_.output.o_indent();
    ctx_.output.print("if ( ");
    ee_print_exp(ctx_, cond, ee_condition);
    ctx_.output.print(" )\n");
    single_stmt_indent = 1;
}

void Statements::s_else() {
    ctx_.output.o_indent();
    ctx_.output.print("else\n");
    single_stmt_indent = 1;
}

// ----------------------------------------------------------------- blocks

void Statements::s_simple_do() {
    single_stmt_indent = 0;
    ss_statement_prologue(true);
    ctx_.output.o_indent();
    ctx_.output.print("{\n");
    ctx_.output.o_indent_in();
}

void Statements::s_while_state(exp_list cond) {
    single_stmt_indent = 0;
    ss_statement_prologue(false);
    ctx_.blocks.b_push_block(BlockKind::do_while);
    ctx_.output.o_indent();
    ctx_.output.print("while(");
    ee_print_exp(ctx_, cond, ee_condition);
    ctx_.output.print(") {\n");
    ctx_.output.o_indent_in();
}

void Statements::s_for_state(std::string var, std::string member, exp_list start, exp_list limit,
                             exp_list step) {
    single_stmt_indent = 0;
    ss_statement_prologue(false);
    ctx_.blocks.b_push_block(BlockKind::iterative_do);

    // Only an INTEGER can count down: a WORD with a negative step wraps
    // around and still counts up.
    const sym_entry* control = ctx_.symbols.h_lookup(member.empty() ? var : var + "." + member);
    bool down = !step.empty() && e_is_negative(ctx_, step.front()) && control &&
                control->type_code == type_code::integer_type;

    exp_list counter =
        e_data_ref(std::move(var), {}, member.empty() ? exp_list{} : e_member_ref(std::move(member), {}));
    // The start, the limit and the step are values of the control variable,
    // cast as an assignment to it casts them. (A pointer steps by what it
    // points to, so the terms of its bounds count the same way.)
    const bool pointer_control = control && is_pointer(control->type_code);
    auto print_bound = [&](exp_list& bound) {
        item_casts casts = ss_cast_pointers(counter, bound);
        casts.terms_as_written = pointer_control;
        ee_print_items(ctx_, bound, ee_value, {casts});
    };
    ctx_.output.o_indent();
    ctx_.output.print("for ( ");
    ee_print_exp(ctx_, counter, ee_value);
    ctx_.output.print(" = ");
    print_bound(start);
    ctx_.output.print(" ; ");
    ee_print_exp(ctx_, counter, ee_value);
    ctx_.output.print(down ? " >= " : " <= ");
    print_bound(limit);
    ctx_.output.print(" ; ");
    ee_print_exp(ctx_, counter, ee_value);
    ctx_.output.print(" += ");
    if (step.empty())
        ctx_.output.print("1");
    else
        print_bound(step);
    ctx_.output.print(" ) {\n");
    ctx_.output.o_indent_in();
}

void Statements::close_block(const std::string& label) {
    if (!label.empty()) {
        lb_insert_label(ctx_, label, scope_code::local_scope, 1);
        ctx_.output.o_indent();
        ctx_.output.printf("%s: ;\n", lb_c_name(ctx_, label).c_str());
    }
    ctx_.output.o_indent();
    ctx_.output.print("}\n");
}

void Statements::s_simple_do_end(const std::string& label, const std::string& /*name*/) {
    // A module without a main program has opened nothing to close; its
    // indentation was never raised either.
    bool module_without_main = ctx_.blocks.b_top_is_module() && main_pending;
    if (!module_without_main) {
        ctx_.output.o_indent_out();
        close_block(label);
        if (ctx_.blocks.b_top_is_module())
            if (std::string* body = ctx_.output.o_current_text()) lb_arm_jump_targets(ctx_, "", *body);
    }
    ctx_.blocks.b_pop_block();
}

void Statements::s_label(const std::string& name) {
    ss_statement_prologue(false);
    lb_insert_label(ctx_, name, scope_code::local_scope, 1);
    ctx_.output.o_indent();
    ctx_.output.printf("%s:\n", lb_c_name(ctx_, name).c_str());
    lb_save_label_place(ctx_, name);
}

// ---------------------------------------------------------- pointer casts

item_casts Statements::ss_cast_pointers(const exp_list& lhs, const exp_list& rhs) {
    if (lhs.empty() || rhs.empty() || lhs.front().kind != exp_identifier) return {};
    const exp_node& target = lhs.front();
    item_casts casts;
    if (!target.member.empty())
        casts = member_target_casts(target, rhs);
    else if (const sym_entry* target_entry = ctx_.symbols.h_lookup(target.name))
        casts = ss_value_casts(ctx_, *target_entry, rhs, rhs.cbegin());
    // Targets of several widths take one value: its later locations stay as
    // they are.
    if (lhs.size() > 1) casts.later_locations.clear();
    return casts;
}

// A pointer member receives any address as a plain character pointer; a
// member of a number type takes a value as a variable of its type does, in
// the memory space of its structure.
item_casts Statements::member_target_casts(const exp_node& target, const exp_list& rhs) {
    const sym_entry* member = ctx_.symbols.h_lookup(target.name + "." + target.member);
    if (!member) return {};
    if (member->usage == usage::pointer_scalar) {
        item_casts casts;
        if (rhs.front().kind == exp_identifier && target.member_args.empty()) casts.first = "(char *)";
        return casts;
    }
    const sym_entry* structure = ctx_.symbols.h_lookup(target.name);
    if (!structure) return {};
    sym_entry as_variable;
    as_variable.type_code = member->type_code;
    as_variable.memory_space = structure->memory_space;
    as_variable.initialisation_kind = structure->initialisation_kind;
    return ss_value_casts(ctx_, as_variable, rhs, rhs.cbegin());
}

} // namespace xlatr
