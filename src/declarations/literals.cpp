#include "declarations/literals.h"

#include "declarations/symbols.h"
#include "driver/context.h"
#include "support/messages.h"
#include "translate/expressions.h"

#include <memory>

namespace xlatr {

namespace {

constexpr int no_such_case = 5;

// Prints the value of a numeric constant and records in its entry what the
// expression printer later needs: whether it is real, and whether it is
// negative as a 16-bit signed number.
void print_constant_value(Context& ctx, sym_entry& entry, const value_node& value) {
    switch (value.kind) {
    case val_binary:
    case val_octal:
    case val_decimal:
    case val_hex:
        if (is_negative_word(value.number)) entry.flag = 1;
        entry.constant_value = static_cast<long>(value.number);
        [[fallthrough]];
    case val_character:
        ee_print_num_val(ctx, value);
        ctx.output.print("\n");
        break;
    case val_real:
        entry.pointee_type = type_code::real_type;
        ee_print_num_val(ctx, value);
        ctx.output.print("\n");
        break;
    case val_string:
        ctx.output.printf("\"%s\"\n", value.text.c_str());
        break;
    default:
        ctx.messages.log_printf("%s: INTERNAL - d_literal_numeric has no case for value kind %d in line %d\n",
                                ctx.message_file(), value.kind, ctx.s_current_line());
        s_error(ctx, no_such_case);
        break;
    }
}

} // namespace

void d_literal_numeric(Context& ctx, std::string name, value_node value) {
    ctx.remarks.r_flush_remarks();
    sym_entry* entry = ctx.symbols.h_insert_const(name);
    if (!entry) {
        // Without a scope to insert into, the insertion has already been
        // reported; otherwise the name is taken in the current scope.
        if (ctx.symbols.h_lookup(name)) s_warn_const_redefined(ctx, name);
        return;
    }
    ctx.output.printf("\n#define\t%s\t", entry->access_path.c_str());
    entry->pointee_type = type_code::word_type;
    entry->flag = 0;
    print_constant_value(ctx, *entry, value);
}

void d_set_literal_ignor(Context& ctx, std::string name) {
    if (sym_entry* entry = ctx.symbols.h_lookup(name)) {
        if (entry->usage == usage::literal) entry->text.clear();
        entry->usage = usage::ignored_literal;
        return;
    }
    auto created = std::make_unique<sym_entry>();
    created->name = std::move(name);
    created->type_code = type_code::struct_literal_type;
    created->usage = usage::ignored_literal;
    // The name is in no scope, so only a missing scope (already reported) can
    // refuse it.
    ctx.symbols.h_insert(created);
}

} // namespace xlatr
