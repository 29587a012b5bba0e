#include "declarations/records.h"

#include "declarations/directives.h"
#include "declarations/emission.h"
#include "declarations/symbols.h"
#include "declarations/unions.h"
#include "driver/context.h"
#include "support/messages.h"
#include "support/strings.h"
#include "translate/procedures.h"

#include <algorithm>
#include <utility>

namespace xlatr {

namespace {

constexpr int no_such_case = 5;
constexpr int no_previous_typedef = 10;
constexpr int base_pointer_undeclared = 24;
constexpr int union_needs_array_size = 30;

// A declared variable goes on the pending list, or, with an AT clause, into
// a union of the current scope.
bool keep_or_overlay(Context& ctx, sym_entry& entry) {
    return dd_set_union_attr(ctx, entry, entry.attributes->at);
}

// A duplicate declaration leaves the first one in force; the node it put on
// the pending list (at `kept_at`) would print that first declaration a
// second time.
void forget_duplicate(Context& ctx, std::size_t kept_at, const std::string& name) {
    std::vector<kept_id>& pending = ctx.declarations.pending();
    if (kept_at < pending.size() && pending[kept_at].name == name)
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(kept_at));
}

// A name declared again in another branch of the conditional region that
// declared it first is no duplicate: C compiles one branch, as PL/M does,
// and each branch declares it with its own size. The later declaration is
// kept under a name of its branch that no reference spells and is printed
// under the first one's C name, which every reference prints. References
// are translated by the first declaration, so only a declaration of the
// same shape is taken: both scalars or both arrays of numbers (a size or a
// number type of their own), neither BASED, AT, a pointer or a structure.
// Any other stays a duplicate, as the warning says.
void declare_in_own_branch(Context& ctx, sym_entry& entry, bool array, bool placed) {
    const Directives& directives = ctx.directives;
    entry.region = directives.region;
    entry.region_branch = directives.branch;
    if (directives.region == 0) return;
    const sym_entry* first = ctx.symbols.h_lookup_local(entry.name);
    if (!first || first->region != directives.region || first->region_branch == directives.branch) return;
    const auto number = [](type_code code) { return is_whole_number(code) || code == type_code::real_type; };
    const bool plain_first = first->base_name.empty() && first->union_name.empty() &&
                             first->view_address.empty() && number(first->type_code);
    if (!plain_first || placed || !entry.base_name.empty() || !number(entry.type_code) ||
        array != (first->usage == usage::array_variable))
        return;
    entry.lifted_name = first->lifted_name.empty() ? first->name : first->lifted_name;
    entry.name += '\x01';
    entry.name += std::to_string(directives.branch);
}

// The structure type of a variable: its name goes into the entry, and the
// type's own entry (which holds the members) is returned when it is a
// structure type.
const sym_entry* find_structure_type(Context& ctx, sym_entry& entry, const var_type& type) {
    if (entry.type_code != type_code::structure_type || type.names.empty()) return nullptr;
    entry.structure_type_name = type.names.front();
    const sym_entry* found = ctx.symbols.h_lookup(entry.structure_type_name);
    if (found && found->usage == usage::structure_type) {
        // The type is declared by the spelling of its own declaration.
        entry.structure_type_name = found->name;
        return found;
    }
    s_error(ctx, no_previous_typedef);
    return nullptr;
}

void set_scope(Context& ctx, sym_entry& entry, int scope) {
    switch (scope) {
    case attr_external:
        entry.scope = scope_code::external_scope;
        break;
    case attr_public:
        entry.scope = scope_code::public_scope;
        break;
    case attr_local:
        entry.scope = scope_code::local_scope;
        break;
    default:
        s_error(ctx, no_such_case);
        break;
    }
}

// The first variable BASED on a pointer decides what the pointer addresses.
void retype_base_pointer(Context& ctx, const sym_entry& entry) {
    sym_entry* pointer = ctx.symbols.h_lookup(entry.base_name);
    if (!pointer) {
        s_error(ctx, base_pointer_undeclared);
        return;
    }
    if (pointer->name.find('.') != std::string::npos) return;
    if (pointer->pointee_type != type_code::byte_type) return;
    if (entry.type_code == type_code::structure_type && !entry.structure_type_name.empty()) {
        pointer->pointee_type = type_code::structure_type;
        pointer->structure_type_name = entry.structure_type_name;
        return;
    }
    pointer->pointee_type = entry.type_code;
}

usage member_usage(const struct_spec& element) {
    if (element.dimension && element.dimension->kind >= 0) return usage::array_variable;
    return is_pointer(element.type_code) ? usage::pointer_scalar : usage::scalar;
}

// The AT expression of the i-th name of a factored declaration: the address
// of the element of the first name that follows the i names before it.
exp_list factored_at(Context& ctx, const std::string& first, const std::optional<array_spec>& dimension,
                     int index) {
    exp_list subscript = e_get_word_const(ctx, val_decimal, static_cast<std::uint32_t>(index));
    if (dimension && dimension->kind == implicit_dimension) s_error(ctx, union_needs_array_size);
    if (dimension && dimension->kind == explicit_dimension)
        subscript = e_mult_exp(std::move(subscript), e_copy_expr(dimension->dimension));
    exp_list at = e_get_id(first, std::move(subscript));
    at.front().loc_flag = 1;
    return at;
}

// The value of a constant expression: numbers, named constants, + - * / MOD
// and parentheses; nullopt for anything else.
class ConstantEvaluator {
  public:
    ConstantEvaluator(Context& ctx, const exp_list& list) : ctx_(ctx), it_(list.begin()), end_(list.end()) {}

