#include "translate/builtin_variables.h"

#include "declarations/symbols.h"
#include "driver/context.h"
#include "support/strings.h"

#include <memory>
#include <string>

namespace xlatr {

namespace {

struct builtin_variable {
    std::string_view name;
    type_code code;
    bool array;
    std::string_view declaration;
};

constexpr builtin_variable builtin_variables[] = {
    {"memory", type_code::byte_type, true, "extern BYTE   memory[];\n"},
    {"stackptr", type_code::word_type, false, "extern WORD   stackptr;\n"},
    {"stackbase", type_code::word_type, false, "extern WORD   stackbase;\n"},
};

} // namespace

sym_entry* blt_declare_variable(Context& ctx, std::string_view name) {
    for (const builtin_variable& variable : builtin_variables) {
        if (!same_plm_name(variable.name, name)) continue;
        auto entry = std::make_unique<sym_entry>();
        entry->name = std::string(variable.name);
        entry->type_code = variable.code;
        entry->usage = variable.array ? usage::array_variable : usage::scalar;
        entry->scope = scope_code::external_scope;
        sym_entry* stored = ctx.symbols.h_insert_global(entry);
        if (!stored) return nullptr;
        ctx.files.temps.open("tmp_header.t", false) += variable.declaration;
        return stored;
    }
    return nullptr;
}

} // namespace xlatr
