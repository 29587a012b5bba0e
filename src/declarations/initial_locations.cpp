#include "declarations/initial_locations.h"

#include "declarations/emission.h"
#include "declarations/records.h"
#include "declarations/symbols.h"
#include "driver/context.h"
#include "support/messages.h"
#include "translate/blocks.h"
#include "translate/casts.h"
#include "translate/procedures.h"

#include <optional>

namespace xlatr {

namespace {

// One element of a variable's initial values: where it lies, as the C
// suffix that reaches it from the variable, and its type.
struct Slot {
    std::string suffix;
    type_code code = type_code::none;
};

// The elements of a variable in the order its initial values fill them: the
// elements of an array, and in each the members of a structure with their
// own elements. Empty when a dimension is not a known constant.
class Slots {
  public:
    Slots(Context& ctx, const sym_entry& entry) {
        if (entry.array_spec && entry.array_spec->kind == explicit_dimension) {
            std::optional<long> count = d_constant_value(ctx, entry.array_spec->dimension);
            if (!count) return;
            count_ = *count;
        }
        array_ = entry.array_spec && entry.array_spec->kind != no_dimension;
        if (entry.type_code != type_code::structure_type) {
            members_.push_back({"", 0, entry.type_code});
            per_element_ = 1;
            known_ = true;
            return;
        }
        const struct_spec_list* members = structure_members(ctx, entry);
        if (!members) return;
        for (const struct_spec& member : *members) {
            long dimension = 0;
            if (member.dimension && member.dimension->kind == explicit_dimension) {
                std::optional<long> count = d_constant_value(ctx, member.dimension->dimension);
                if (!count || *count <= 0) return;
                dimension = *count;
            }
            for (const std::string& name : member.names) {
                members_.push_back({"." + name, dimension, member.type_code});
                per_element_ += dimension == 0 ? 1 : dimension;
            }
        }
        known_ = per_element_ > 0;
    }

    bool known() const { return known_; }
    long per_element() const { return per_element_; }

    // The element at `position`, counted from 0; nullopt past the end.
    std::optional<Slot> at(long position) const {
        if (!known_ || (count_ && position >= *count_ * per_element_)) return std::nullopt;
        Slot slot;
        if (array_) {
            slot.suffix += "[";
            slot.suffix += std::to_string(position / per_element_);
            slot.suffix += "]";
        }
        long rest = position % per_element_;
        for (const Member& member : members_) {
            long size = member.dimension == 0 ? 1 : member.dimension;
            if (rest >= size) {
                rest -= size;
                continue;
            }
            slot.suffix += member.suffix;
            if (member.dimension > 0) {
                slot.suffix += "[";
                slot.suffix += std::to_string(rest);
                slot.suffix += "]";
            }
            slot.code = member.code;
            return slot;
        }
        return std::nullopt;
    }

  private:
    struct Member {
        std::string suffix;
        long dimension = 0; // 0: not an array
        type_code code = type_code::none;
    };

    static const struct_spec_list* structure_members(Context& ctx, const sym_entry& entry) {
        if (!entry.type || entry.type->names.empty()) return nullptr;
        const sym_entry* structure = ctx.symbols.h_lookup(entry.type->names.front());
        if (!structure || !structure->type) return nullptr;
        return &structure->type->members;
    }