    std::optional<long> value() {
        std::optional<long> result = sum();
        return it_ == end_ ? result : std::nullopt;
    }

  private:
    bool next_is(int op) const { return it_ != end_ && it_->kind == exp_operator && it_->op == op; }

    std::optional<long> sum() {
        std::optional<long> left = product();
        while (left && (next_is(op_plus) || next_is(op_minus))) {
            const bool plus = next_is(op_plus);
            ++it_;
            std::optional<long> right = product();
            if (!right) return std::nullopt;
            left = plus ? *left + *right : *left - *right;
        }
        return left;
    }

    std::optional<long> product() {
        std::optional<long> left = factor();
        while (left && (next_is(op_times) || next_is(op_slash) || next_is(op_mod))) {
            const int op = it_->op;
            ++it_;
            std::optional<long> right = factor();
            if (!right || (op != op_times && *right == 0)) return std::nullopt;
            left = op == op_times ? *left * *right : op == op_slash ? *left / *right : *left % *right;
        }
        return left;
    }

    std::optional<long> factor() {
        if (it_ == end_) return std::nullopt;
        if (next_is(op_minus)) {
            ++it_;
            std::optional<long> operand = factor();
            return operand ? std::optional<long>(-*operand) : std::nullopt;
        }
        if (next_is(op_open)) {
            ++it_;
            std::optional<long> inside = sum();
            if (!next_is(op_close)) return std::nullopt;
            ++it_;
            return inside;
        }
        const exp_node& node = *it_++;
        if (node.kind == exp_constant && is_whole_kind(node.value.kind))
            return static_cast<long>(node.value.number);
        if (node.kind != exp_identifier || !node.args.empty() || !node.member.empty()) return std::nullopt;
        const sym_entry* entry = ctx_.symbols.h_lookup(node.name);
        if (!entry || entry->usage != usage::constant || !entry->constant_value) return std::nullopt;
        return *entry->constant_value;
    }

