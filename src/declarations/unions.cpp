#include "declarations/unions.h"

#include "declarations/emission.h"
#include "declarations/symbols.h"
#include "driver/context.h"
#include "support/messages.h"
#include "support/strings.h"
#include "translate/builtin_variables.h"
#include "translate/procedures.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace xlatr {

namespace {

constexpr int software_error = 9;
constexpr int at_not_translated = 11;
constexpr int at_not_declared = 12;
constexpr int at_and_based = 14;
constexpr int at_with_initialization = 16;
constexpr int union_parameter_array = 29;

// An identifier node that stands for the size of a builtin.h type; its text
// is the type name with its trailing blank, as declarations print it.
exp_list size_leaf(const char* type_text) {
    exp_list leaf = e_get_id(type_text, {});
    leaf.front().size_flag = 1;
    return leaf;
}

exp_list type_size(Context& ctx, type_code code) {
    switch (code) {
    case type_code::byte_type:
        return size_leaf("BYTE ");
    case type_code::word_type:
        return size_leaf("WORD ");
    case type_code::dword_type:
        return size_leaf("DWORD ");
    case type_code::integer_type:
        return size_leaf("INTEGER ");
    case type_code::real_type:
        return size_leaf("REAL ");
    case type_code::pointer_type:
    case type_code::pointer2_type:
        return size_leaf("POINTER ");
    case type_code::literal_type:
    case type_code::struct_literal_type:
        s_error(ctx, at_not_translated);
        return {};
    default:
        s_error(ctx, software_error);
        return {};
    }
}

// The member list of a structure variable: that of its named type, else
// that of its own type record.
const struct_spec_list* structure_members(Context& ctx, const sym_entry& entry) {
    if (!entry.structure_type_name.empty()) {
        const sym_entry* type = ctx.symbols.h_lookup(entry.structure_type_name);
        if (type && type->usage == usage::structure_type && type->type) return &type->type->members;
    }
    return entry.type ? &entry.type->members : nullptr;
}

// The size of `names` members of one element: the type size times the
// number of names and the dimension. The type size stays the left factor,
// so that a filler can print the rest of the product as its dimension.
exp_list element_size(Context& ctx, const struct_spec& element, std::size_t names) {
    exp_list factor;
    if (names > 1) factor = e_get_word_const(ctx, val_decimal, static_cast<std::uint32_t>(names));
    if (element.dimension && element.dimension->kind == explicit_dimension) {
        exp_list dimension = e_copy_expr(element.dimension->dimension);
        factor = factor.empty() ? std::move(dimension) : e_mult_exp(std::move(factor), std::move(dimension));
    }
    exp_list size = type_size(ctx, element.type_code);
    return factor.empty() ? size : e_mult_exp(std::move(size), std::move(factor));
}

exp_list structure_size(Context& ctx, const sym_entry& entry) {
    exp_list size;
    if (const struct_spec_list* members = structure_members(ctx, entry))
        for (const struct_spec& element : *members)
            size = e_add_exp(std::move(size), element_size(ctx, element, element.names.size()));
    return size;
}

bool is_simple_address(const exp_list& at) {
    return at.size() == 1 && at.front().kind == exp_identifier && at.front().loc_flag == 1;
}

bool has_initial_values(const sym_entry& entry) {
    return entry.attributes && !entry.attributes->values.empty();
}

union_desc* find_union(Context& ctx, std::string_view name) {
    union_list& unions = current_unions(ctx);
    auto desc =
        std::find_if(unions.begin(), unions.end(), [&](const union_desc& u) { return u.name == name; });
    return desc == unions.end() ? nullptr : &*desc;
}

// The entry joins the union of its target, which is built around the target
// when it has none yet.
bool join_union(Context& ctx, sym_entry& entry, sym_entry& target) {
    if (!target.union_name.empty()) {
        entry.union_name = target.union_name;
        return dd_keep_union_mem(ctx, entry.union_name, entry.name);
    }
    d_move_remark_forward(ctx, target);
    if (target.flag == 1) d_keep_un_func_parm(ctx, target.name);
    // The target is declared inside the union instead.
    ctx.declarations.dd_set_id_pending(target.name, printed_or_skipped);
    target.union_name = str_num_cat("Un", ctx.unions.next_union_number());
    target.offset.clear();
    target.access_path = target.union_name + "." + target.name;
    entry.union_name = target.union_name;
    return dd_open_union(ctx, target.union_name) && dd_keep_union_mem(ctx, target.union_name, target.name) &&
           dd_keep_union_mem(ctx, target.union_name, entry.name);
}

// A subscript that is the constant 0, in parentheses or not.
bool is_zero(const exp_list& subscript) {
    auto first = subscript.begin();
    auto last = subscript.end();
    while (std::distance(first, last) > 2 && e_is_group_open(*first) && e_is_group_close(*std::prev(last))) {
        ++first;
        --last;
    }
    return std::distance(first, last) == 1 && first->kind == exp_constant &&
           is_whole_kind(first->value.kind) && first->value.number == 0;
}

// The bytes before element `subscript` of elements of `size`: none for
// element 0, which would otherwise print as a filler of no bytes, no C.
exp_list elements_before(Context& ctx, exp_list size, const exp_list& subscript) {
    if (is_zero(subscript)) return {};
    return e_mult_exp(std::move(size), dd_copy_un_offset(ctx, subscript));
}

// The byte offset of the address `ref` inside the target's union, or from a
// view's address: the target's own offset, the element, then the member and
// its element.
exp_list address_offset(Context& ctx, const sym_entry& target, const exp_node& ref) {
    exp_list offset = dd_copy_un_offset(ctx, target.offset);
    if (!ref.args.empty())
        offset = e_add_exp(std::move(offset), elements_before(ctx, dd_calc_fld_size(ctx, target), ref.args));
    if (ref.member.empty()) return offset;
    exp_list member = dd_calc_mem_offset(ctx, ref.member, target);
    if (!ref.member_args.empty())
        member =
            e_add_exp(std::move(member),
                      elements_before(ctx, dd_calc_mem_fld_size(ctx, ref.member, target), ref.member_args));
    return e_add_exp(std::move(offset), std::move(member));
}

void set_access_path(Context& ctx, sym_entry& entry) {
    if (entry.offset.empty()) {
        entry.access_path = entry.union_name + "." + entry.name;
        return;
    }
    entry.text = str_num_cat("St", ctx.unions.next_structure_number());
    entry.access_path = entry.union_name + "." + entry.text + "." + entry.name;
}

using node_iter = exp_list::const_iterator;

// The first node of [from, to) outside any parenthesis that is the operator
// `op`, or `to`.
node_iter find_top_level(node_iter from, node_iter to, int op) {
    int depth = 0;
    for (node_iter node = from; node != to; ++node) {
        if (e_is_group_open(*node)) ++depth;
        if (e_is_group_close(*node)) --depth;
        if (depth == 0 && node->kind == exp_operator && node->op == op) return node;
    }
    return to;
}

// One filler per term of the offset: an array of the term's type that is
// as long as the rest of the term after its "*", or one element of it.
void print_filler(Context& ctx, node_iter from, node_iter to, int& filler_number) {
    node_iter leaf = from;
    while (leaf != to && e_is_group_open(*leaf))
        ++leaf;
    if (leaf == to || leaf->kind != exp_identifier || leaf->size_flag != 1) return;
    ctx.output.o_indent();
    ctx.output.printf("%s\t%s", leaf->name.c_str(), str_num_cat("Offset", ++filler_number).c_str());
    node_iter star = find_top_level(from, to, op_times);
    if (star != to) {
        exp_list rest;
        for (node_iter node = std::next(star); node != to; ++node)
            rest.push_back(*node);
        ctx.output.print("[");
        ee_print_exp(ctx, rest, ee_value);
        ctx.output.print("]");
    }
    ctx.output.print(";\n");
}

void print_fillers(Context& ctx, const exp_list& offset) {
    int filler_number = 0;
    node_iter term = offset.begin();
    while (term != offset.end()) {
        node_iter plus = find_top_level(term, offset.end(), op_plus);
        print_filler(ctx, term, plus, filler_number);
        term = plus == offset.end() ? plus : std::next(plus);
    }
}

// A member at a non-zero offset: its own structure, whose fillers come first.
bool print_offset_member(Context& ctx, sym_entry& entry) {
    if (entry.attributes) ctx.remarks.r_flush_and_clear_remarks(entry.attributes->remark);
    ctx.output.print("\n");
    ctx.output.o_indent();
    ctx.output.print("struct {\n");
    ctx.output.o_indent_in();
    print_fillers(ctx, entry.offset);
    const bool ok = dd_flush_single_dec_line(ctx, entry.name, true, true) != dec_not_found;
    ctx.output.o_indent_out();
    ctx.output.o_indent();
    ctx.output.printf("} %s;\n", entry.text.c_str());
    entry.text.clear();
    return ok;
}

// The C type a view of a variable's memory is cast to.
std::string view_type(Context& ctx, const sym_entry& entry) {
    if (entry.type_code == type_code::structure_type) return entry.structure_type_name;
    std::string text;
    {
        OutputCapture capture(ctx.output, text);
        if (entry.usage == usage::pointer_scalar) {
            dd_basic_type_dec(ctx, entry.pointee_type);
            ctx.output.print("*");
        } else {
            dd_basic_type_dec(ctx, entry.type_code);
        }
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string printed(Context& ctx, const exp_list& expr) {
    std::string text;
    OutputCapture capture(ctx.output, text);
    exp_list copy = e_copy_expr(expr);
    ee_print_exp(ctx, copy, ee_value);
    return text;
}

// A union can only be built around a variable of the same scope whose
// storage this module owns. A variable placed AT an EXTERNAL variable, or at
// one of an enclosing scope, is instead a view of the target's memory: it is
// not declared, and every use reads that memory through a cast of its
// address, (*(WORD *)&(y)) for a scalar, ((BYTE *)y) for an array. A
// variable placed AT a view is a view of the same memory, at the sum of the
// offsets, counted in bytes from that address:
// (*(BYTE *)((BYTE *)&(y) + sizeof(WORD ))).
bool place_as_view(Context& ctx, sym_entry& entry, const exp_list& at, const sym_entry& target) {
    if (!target.view_address.empty()) {
        entry.view_address = target.view_address;
        entry.offset = address_offset(ctx, target, at.front());
    } else {
        const bool outer = ctx.symbols.h_lookup_local(at.front().name) == nullptr;
        if (target.scope != scope_code::external_scope && !outer) return false;
        entry.view_address = printed(ctx, at);
    }
    std::string address = entry.view_address;
    if (!entry.offset.empty()) address = "((BYTE *)" + address + " + " + printed(ctx, entry.offset) + ")";
    const std::string type = view_type(ctx, entry);
    const bool array = entry.usage == usage::array_variable || entry.array_spec.has_value();
    entry.access_path = array ? "((" + type + " *)" + address + ")" : "(*(" + type + " *)" + address + ")";
    return true;
}

} // namespace

union_list& current_unions(Context& ctx) {
    return ctx.blocks.b_in_procedure() ? ctx.unions.procedure_unions : ctx.unions.module_unions;
}

bool dd_set_union_attr(Context& ctx, sym_entry& entry, const exp_list& at) {
    entry.union_name.clear();
    entry.offset.clear();
    entry.view_address.clear();
    if (at.empty()) {
        ctx.declarations.dd_keep_id_name(entry.name);
        return true;
    }
    if (!is_simple_address(at)) {
        s_error(ctx, at_not_translated);
        ctx.declarations.dd_keep_id_name(entry.name);
        return true;
    }
    // A variable with values is left out of the union, and out of the
    // declarations too: the run has failed.
    if (has_initial_values(entry)) {
        s_error(ctx, at_with_initialization);
        set_access_path(ctx, entry);
        return true;
    }
    if (!entry.base_name.empty()) {
        s_error(ctx, at_and_based);
        ctx.declarations.dd_keep_id_name(entry.name);
        return true;
    }
    if (entry.flag == 1) {
        // Still printed in the parameter list, but not again as a local.
        ctx.declarations.dd_keep_id_name(entry.name);
        ctx.declarations.dd_set_id_pending(entry.name, printed_or_skipped);
        d_keep_un_func_parm(ctx, entry.name);
        if (entry.usage == usage::array_variable) s_error(ctx, union_parameter_array);
    }
    const exp_node& ref = at.front();
    sym_entry* target = ctx.symbols.h_lookup(ref.name);
    if (!target) target = blt_declare_variable(ctx, ref.name);
    if (!target) {
        s_error(ctx, at_not_declared);
        return false;
    }
    if (place_as_view(ctx, entry, at, *target)) return true;
    if (!join_union(ctx, entry, *target)) return false;
    entry.offset = address_offset(ctx, *target, ref);
    set_access_path(ctx, entry);
    return true;
}

bool dd_open_union(Context& ctx, std::string_view name) {
    if (find_union(ctx, name)) return false;
    current_unions(ctx).emplace_back().name = name;
    return true;
}

bool dd_keep_union_mem(Context& ctx, std::string_view union_name, std::string_view member) {
    union_desc* desc = find_union(ctx, union_name);
    if (!desc) return false;
    desc->members.emplace_back(member);
    return true;
}

bool d_flush_unions(Context& ctx) {
    bool ok = true;
    for (union_desc& desc : current_unions(ctx)) {
        if (dd_flush_single_union(ctx, desc)) continue;
        s_error(ctx, software_error);
        ok = false;
    }
    return ok;
}

bool dd_flush_single_union(Context& ctx, union_desc& desc) {
    ctx.output.print("\n");
    ctx.output.o_indent();
    dd_update_public(ctx, desc);
    // The locals of a procedure that is not REENTRANT keep their values
    // between calls, those that share a union too. A union of module
    // variables that no PUBLIC variable names belongs to its module alone:
    // with external linkage, the Un1 of two modules linked together clash.
    // Initial values are set once, also in a REENTRANT procedure or in a
    // block of the main program.
    sym_entry* target = desc.members.empty() ? nullptr : ctx.symbols.h_lookup(desc.members.front());
    const bool initialised = target && has_initial_values(*target);
    const bool in_procedure = ctx.blocks.b_in_procedure();
    const bool file_scope = !in_procedure && ctx.statements.main_pending;
    const bool is_static =
        file_scope ? !desc.is_public : initialised || (in_procedure && !p_in_reentrant(ctx));
    ctx.output.print(is_static ? "static union {\n" : "union {\n");
    ctx.output.o_indent_in();
    bool ok = true;
    for (const std::string& member : desc.members) {
        sym_entry* entry = ctx.symbols.h_lookup(member);
        if (!entry) continue;
        const bool printed = entry->offset.empty()
                                 ? dd_flush_single_dec_line(ctx, member, true, true) != dec_not_found
                                 : print_offset_member(ctx, *entry);
        if (printed) continue;
        s_error(ctx, software_error);
        ok = false;
    }
    ctx.output.o_indent_out();
    ctx.output.o_indent();
    ctx.output.printf("} %s", desc.name.c_str());
    if (target) dd_init_union(ctx, *target);
    ctx.output.print(";\n");
    return ok;
}

bool dd_initialises_union(Context& ctx, const sym_entry& entry) {
    const union_desc* desc = find_union(ctx, entry.union_name);
    return desc && !desc->members.empty() && desc->members.front() == entry.name;
}

void dd_update_public(Context& ctx, union_desc& desc) {
    if (desc.is_public) return;
    auto is_public = [&](const std::string& member) {
        const sym_entry* entry = ctx.symbols.h_lookup(member);
        return entry && entry->scope == scope_code::public_scope;
    };
    auto found = std::find_if(desc.members.begin(), desc.members.end(), is_public);
    if (found == desc.members.end()) return;
    desc.is_public = true;
    desc.name = "Un_" + *found;
    for (const std::string& member : desc.members) {
        sym_entry* entry = ctx.symbols.h_lookup(member);
        if (!entry) continue;
        entry->union_name = desc.name;
        entry->access_path =
            entry->text.empty() ? desc.name + "." + member : desc.name + "." + entry->text + "." + member;
    }
}

void d_update_public_un(Context& ctx, std::string_view union_name) {
    if (union_desc* desc = find_union(ctx, union_name)) dd_update_public(ctx, *desc);
}

void d_keep_un_func_parm(Context& ctx, std::string_view name) {
    ctx.unions.un_func_parms.emplace_back(name);
}

void dd_flush_un_func_parms(Context& ctx) {
    for (const std::string& name : ctx.unions.un_func_parms) {
        ctx.output.o_indent();
        s_trnslt_var(ctx, name);
        ctx.output.printf(" = %s;\n", name.c_str());
    }
    dd_free_un_func_list(ctx);
}

void dd_free_un_func_list(Context& ctx) {
    ctx.unions.un_func_parms.clear();
}

void d_move_remark_forward(Context& ctx, sym_entry& target) {
    if (!target.attributes || target.attributes->remark.empty()) return;
    std::vector<kept_id>& pending = ctx.declarations.pending();
    auto is_ordinary = [](const kept_id& id) { return id.pending == ordinary_pending; };
    auto own = std::find_if(pending.begin(), pending.end(),
                            [&](const kept_id& id) { return id.name == target.name && is_ordinary(id); });
    if (own == pending.end()) return;
    for (auto later = std::next(own); later != pending.end(); ++later) {
        if (!is_ordinary(*later)) continue;
        sym_entry* next = ctx.symbols.h_lookup(later->name);
        if (!next || !next->attributes) continue;
        remark_list joined = std::move(target.attributes->remark);
        joined.append(std::move(next->attributes->remark));
        next->attributes->remark = std::move(joined);
        target.attributes->remark = {};
        return;
    }
    ctx.remarks.r_move_forward(target.attributes->remark);
}

exp_list dd_calc_fld_size(Context& ctx, const sym_entry& entry) {
    if (entry.type_code == type_code::structure_type) return structure_size(ctx, entry);
    return type_size(ctx, entry.type_code);
}

exp_list dd_calc_mem_fld_size(Context& ctx, std::string_view member, const sym_entry& entry) {
    const sym_entry* found = ctx.symbols.h_lookup(entry.name + "." + std::string(member));
    if (!found) return {};
    return dd_calc_fld_size(ctx, *found);
}

exp_list dd_calc_mem_offset(Context& ctx, std::string_view member, const sym_entry& entry) {
    exp_list offset;
    const struct_spec_list* members = structure_members(ctx, entry);
    if (!members) return offset;
    for (const struct_spec& element : *members) {
        for (const std::string& name : element.names) {
            if (name == member) return offset;
            offset = e_add_exp(std::move(offset), element_size(ctx, element, 1));
        }
    }
    return offset;
}

exp_list dd_copy_un_offset(Context& ctx, const exp_list& expr) {
    exp_list copy;
    for (const exp_node& node : expr) {
        switch (node.kind) {
        case exp_operator:
            copy.push_back(e_get_op(node.op).front());
            break;
        case exp_constant:
            if (!is_whole_kind(node.value.kind)) {
                s_error(ctx, at_not_translated);
                return {};
            }
            copy.push_back(e_create_const(node.value).front());
            break;
        case exp_identifier: {
            if (!node.args.empty() || !node.member.empty()) s_error(ctx, at_not_translated);
            exp_node& id = copy.emplace_back(e_get_id(node.name, {}).front());
            id.size_flag = node.size_flag;
            break;
        }
        default:
            s_error(ctx, at_not_translated);
            return {};
        }
    }
    return copy;
}

} // namespace xlatr
