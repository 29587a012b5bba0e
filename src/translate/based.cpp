// BASED variables have no storage of their own: every use means the memory
// their base pointer addresses. The C name of every declared variable is
// printed here, a BASED one as a dereference of its pointer, with a cast
// when the pointer was declared for another type.
#include "declarations/emission.h"
#include "declarations/symbols.h"
#include "driver/context.h"
#include "translate/casts.h"
#include "translate/expressions.h"

namespace xlatr {

namespace {

bool is_based(const sym_entry& entry) {
    return !entry.base_name.empty();
}

// The type a cast to the variable's own pointer type names: "BYTE    *".
void print_pointer_cast_type(Context& ctx, const sym_entry& entry) {
    dd_basic_type_dec(ctx, entry.type_code);
    ctx.output.printf(" %s  *", ss_mem_space(ctx, entry).c_str());
}

// Whether the base is a pointer to the variable's own type, which needs no
// cast. A WORD base (a location kept in an integer) always gets one, and so
// does a structure member: a POINTER member is a plain (signed) char
// pointer, through which a BYTE would read negative.
bool same_pointee(const sym_entry* pointer, const sym_entry& entry) {
    return pointer && is_pointer(pointer->type_code) && pointer->pointee_type == entry.type_code &&
           !s_based_on_member(entry);
}

void s_handle_strct_based(Context& ctx, const sym_entry& entry) {
    const sym_entry* pointer = ctx.symbols.h_lookup(entry.base_name);
    const std::string base = s_get_base_name(ctx, entry.base_name);
    if (same_pointee(pointer, entry) && pointer->structure_type_name == entry.structure_type_name) {
        ctx.output.print(base);
        return;
    }
    ctx.output.printf("((%s *)%s)", entry.structure_type_name.c_str(), base.c_str());
}

void s_handle_array_simple_based(Context& ctx, const sym_entry& entry) {
    const std::string base = s_get_base_name(ctx, entry.base_name);
    if (same_pointee(ctx.symbols.h_lookup(entry.base_name), entry)) {
        ctx.output.print(base);
        return;
    }
    ctx.output.print("((");
    print_pointer_cast_type(ctx, entry);
    ctx.output.printf(")%s)", base.c_str());
}

void s_handle_simple_based(Context& ctx, const sym_entry& entry) {
    const std::string base = s_get_base_name(ctx, entry.base_name);
    if (same_pointee(ctx.symbols.h_lookup(entry.base_name), entry)) {
        ctx.output.printf("*%s", base.c_str());
        return;
    }
    ctx.output.print("*((");
    print_pointer_cast_type(ctx, entry);
    ctx.output.printf(")%s)", base.c_str());
}

// A BASED structure, or array of structures: through the pointer, or as the
// assignment (x=p) when the structure has no type name to cast to.
void print_based_structure(Context& ctx, const sym_entry& entry) {
    if (entry.type_code != type_code::structure_type) return;
    if (entry.structure_type_name.empty()) {
        ctx.output.printf("(%s=%s)", s_access_name(entry).c_str(), entry.base_name.c_str());
        return;
    }
    s_handle_strct_based(ctx, entry);
}

} // namespace

bool s_based_on_member(const sym_entry& entry) {
    return entry.base_name.find('.') != std::string::npos;
}

std::string s_get_base_name(Context& ctx, const std::string& name) {
    const sym_entry* pointer = ctx.symbols.h_lookup(name);
    if (!pointer) return name;
    const std::string& text = s_access_name(*pointer);
    const std::size_t dot = text.find_last_of('.');
    const std::string member = dot == std::string::npos ? text : text.substr(dot + 1);
    const std::size_t owner_end = name.find('.');
    const sym_entry* structure =
        owner_end == std::string::npos ? nullptr : ctx.symbols.h_lookup(name.substr(0, owner_end));
    if (structure && is_based(*structure) && structure->usage == usage::structure_variable) {
        std::string through;
        {
            OutputCapture capture(ctx.output, through);
            s_trnslt_entry(ctx, *structure);
        }
        return through + "->" + member;
    }
    if (pointer->owner.empty()) return text;
    const sym_entry* owner = ctx.symbols.h_lookup(pointer->owner);
    if (!owner) return text;
    return s_access_name(*owner) + "." + member;
}

const std::string& s_access_name(const sym_entry& entry) {
    return entry.access_path.empty() ? entry.name : entry.access_path;
}

int s_trnslt_var(Context& ctx, const std::string& name) {
    const sym_entry* entry = ctx.symbols.h_lookup(name);
    if (entry == nullptr) return 0;
    s_trnslt_entry(ctx, *entry);
    return 1;
}

void s_trnslt_entry(Context& ctx, const sym_entry& found) {
    const sym_entry* entry = &found;
    switch (entry->usage) {
    case usage::array_variable:
        if (!is_based(*entry))
            ctx.output.print(s_access_name(*entry));
        else if (entry->type_code == type_code::structure_type)
            print_based_structure(ctx, *entry);
        else
            s_handle_array_simple_based(ctx, *entry);
        break;
    case usage::structure_variable:
        if (!is_based(*entry))
            ctx.output.print(s_access_name(*entry));
        else
            print_based_structure(ctx, *entry);
        break;
    case usage::pointer_scalar:
    case usage::scalar:
        if (!is_based(*entry))
            ctx.output.print(s_access_name(*entry));
        else
            s_handle_simple_based(ctx, *entry);
        break;
    case usage::procedure:
    case usage::typed_procedure:
    case usage::ignored_literal:
    case usage::constant:
    case usage::label:
    case usage::directive_switch:
        ctx.output.print(s_access_name(*entry));
        break;
    default:
        break;
    }
}

} // namespace xlatr