    Context& ctx_;
    exp_list::const_iterator it_;
    exp_list::const_iterator end_;
};

// How many initial values one name of a factored declaration takes: one per
// element, a structure one per member element; nullopt when the count is
// not known (an implicit dimension), which takes all that are left.
std::optional<long> values_per_name(Context& ctx, const std::optional<array_spec>& dimension,
                                    const var_type& type) {
    long per_element = 1;
    if (type.kind == structure_kind && !type.names.empty()) {
        const sym_entry* structure = ctx.symbols.h_lookup(type.names.front());
        if (structure && structure->type) {
            per_element = 0;
            for (const struct_spec& member : structure->type->members) {
                long count = 1;
                if (member.dimension && member.dimension->kind == explicit_dimension)
                    count = ConstantEvaluator(ctx, member.dimension->dimension).value().value_or(1);
                per_element += static_cast<long>(member.names.size()) * count;
            }
        }
    }
    if (!dimension || dimension->kind == no_dimension) return per_element;
    if (dimension->kind == implicit_dimension) return std::nullopt;
    std::optional<long> count = ConstantEvaluator(ctx, dimension->dimension).value();
    if (!count) return std::nullopt;
    return *count * per_element;
}

// The items of an initial-value list, split at its top-level commas.
std::vector<exp_list> initial_items(exp_list values) {
    std::vector<exp_list> items(1);
    int depth = 0;
    while (!values.empty()) {
        const exp_node& node = values.front();
        if (node.kind == exp_operator && node.op == op_open) ++depth;
        if (node.kind == exp_operator && node.op == op_close) --depth;
        if (node.kind == exp_operator && node.op == op_comma && depth == 0) {
            values.pop_front();
            items.emplace_back();
            continue;
        }
        items.back().splice(items.back().end(), values, values.begin());
    }
    return items;
}

// A string gives a BYTE variable one value per character.
long item_weight(const exp_list& item, type_code code) {
    if (code == type_code::byte_type && item.size() == 1 && item.front().kind == exp_constant &&
        item.front().value.kind == val_string)
        return std::max<long>(1, static_cast<long>(item.front().value.text.size()));
    return 1;
}

// The records of one name of a factored declaration.
struct element_records {
    std::optional<array_spec> dimension;
    var_type type;
    loc_var_attr attrs;
};

// PL/M lays the initial values of a factored declaration out across its
// names in order: each name takes as many as it has elements, and the names
// left when the values run out have none.
void distribute_values(Context& ctx, std::vector<element_records>& records, exp_list values) {
    if (values.empty()) return;
    std::vector<exp_list> items = initial_items(std::move(values));
    std::size_t next = 0;
    for (element_records& own : records) {
        if (next >= items.size()) break;
        const std::optional<long> wanted = values_per_name(ctx, own.dimension, own.type);
        long taken = 0;
        exp_list mine;
        while (next < items.size() && (!wanted || taken < *wanted)) {
            const long weight = item_weight(items[next], own.type.type_code);
            // A string that runs past this name goes on in the next one.
            if (wanted && weight > 1 && taken + weight > *wanted) {
                std::string& text = items[next].front().value.text;
                const std::size_t here = static_cast<std::size_t>(*wanted - taken);
                d_append_item(mine, d_str_init_val(text.substr(0, here)));
                text.erase(0, here);
                break;
            }
            taken += weight;
            d_append_item(mine, std::move(items[next]));
            ++next;
        }
        own.attrs.values = std::move(mine);
    }
}

} // namespace

std::optional<long> d_constant_value(Context& ctx, const exp_list& list) {
    return ConstantEvaluator(ctx, list).value();
}

std::vector<exp_list> d_initial_items(exp_list values) {
    return initial_items(std::move(values));
}

long d_item_weight(const exp_list& item, type_code code) {
    return item_weight(item, code);
}

void d_append_item(exp_list& list, exp_list item) {
    list = list.empty() ? std::move(item) : e_binary_exp(std::move(list), op_comma, std::move(item));
}

var_type d_basic_type(type_code code) {
    var_type type;
    type.kind = basic_kind;
    type.type_code = code;
    return type;
}

var_type d_struct_type(Context& ctx, struct_spec_list members) {
    std::string name = str_num_cat("StrucT", ctx.declarations.next_struct_number());
    d_literal_struct(ctx, name, std::move(members));
    return d_typedef_type({std::move(name)});
}

var_type d_typedef_type(name_list names) {
    var_type type;
    type.kind = structure_kind;
    type.type_code = type_code::structure_type;
    type.names = std::move(names);
    return type;
}

