#include "translate/casts.h"

#include "declarations/emission.h"
#include "declarations/symbols.h"
#include "driver/context.h"
#include "support/output.h"

namespace xlatr {

namespace {

// The cast to the pointer type of `target`: "(WORD   *)", "(StrucT1  *)".
std::string pointer_type_cast(Context& ctx, const sym_entry& target) {
    const std::string space = ss_mem_space(ctx, target);
    if (target.pointee_type == type_code::structure_type)
        return "(" + target.structure_type_name + " " + space + " *)";
    std::string cast = "(";
    OutputCapture capture(ctx.output, cast);
    dd_basic_type_dec(ctx, target.pointee_type);
    ctx.output.printf(" %s *)", space.c_str());
    return cast;
}

// A pointer receives an address of another type through a cast to its own
// type; a pointer to a structure type through a cast to that type.
void pointer_target_cast(Context& ctx, const sym_entry& target, const exp_node& source,
                         const sym_entry& source_entry) {
    if (target.pointee_type == type_code::structure_type) {
        if (target.structure_type_name.empty()) return;
        // A member is never a structure: a POINTER member is converted too.
        bool same_structure = !source.loc_flag && source.member.empty() &&
                              source_entry.structure_type_name == target.structure_type_name;
        if (same_structure) return;
        ctx.output.print(pointer_type_cast(ctx, target));
        return;
    }
    if (source_entry.pointee_type == target.pointee_type && source.member.empty()) return;
    ctx.output.print(pointer_type_cast(ctx, target));
    // ISO C converts a function's address to an object pointer only by way
    // of an integer.
    if (is_procedure(source_entry)) ctx.output.print("(unsigned long)");
}

// Whether the location `node` of a pointer's initial values has a C type
// other than the pointer's.
bool is_foreign_location(Context& ctx, const sym_entry& target, const exp_node& node) {
    if (node.kind != exp_identifier || node.loc_flag != 1) return false;
    if (target.pointee_type == type_code::structure_type) return true;
    const sym_entry* entry = e_node_entry(ctx, node);
    return entry && (entry->type_code != target.pointee_type || is_procedure(*entry));
}

// Whether a node of the item of `list` that starts at `first` passes
// `test`, which is given the node and its depth in parentheses.
template <typename Test>
bool item_has(const exp_list& list, exp_list::const_iterator first, Test test) {
    int depth = 0;
    for (auto node = first; node != list.end(); ++node) {
        if (e_is_group_open(*node))
            ++depth;
        else if (e_is_group_close(*node))
            --depth;
        else if (node->kind == exp_operator && node->op == op_comma && depth == 0)
            break;
        else if (test(node, depth))
            return true;
    }
    return false;
}

// Whether the item is plain arithmetic: no relation, whose operands are
// compared as they are and whose result is 0FFFFH or 0 whatever they were.
bool is_plain_arithmetic(const exp_list& list, exp_list::const_iterator first) {
    return !item_has(list, first, [](exp_list::const_iterator node, int) { return e_is_relation(*node); });
}

// Whether the item adds to or subtracts from an address, outside any
// parentheses: a location or a pointer is one of its terms.
bool is_offset_sum(Context& ctx, const exp_list& list, exp_list::const_iterator first) {
    const auto at_top = [&](auto test) {
        return item_has(list, first, [&](exp_list::const_iterator node, int depth) {
            return depth == 0 && test(*node);
        });
    };
    const bool sum = at_top([](const exp_node& node) {
        return node.kind == exp_operator && (node.op == op_plus || node.op == op_minus);
    });
    return sum && at_top([&](const exp_node& node) {
               if (node.kind != exp_identifier) return false;
               if (node.loc_flag == 1) return true;
               const sym_entry* entry = ctx.symbols.h_lookup(node.name);
               return entry && is_pointer(entry->type_code);
           });
}

} // namespace

std::string ss_mem_space(const Context& ctx, const sym_entry& entry) {
    if (entry.initialisation_kind == constant_values) return "code";
    return dd_mem_space(ctx, entry.memory_space);
}

std::string ss_number_cast(Context& ctx, const sym_entry& target) {
    std::string cast = "(";
    OutputCapture capture(ctx.output, cast);
    dd_basic_type_dec(ctx, target.type_code);
    ctx.output.printf(" %s)", ss_mem_space(ctx, target).c_str());
    return cast;
}

void ss_print_value_cast(Context& ctx, const sym_entry& target, const exp_list& list,
                         exp_list::const_iterator first) {
    if (first == list.end() || target.type_code == type_code::none) return;
    const auto next = std::next(first);
    if (next != list.end() && next->kind == exp_operator && next->op == op_assign) return;
    const exp_node& source = *first;
    // A string's location is a BYTE pointer already; a WORD takes it as a
    // number.
    if (source.kind == exp_string && !is_pointer(target.type_code)) {
        ctx.output.print(ss_number_cast(ctx, target));
        return;
    }
    if (source.kind != exp_identifier) return;
    const sym_entry* source_entry = ctx.symbols.h_lookup(source.name);
    if (is_pointer(target.type_code)) {
        if (source_entry) pointer_target_cast(ctx, target, source, *source_entry);
        return;
    }
    // A location needs the cast even of a name declared only as it is
    // printed (MEMORY).
    if (source.loc_flag || (source_entry && is_pointer(source_entry->type_code)))
        ctx.output.print(ss_number_cast(ctx, target));
}

item_casts ss_value_casts(Context& ctx, const sym_entry& target, const exp_list& list,
                          exp_list::const_iterator first) {
    item_casts casts;
    // An address plus a number given to a pointer to wider data counts
    // bytes, as a BYTE pointer does, before it takes the pointer's type.
    const bool typed_pointer = is_pointer(target.type_code) && target.pointee_type != type_code::byte_type &&
                               !(target.pointee_type == type_code::structure_type &&
                                 target.structure_type_name.empty());
    if (typed_pointer && first != list.end() && is_offset_sum(ctx, list, first)) {
        casts.first = pointer_type_cast(ctx, target) + "(";
        // (Appended, not assigned: GCC 12 at -O2 takes the assignment of a
        // one-character literal for an overlapping copy.)
        casts.close.push_back(')');
        return casts;
    }
    {
        OutputCapture capture(ctx.output, casts.first);
        ss_print_value_cast(ctx, target, list, first);
    }
    if (is_whole_number(target.type_code) && is_plain_arithmetic(list, first))
        casts.later_locations = ss_number_cast(ctx, target);
    return casts;
}

std::vector<item_casts> ss_initial_pointer_casts(Context& ctx, const sym_entry& target, const exp_list& values) {
    std::vector<item_casts> casts;
    if (!is_pointer(target.type_code)) return casts;
    for (exp_list::const_iterator start : ee_item_starts(values, values.size())) {
        if (is_foreign_location(ctx, target, *start) || is_offset_sum(ctx, values, start))
            casts.push_back(ss_value_casts(ctx, target, values, start));
        else
            casts.emplace_back();
    }
    return casts;
}

std::string ss_pointer_result_cast(Context& ctx, const exp_node& value) {
    const sym_entry* entry = value.kind == exp_identifier ? ctx.symbols.h_lookup(value.name) : nullptr;
    const bool procedure = entry && is_procedure(*entry) && value.loc_flag == 1;
    return procedure ? "(POINTER)(unsigned long)" : "(POINTER)";
}

std::string ss_number_cast_of(Context& ctx, const exp_node& target) {
    if (target.kind != exp_identifier) return {};
    const sym_entry* entry = e_node_entry(ctx, target);
    if (!entry || !is_whole_number(entry->type_code)) return {};
    return ss_number_cast(ctx, *entry);
}

void ss_print_value(Context& ctx, const sym_entry& target, exp_list& list) {
    ee_print_items(ctx, list, ee_value, {ss_value_casts(ctx, target, list, list.cbegin())});
}

void ss_print_arguments(Context& ctx, exp_list& args, const std::vector<sym_entry>& parameters) {
    // The casts are chosen by each argument's nodes as written, before the
    // printer rewrites the list for the truth rules.
    std::vector<item_casts> casts;
    for (exp_list::const_iterator first : ee_item_starts(args, parameters.size()))
        casts.push_back(ss_value_casts(ctx, parameters[casts.size()], args, first));
    ee_print_items(ctx, args, ee_value, casts);
}

} // namespace xlatr
