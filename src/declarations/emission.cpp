#include "declarations/emission.h"

#include "declarations/symbols.h"
#include "declarations/unions.h"
#include "driver/context.h"
#include "support/messages.h"
#include "support/strings.h"
#include "translate/casts.h"
#include "translate/labels.h"
#include "translate/procedures.h"

#include <algorithm>
#include <string>
#include <utility>

namespace xlatr {

namespace {

constexpr int no_such_case = 5;
constexpr int software_error = 9;

bool has_sign(int pending, int sign) {
    return (sign > 0 && pending > 0) || (sign < 0 && pending < 0);
}

void print(Context& ctx, std::string_view text) {
    ctx.output.print(text);
}

// A code outside the cases of a printing piece: the piece is left out.
void no_case(Context& ctx, const char* routine, int code) {
    ctx.messages.log_printf("%s: INTERNAL - %s has no case for %d in line %d\n", ctx.message_file(), routine,
                            code, ctx.s_current_line());
    s_error(ctx, no_such_case);
}

// The ordinary declarations of the scope, then its unions, then a blank line
// when either printed anything. The lists are released also when a
// declaration could not be printed: that has been reported, and every later
// flush of the scope would only report it again.
bool flush_declarations_and_unions(Context& ctx, union_list& unions) {
    const bool declared = dd_flush_simple_dec(ctx, ordinary_pending);
    const bool united = d_flush_unions(ctx);
    if (!unions.empty() || !ctx.declarations.pending().empty()) print(ctx, "\n");
    ctx.declarations.release_pending();
    unions.clear();
    return declared && united;
}

// The first flush inside a procedure prints the function's opening text and
// completes its header before the local declarations; the function then
// starts by copying the parameters that live in a union into it.
bool flush_procedure_declarations(Context& ctx) {
    ctx.remarks.r_flush_header_remarks();
    p_func_parms(ctx);
    const bool ok = flush_declarations_and_unions(ctx, ctx.unions.procedure_unions);
    dd_store_local_locations(ctx);
    dd_flush_un_func_parms(ctx);
    p_copy_lifted_params(ctx);
    lb_note_function_entry(ctx);
    return ok;
}

bool flush_module_declarations(Context& ctx) {
    const bool ok = flush_declarations_and_unions(ctx, ctx.unions.module_unions);
    if (!ctx.blocks.b_top_is_module()) dd_store_local_locations(ctx);
    return ok;
}

// The entry whose type and attributes an entry without records of its own
// borrows: that of the nearest earlier pending name that opened a group.
const sym_entry* group_opener(Context& ctx, std::string_view name) {
    const std::vector<kept_id>& pending = ctx.declarations.pending();
    auto node = std::find_if(pending.begin(), pending.end(),
                             [&](const kept_id& id) { return same_plm_name(id.name, name); });
    while (node != pending.begin()) {
        --node;
        if (node->group_count <= 0) continue;
        const sym_entry* opener = ctx.symbols.h_lookup(node->name);
        return opener && opener->type ? opener : nullptr;
    }
    return nullptr;
}

bool is_procedure_parameter(Context& ctx, std::string_view name) {
    const sym_entry* entry = ctx.symbols.h_lookup(name);
    return entry && entry->flag == 1;
}

// Storage class and type of a declaration that starts here; false when the
// entry has no type to print.
bool print_type_part(Context& ctx, const sym_entry& entry, bool in_union) {
    const sym_entry* source = entry.type ? &entry : group_opener(ctx, entry.name);
    if (!source) return false;
    const loc_var_attr* attrs = source->attributes ? &*source->attributes : nullptr;
    // A union member has no storage class of its own (its values are not
    // printed there either).
    dd_extern_dec(ctx, attrs, !in_union && entry.flag != 1, !in_union && attrs && !attrs->values.empty());
    if (entry.type_code == type_code::structure_type && !entry.structure_type_name.empty())
        ctx.output.printf("%s %s ", entry.structure_type_name.c_str(), dd_mem_space(ctx, entry.memory_space));
    else
        dd_type_dec(ctx, entry, &*source->type);
    return true;
}

} // namespace

// ------------------------------------------------------------ pending list

void Declarations::dd_keep_id_name(std::string_view name) {
    kept_id& id = pending_.emplace_back();
    id.name = name;
}

void Declarations::dd_set_id_pending(std::string_view name, int value) {
    if (kept_id* id = find(name)) id->pending = value;
}

kept_id* Declarations::find(std::string_view name) {
    auto id = std::find_if(pending_.begin(), pending_.end(),
                           [&](const kept_id& node) { return same_plm_name(node.name, name); });
    return id == pending_.end() ? nullptr : &*id;
}

void dd_set_id_num_of_mem(Context& ctx, std::string_view first, int count) {
    std::vector<kept_id>& pending = ctx.declarations.pending();
    auto start = std::find_if(pending.begin(), pending.end(),
                              [&](const kept_id& id) { return same_plm_name(id.name, first); });
    if (start == pending.end() || count <= 0) return;
    auto end = start + std::min<std::ptrdiff_t>(count, pending.end() - start);
    // Parameters print with the parameter list, never in a group: they move
    // in front of the other names, keeping their order.
    auto members = std::stable_partition(
        start, end, [&](const kept_id& id) { return is_procedure_parameter(ctx, id.name); });
    for (auto id = start; id != end; ++id)
        id->group_count = 0;
    if (members != end) members->group_count = static_cast<int>(end - members);
}

// ---------------------------------------------------------------- flushing

bool d_flush_declarations(Context& ctx) {
    const bool ok =
        ctx.blocks.b_in_procedure() ? flush_procedure_declarations(ctx) : flush_module_declarations(ctx);
    ctx.remarks.r_flush_remarks();
    return ok;
}

void dd_discard_pending(Context& ctx) {
    ctx.unions.procedure_unions.clear();
    ctx.declarations.release_pending();
    dd_free_un_func_list(ctx);
}

bool dd_flush_simple_dec(Context& ctx, int sign) {
    bool ok = true;
    int remaining = 0;    // names of the current group still to come
    bool newline = true;  // the next name starts a line of its own
    bool printed = false; // something of the current group was printed
    for (std::size_t i = 0; i < ctx.declarations.pending().size(); ++i) {
        kept_id& id = ctx.declarations.pending()[i];
        int result = dec_not_declared;
        if (has_sign(id.pending, sign)) {
            id.pending = printed_or_skipped;
            const int group_count = id.group_count;
            const std::string name = id.name;
            if (remaining == 0) printed = false;
            result = dd_flush_single_dec(ctx, name, newline, remaining > 0, false);
            if (result == dec_not_found) {
                s_error(ctx, software_error);
                ok = false;
            }
            if (group_count > 0) {
                remaining = group_count;
                printed = false;
            }
        }
        if (result != dec_not_declared) {
            printed = true;
            if (remaining > 1) {
                newline = false;
                --remaining;
                continue;
            }
            print(ctx, ";\n");
            newline = true;
            remaining = 0;
            continue;
        }
        if (remaining == 1 && printed) {
            print(ctx, ";\n");
            newline = true;
        }
        if (remaining > 0) --remaining;
    }
    // A group cut short (a name of it was declared twice) still ends its
    // declaration.
    if (remaining > 0 && printed) print(ctx, ";\n");
    return ok;
}

bool dd_flush_Ansi_params(Context& ctx, int sign, int count, const name_list& parameters) {
    ctx.declarations.ansi_params_left = count;
    bool ok = true;
    for (const std::string& name : parameters)
        ok = dd_flush_Ansi_simple_dec(ctx, sign, name) && ok;
    return ok;
}

bool dd_flush_Ansi_simple_dec(Context& ctx, int sign, std::string_view name) {
    for (kept_id& id : ctx.declarations.pending()) {
        if (!same_plm_name(id.name, name) || !has_sign(id.pending, sign)) continue;
        id.pending = printed_or_skipped;
        const int result = dd_flush_single_dec(ctx, name, true, false, false);
        if (result == dec_not_declared) return true;
        if (--ctx.declarations.ansi_params_left > 0) print(ctx, ", ");
        if (result == dec_printed) return true;
        s_error(ctx, software_error);
        return false;
    }
    return true;
}

namespace {

// Arrays and structures are initialised in braces.
bool takes_braces(const sym_entry& entry) {
    return entry.usage == usage::array_variable || entry.usage == usage::structure_variable;
}

// Elements wider than a byte take a string of two characters as one value.
bool has_word_elements(const sym_entry& entry) {
    return is_wide_number(entry.type_code);
}

// The values of an initialiser, without " = ".
void print_initial_values(Context& ctx, loc_var_attr& attrs, bool braces, bool word_elements,
                          const std::vector<item_casts>& casts = {}) {
    if (braces) print(ctx, "{ ");
    ctx.expressions.ee_init_list_on(word_elements);
    ee_print_items(ctx, attrs.values, ee_value, casts);
    ctx.expressions.ee_init_list_off();
    if (braces) print(ctx, " }");
}

} // namespace

int dd_flush_single_dec(Context& ctx, std::string_view name, bool newline, bool continuation, bool in_union) {
    Declarations& declarations = ctx.declarations;
    if (!continuation) declarations.type_printed = false;
    sym_entry* entry = ctx.symbols.h_lookup(name);
    if (!entry) return dec_not_found;
    if (entry->attributes && !entry->attributes->remark.empty())
        ctx.remarks.r_flush_and_clear_remarks(entry->attributes->remark);
    if (!entry->base_name.empty()) return dec_not_declared;

    if (newline) ctx.output.o_indent();
    bool type_here = false;
    if (!continuation || !declarations.type_printed) {
        if (!print_type_part(ctx, *entry, in_union)) return dec_not_found;
        declarations.type_printed = true;
        type_here = true;
    }
    if (!type_here) print(ctx, ",");
    print(ctx, entry->lifted_name.empty() ? entry->name : entry->lifted_name);
    loc_var_attr* attrs = entry->attributes ? &*entry->attributes : nullptr;
    // A union member has no dimension of C's choosing: the first member's
    // (*) is the count of its initial values.
    std::optional<long> count;
    if (in_union && attrs && entry->array_spec && entry->array_spec->kind == implicit_dimension &&
        dd_initialises_union(ctx, *entry))
        count = dd_implicit_dimension(ctx, *entry, attrs->values);
    if (count)
        ctx.output.printf("[%ld]", *count);
    else
        dd_array_dec(ctx, entry->array_spec ? &*entry->array_spec : nullptr);

    if (!in_union) {
        if (attrs) {
            dd_take_initial_locations(ctx, *entry, attrs->values);
            dd_mark_word_pairs(ctx, *entry, attrs->values);
        }
        dd_init_dec(ctx, *entry, attrs);
    } else if (attrs && !attrs->values.empty() && !dd_initialises_union(ctx, *entry)) {
        ctx.messages.log_printf("%s: warning: \"%s\" initialization in a union ignored\n", ctx.message_file(),
                                entry->name.c_str());
    }
    return dec_printed;
}

void dd_flush_param_copy_dec(Context& ctx, const sym_entry& param, std::string_view copy) {
    ctx.output.o_indent();
    print(ctx, "static ");
    if (param.type_code == type_code::structure_type && !param.structure_type_name.empty())
        ctx.output.printf("%s %s ", param.structure_type_name.c_str(), dd_mem_space(ctx, param.memory_space));
    else
        dd_type_dec(ctx, param, param.type ? &*param.type : nullptr);
    print(ctx, copy);
    print(ctx, ";\n");
}

int dd_flush_single_dec_line(Context& ctx, std::string_view name, bool newline, bool in_union) {
    const int result = dd_flush_single_dec(ctx, name, newline, false, in_union);
    if (result != dec_not_declared) print(ctx, ";\n");
    return result;
}

// ---------------------------------------------------------- printing pieces

void dd_extern_dec(Context& ctx, const loc_var_attr* attrs, bool may_be_static, bool has_values) {
    if (!attrs) return;
    switch (attrs->scope) {
    case attr_external:
        print(ctx, "extern ");
        break;
    case attr_public:
        break;
    case attr_local:
        if ((may_be_static && !p_in_reentrant(ctx)) || has_values) print(ctx, "static ");
        break;
    default:
        no_case(ctx, "dd_extern_dec", attrs->scope);
        break;
    }
}

void dd_type_dec(Context& ctx, const sym_entry& entry, const var_type* type) {
    if (!type || type->kind != basic_kind) return;
    const char* space = dd_mem_space_code(ctx, entry.memory_space, entry.initialisation_kind);
    if (!is_pointer(entry.type_code)) {
        dd_basic_type_dec(ctx, type->type_code);
        ctx.output.printf(" %s ", space);
        return;
    }
    if (entry.pointee_type != type_code::structure_type) {
        dd_basic_type_dec(ctx, entry.pointee_type);
        ctx.output.printf(" %s *", space);
        return;
    }
    if (entry.structure_type_name.empty()) {
        ctx.messages.log_printf(
            "%s: INTERNAL - pointer \"%s\" addresses a structure without a type name in line %d\n",
            ctx.message_file(), entry.name.c_str(), ctx.s_current_line());
        return;
    }
    ctx.output.printf("%s %s *", entry.structure_type_name.c_str(), space);
}

void dd_basic_type_dec(Context& ctx, type_code code) {
    switch (code) {
    case type_code::byte_type:
        print(ctx, "BYTE ");
        break;
    case type_code::word_type:
        print(ctx, "WORD ");
        break;
    case type_code::dword_type:
        print(ctx, "DWORD ");
        break;
    case type_code::integer_type:
        print(ctx, "INTEGER ");
        break;
    case type_code::pointer2_type:
        print(ctx, "POINTER ");
        break;
    case type_code::real_type:
        print(ctx, "REAL ");
        break;
    case type_code::structure_type:
        break;
    case type_code::pointer_type:
        print(ctx, "POINTER ");
        break;
    case type_code::bit_type:
        print(ctx, "BIT ");
        break;
    case type_code::void_type:
        print(ctx, "void ");
        break;
    default:
        no_case(ctx, "dd_basic_type_dec", static_cast<int>(code));
        break;
    }
}

const char* dd_mem_space(const Context& ctx, int space) {
    switch (space) {
    case space_auxiliary:
        return "xdata";
    case space_main:
        return "data";
    case space_idata:
        return "idata";
    default:
        return ctx.options.plm51_flag ? "data" : "";
    }
}

const char* dd_mem_space_code(const Context& ctx, int space, int initialisation_kind) {
    if (ctx.options.c51_flag && initialisation_kind == constant_values) return "code";
    return dd_mem_space(ctx, space);
}

void dd_array_dec(Context& ctx, array_spec* dim) {
    if (!dim) return;
    switch (dim->kind) {
    case implicit_dimension:
        print(ctx, "[] ");
        break;
    case explicit_dimension:
        print(ctx, "[");
        ee_print_exp(ctx, dim->dimension, ee_value);
        print(ctx, "]");
        break;
    default:
        break;
    }
}

void dd_struct_mem_dec(Context& ctx, struct_spec_list& members) {
    ctx.output.o_indent_in();
    for (struct_spec& element : members) {
        ctx.remarks.r_flush_and_clear_remarks(element.remark);
        ctx.output.o_indent();
        dd_basic_type_dec(ctx, element.type_code);
        for (std::size_t i = 0; i < element.names.size(); ++i) {
            if (i > 0) print(ctx, ",");
            print(ctx, element.names[i]);
            dd_array_dec(ctx, element.dimension ? &*element.dimension : nullptr);
        }
        print(ctx, ";\n");
    }
    ctx.output.o_indent_out();
}

void dd_init_dec(Context& ctx, const sym_entry& entry, loc_var_attr* attrs) {
    if (!attrs || attrs->values.empty()) return;
    switch (attrs->initialisation_kind) {
    case initial_values:
    case data_values:
    case constant_values:
        print(ctx, " = ");
        print_initial_values(ctx, *attrs, takes_braces(entry), has_word_elements(entry),
                             ss_initial_pointer_casts(ctx, entry, attrs->values));
        break;
    default:
        no_case(ctx, "dd_init_dec", attrs->initialisation_kind);
        break;
    }
}

void dd_init_union(Context& ctx, sym_entry& target) {
    loc_var_attr* attrs = target.attributes ? &*target.attributes : nullptr;
    if (!attrs || attrs->values.empty()) return;
    dd_take_initial_locations(ctx, target, attrs->values);
    dd_mark_word_pairs(ctx, target, attrs->values);
    print(ctx, " = { ");
    print_initial_values(ctx, *attrs, takes_braces(target), has_word_elements(target));
    print(ctx, " }");
}

// ---------------------------------------------------------- structure types

void d_literal_struct(Context& ctx, std::string name, struct_spec_list members) {
    ctx.remarks.r_flush_pending_remarks();
    if (!members.empty()) ctx.remarks.r_flush_and_clear_remarks(members.front().remark);
    print(ctx, "\n");
    ctx.output.o_indent();
    print(ctx, "typedef struct {\n");
    dd_struct_mem_dec(ctx, members);
    ctx.output.o_indent();
    ctx.output.printf("} %s;\n", name.c_str());

    sym_entry* entry = ctx.symbols.h_lookup(name);
    if (!entry) {
        auto created = std::make_unique<sym_entry>();
        created->name = name;
        created->type_code = type_code::struct_literal_type;
        // The name was found in no scope, so only a missing scope (already
        // reported) can refuse it.
        entry = ctx.symbols.h_insert(created);
        if (!entry) return;
    }
    if (entry->usage == usage::literal) entry->text.clear();
    entry->type_code = type_code::struct_literal_type;
    entry->usage = usage::structure_type;
    var_type type;
    type.kind = structure_kind;
    type.type_code = type_code::structure_type;
    type.members = std::move(members);
    entry->type = std::move(type);
}

} // namespace xlatr