array_spec d_array_spec(exp_list dimension) {
    array_spec dim;
    dim.kind = dimension.empty() ? no_dimension : explicit_dimension;
    dim.dimension = std::move(dimension);
    return dim;
}

array_spec d_array_spec_implicit() {
    array_spec dim;
    dim.kind = implicit_dimension;
    return dim;
}

struct_spec_list d_struct_member_elem(Context& ctx, struct_spec_list list, name_list names,
                                      std::optional<array_spec> dimension, type_code code) {
    struct_spec element;
    element.names = std::move(names);
    element.dimension = std::move(dimension);
    element.remark = ctx.remarks.r_take_pending_remarks();
    element.type_code = code;
    list.push_back(std::move(element));
    return list;
}

name_list d_alloc_member_name(name_list list, std::string name) {
    list.push_back(std::move(name));
    return list;
}

var_list d_var_list(var_list list, std::unique_ptr<sym_entry> entry) {
    list.push_back(std::move(entry));
    return list;
}

std::unique_ptr<sym_entry> d_var_nam_specifier(std::string name, std::string base) {
    auto entry = std::make_unique<sym_entry>();
    entry->name = std::move(name);
    entry->base_name = std::move(base);
    return entry;
}

std::string d_base_spec(std::string base, const std::string& member) {
    if (member.empty()) return base;
    return base + "." + member;
}

loc_var_attr d_initialization(int kind, exp_list values) {
    loc_var_attr attrs;
    attrs.initialisation_kind = kind;
    attrs.values = std::move(values);
    return attrs;
}

loc_var_attr d_var_attr(Context& ctx, int scope, exp_list at, std::optional<loc_var_attr> record, int space) {
    loc_var_attr attrs = record ? std::move(*record) : loc_var_attr{};
    attrs.scope = scope;
    attrs.at = std::move(at);
    attrs.memory_space = space;
    attrs.remark = ctx.remarks.r_take_remarks(!attrs.at.empty());
    return attrs;
}

var_type d_copy_type(const var_type& type) {
    var_type copy;
    copy.kind = type.kind;
    copy.type_code = type.type_code;
    copy.members = d_copy_struct_spec(type.members);
    copy.names = type.names;
    return copy;
}

struct_spec_list d_copy_struct_spec(const struct_spec_list& members) {
    struct_spec_list copy;
    for (const struct_spec& element : members) {
        struct_spec& copied = copy.emplace_back();
        copied.names = element.names;
        if (element.dimension) copied.dimension = d_copy_array_spec(*element.dimension);
        copied.type_code = element.type_code;
    }
    return copy;
}

array_spec d_copy_array_spec(const array_spec& dim) {
    array_spec copy;
    copy.kind = dim.kind;
    copy.dimension = e_copy_expr(dim.dimension);
    return copy;
}

loc_var_attr d_copy_loc_var_attr(const loc_var_attr& attrs) {
    loc_var_attr copy;
    copy.initialisation_kind = attrs.initialisation_kind;
    copy.scope = attrs.scope;
    copy.memory_space = attrs.memory_space;
    copy.at = e_copy_expr(attrs.at);
    return copy;
}