    std::vector<Member> members_;
    std::optional<long> count_;
    long per_element_ = 0;
    bool array_ = false;
    bool known_ = false;
};

bool holds_location(const exp_list& item) {
    for (const exp_node& node : item)
        if (node.loc_flag && (node.kind == exp_identifier || node.kind == exp_string)) return true;
    return false;
}

// The C text of `item` stored into an element of type `code`, cast as an
// assignment casts a location.
std::string stored_value(Context& ctx, type_code code, exp_list item) {
    sym_entry element;
    element.type_code = code;
    item_casts casts;
    casts.first = ss_number_cast(ctx, element);
    casts.later_locations = casts.first;
    std::string text;
    OutputCapture capture(ctx.output, text);
    ee_print_items(ctx, item, ee_value, {casts});
    return text;
}

// Calls visit(item, slot) for each item of `values` in turn with the
// element it initialises, while there is one; `values` is rebuilt from the
// items as visit leaves them.
template <typename Visit>
void for_each_initialised_slot(const Slots& slots, exp_list& values, Visit visit) {
    std::vector<exp_list> items = d_initial_items(std::move(values));
    long position = 0;
    for (exp_list& item : items) {
        std::optional<Slot> slot = slots.at(position);
        if (!slot) break;
        position += d_item_weight(item, slot->code);
        visit(item, *slot);
    }
    values.clear();
    for (exp_list& item : items)
        d_append_item(values, std::move(item));
}

} // namespace

void dd_take_initial_locations(Context& ctx, const sym_entry& entry, exp_list& values) {
    if (is_pointer(entry.type_code) || !holds_location(values)) return;
    // The locals of a procedure that contains procedures live at file
    // scope, where the initialisation function reaches them; those of any
    // other procedure and of a block of the main program are stored where
    // they are declared.
    const procedure_frame* frame = ctx.procedures.current();
    const bool local =
        ctx.blocks.b_in_procedure() ? !(frame && frame->lifted) : !ctx.blocks.b_top_is_module();
    const Slots slots(ctx, entry);
    if (!slots.known()) return;
    // A union's first member is reached through the union.
    const std::string target = !entry.union_name.empty()   ? entry.access_path
                               : entry.lifted_name.empty() ? entry.name
                                                           : entry.lifted_name;
    for_each_initialised_slot(slots, values, [&](exp_list& item, const Slot& slot) {
        if (is_pointer(slot.code) || !holds_location(item)) return;
        std::string assignment = target + slot.suffix;
        assignment += " = ";
        assignment += stored_value(ctx, slot.code, std::move(item));
        assignment += ";\n";
        if (local)
            ctx.declarations.initial_locations.add_local(std::move(assignment));
        else
            ctx.declarations.initial_locations.add(std::move(assignment));
        item = e_get_word_const(ctx, val_decimal, 0);
    });
}

void dd_mark_word_pairs(Context& ctx, const sym_entry& entry, exp_list& values) {
    if (entry.type_code != type_code::structure_type || values.empty()) return;
    const Slots slots(ctx, entry);
    if (!slots.known()) return;
    for_each_initialised_slot(slots, values, [](exp_list& item, const Slot& slot) {
        if (is_wide_number(slot.code) && item.size() == 1 && item.front().kind == exp_constant &&
            item.front().value.kind == val_string && item.front().value.text.size() == 2)
            item.front().value.word_pair = true;
    });
}

std::optional<long> dd_implicit_dimension(Context& ctx, const sym_entry& entry, const exp_list& values) {
    const Slots slots(ctx, entry);
    if (!slots.known() || values.empty()) return std::nullopt;
    long position = 0;
    for (const exp_list& item : d_initial_items(e_copy_expr(values))) {
        std::optional<Slot> slot = slots.at(position);
        if (!slot) return std::nullopt;
        position += d_item_weight(item, slot->code);
    }
    return (position + slots.per_element() - 1) / slots.per_element();
}

void dd_store_local_locations(Context& ctx) {
    const std::vector<std::string> assignments = ctx.declarations.initial_locations.take_local();
    if (assignments.empty()) return;
    OutputStreams& output = ctx.output;
    output.o_indent();
    output.print("static BYTE   initial_locations_stored;\n");
    output.o_indent();
    output.print("if (!initial_locations_stored) {\n");
    output.o_indent_in();
    output.o_indent();
    output.print("initial_locations_stored = 1;\n");
    for (const std::string& assignment : assignments) {
        output.o_indent();
        output.print(assignment);
    }
    output.o_indent_out();
    output.o_indent();
    output.print("}\n");
}

std::string dd_init_function_name(const Context& ctx) {
    std::string name = ctx.statements.module_name;
    name += "_init";
    return name;
}

void dd_call_init_function(Context& ctx) {
    if (ctx.declarations.initial_locations.empty()) return;
    ctx.output.o_indent();
    ctx.output.printf("%s();\n", dd_init_function_name(ctx).c_str());
}

void dd_write_init_function(Context& ctx) {
    const InitialLocations& locations = ctx.declarations.initial_locations;
    if (locations.empty()) return;
    const std::string name = dd_init_function_name(ctx);
    const char* parameters = ctx.options.ansi_flag ? "void" : "";
    std::string heading = "void  ";
    heading += name;
    heading += "(";
    heading += parameters;
    heading += ")";
    std::string& prototypes = ctx.files.temps.open("tmp_header.t", false);
    prototypes += heading;
    prototypes += ";\n";
    std::string& functions = ctx.files.temps.open("tmp_func.t", false);
    functions += "\n\n\n";
    functions += heading;
    functions += "\n{\n";
    {
        OutputCapture capture(ctx.output, functions);
        ctx.output.o_indent_in();
        for (const std::string& assignment : locations.assignments()) {
            ctx.output.o_indent();
            ctx.output.print(assignment);
        }
        ctx.output.o_indent_out();
    }
    functions += "}\n";
    if (ctx.statements.main_pending)
        ctx.messages.log_printf(
            "%s: note! the locations in initial values are stored by %s(), which must run before they are "
            "used - line %d\n",
            ctx.message_file(), name.c_str(), ctx.s_current_line());
}

} // namespace xlatr