bool d_single_declare_elem(Context& ctx, std::unique_ptr<sym_entry> entry,
                           std::optional<array_spec> dimension, var_type type, loc_var_attr attrs) {
    entry->type_code = type.type_code;
    entry->structure_type_name.clear();
    entry->text.clear();
    entry->owner.clear();
    entry->member_flag = false;
    entry->access_path.clear();
    ctx.symbols.h_spell_apart_from_table(entry->name);
    declare_in_own_branch(ctx, *entry, dimension.has_value(), !attrs.at.empty());
    entry->memory_space = attrs.memory_space;
    entry->initialisation_kind = attrs.initialisation_kind;

    const sym_entry* structure_type = find_structure_type(ctx, *entry, type);
    entry->flag = p_is_param(ctx, entry->name) ? 1 : 0;
    const bool has_dimension = dimension.has_value();
    const bool is_structure = type.kind == structure_kind;
    const int scope = attrs.scope;
    entry->array_spec = std::move(dimension);
    entry->type = std::move(type);
    entry->attributes = std::move(attrs);
    set_scope(ctx, *entry, scope);
    if (has_dimension) entry->usage = usage::array_variable;

    const std::size_t kept_at = ctx.declarations.pending().size();
    if (!keep_or_overlay(ctx, *entry)) {
        ctx.messages.log_printf(
            "%s: fatal! delaration of \"%s\" failed in line %d. (Probably in another $if block)\n",
            ctx.message_file(), entry->name.c_str(), ctx.s_current_line());
        ctx.messages.error_flag = true;
    }

    if (is_structure) {
        entry->usage = usage::structure_variable;
        const var_type& members_type =
            structure_type && structure_type->type ? *structure_type->type : *entry->type;
        dd_single_struct_mem_insert(ctx, *entry, members_type.members);
    } else if (is_pointer(entry->type_code)) {
        entry->usage = usage::pointer_scalar;
        entry->pointee_type = type_code::byte_type;
    } else {
        entry->usage = usage::scalar;
    }
    if (has_dimension) entry->usage = usage::array_variable;

    const std::string name = entry->name;
    sym_entry* installed = ctx.symbols.h_insert(entry);
    const sym_entry& declared = installed ? *installed : *entry;
    if (!installed) {
        s_warn_multiply_declared(ctx, entry->lifted_name.empty() ? name : entry->lifted_name);
        forget_duplicate(ctx, kept_at, name);
    }
    if (!declared.base_name.empty()) retype_base_pointer(ctx, declared);
    // The union takes its PUBLIC name as soon as it holds a PUBLIC member,
    // the target or this one, so that every access path names it.
    if (!declared.union_name.empty()) d_update_public_un(ctx, declared.union_name);
    return installed != nullptr;
}

void d_factored_declare_elem(Context& ctx, var_list list, std::optional<array_spec> dimension, var_type type,
                             loc_var_attr attrs) {
    if (list.empty()) return;
    const type_code code = type.type_code;
    const std::string first = list.front()->name;

    std::vector<element_records> records;
    exp_list values;
    if (list.size() >= 2) values = std::move(attrs.values);
    // Every later name gets its own copies; the first takes the records as
    // written, with their remark.
    for (std::size_t i = 1; i < list.size(); ++i) {
        element_records& copy = records.emplace_back();
        if (dimension) copy.dimension = d_copy_array_spec(*dimension);
        copy.type = d_copy_type(type);
        copy.attrs = d_copy_loc_var_attr(attrs);
        if (!copy.attrs.at.empty()) copy.attrs.at = factored_at(ctx, first, dimension, static_cast<int>(i));
    }
    records.insert(records.begin(), element_records{std::move(dimension), std::move(type), std::move(attrs)});
    distribute_values(ctx, records, std::move(values));

    std::string first_kept;
    int kept = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string name = list[i]->name;
        element_records& own = records[i];
        if (!d_single_declare_elem(ctx, std::move(list[i]), std::move(own.dimension), std::move(own.type),
                                   std::move(own.attrs)))
            continue;
        if (kept++ == 0) first_kept = std::move(name);
    }
    if (code != type_code::pointer_type && kept > 0) dd_set_id_num_of_mem(ctx, first_kept, kept);
}

void dd_single_struct_mem_insert(Context& ctx, const sym_entry& owner, const struct_spec_list& members) {
    for (const struct_spec& element : members) {
        for (const std::string& member : element.names) {
            auto entry = std::make_unique<sym_entry>();
            entry->name = owner.name + "." + member;
            entry->type_code = element.type_code;
            entry->usage = member_usage(element);
            entry->pointee_type = type_code::byte_type;
            entry->scope = scope_code::local_scope;
            entry->member_flag = true;
            entry->owner = owner.name;
            if (!ctx.symbols.h_insert(entry)) s_warn_multiply_declared(ctx, entry->name);
        }
    }
}

} // namespace xlatr
