// Declaration records: the small records with which the grammar describes one
// DECLARE element (its type, dimension, structure members, attributes and
// initial values), and the routines that turn a finished element into
// symbol entries and queue them for printing.
//
// The records are plain values that own what they hold; a symbol entry owns
// the records of its declaration. The value nodes of constants live with the
// expressions (declarations/values.h).
#pragma once

#include "support/remarks.h"
#include "translate/expressions.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace xlatr {

class Context;
struct sym_entry;
enum class type_code; // declarations/symbols.h

// Names in source order: member names, parameter names, the names of a
// structure type.
using name_list = std::vector<std::string>;

// Factored declarations list their entries before they are installed.
using var_list = std::vector<std::unique_ptr<sym_entry>>;

enum array_spec_kind : int {
    no_dimension = -1,
    implicit_dimension = 0, // (*)
    explicit_dimension = 1,
};

struct array_spec {
    int kind = no_dimension;
    // The number of elements, for an explicit dimension.
    exp_list dimension;
};

// One element of a STRUCTURE member list; the names of a factored member
// element share its dimension and type.
struct struct_spec {
    name_list names;
    std::optional<array_spec> dimension;
    // The remarks that were waiting when the element was read; printed before
    // its member line.
    remark_list remark;
    xlatr::type_code type_code{};
};

using struct_spec_list = std::vector<struct_spec>;

enum var_type_kind : int {
    structure_kind = 0,
    basic_kind = 1,
};

// The type of a declared variable.
struct var_type {
    int kind = basic_kind;
    // Every structure has structure_type.
    xlatr::type_code type_code{};
    // Only the type record of a structure type's own entry holds the members;
    // the records of variables leave this empty.
    struct_spec_list members;
    // Structures: the first name is the structure type's name.
    name_list names;
};

enum init_kind_code : int {
    no_initialisation = 0,
    initial_values = 1,
    data_values = 2,
    constant_values = 3, // the 8051 code space when -d51 is given
};

// Scope codes as the grammar gives them; a symbol entry keeps them plus one.
enum attr_scope : int {
    attr_external = 0,
    attr_public = 1,
    attr_local = 2,
};

// PL/M-51 memory spaces.
enum mem_space_code : int {
    space_none = 0, // also REGISTER
    space_auxiliary = 1,
    space_main = 2,
    space_idata = 3,
};

// The attributes of a declaration element.
struct loc_var_attr {
    int initialisation_kind = no_initialisation;
    int scope = attr_local;
    int memory_space = space_none;
    // The remarks that precede the declaration; printed right before it.
    remark_list remark;
    // The initial values, items separated by comma operators.
    exp_list values;
    // The expression of an AT (...) clause.
    exp_list at;
};

// Constructors called by the grammar.
// The value of a constant expression (numbers, named constants, + - * / MOD
// and parentheses); nullopt for anything else.
std::optional<long> d_constant_value(Context& ctx, const exp_list& list);
// The items of an initial-value list, split at its top-level commas.
std::vector<exp_list> d_initial_items(exp_list values);
// Appends `item` to an initial-value list: `list, item`, or the item alone
// when the list is empty.
void d_append_item(exp_list& list, exp_list item);
// How many elements of type `code` one item fills: a string one BYTE per
// character, anything else one.
long d_item_weight(const exp_list& item, xlatr::type_code code);

var_type d_basic_type(xlatr::type_code code);
// An anonymous STRUCTURE (...): defines the next generated type StrucT<n>
// (printing its typedef) and returns a structure type of that name.
var_type d_struct_type(Context& ctx, struct_spec_list members);
// A structure type defined earlier by a structure LITERALLY.
var_type d_typedef_type(name_list names);

array_spec d_array_spec(exp_list dimension);
array_spec d_array_spec_implicit();

// Appends one element that takes the remarks waiting so far.
struct_spec_list d_struct_member_elem(Context& ctx, struct_spec_list list, name_list names,
                                      std::optional<array_spec> dimension, xlatr::type_code code);
name_list d_alloc_member_name(name_list list, std::string name);
var_list d_var_list(var_list list, std::unique_ptr<sym_entry> entry);

// A new, uninstalled entry; `base` is the base pointer of a BASED variable,
// empty otherwise.
std::unique_ptr<sym_entry> d_var_nam_specifier(std::string name, std::string base);
// The base of a BASED clause: `base`, or `base`.`member` for a member.
std::string d_base_spec(std::string base, const std::string& member);

loc_var_attr d_initialization(int kind, exp_list values);
// Completes `record` (a new one without values when absent) with the scope,
// the AT expression and the memory space, and gives it the remarks that
// precede the declaration.
loc_var_attr d_var_attr(Context& ctx, int scope, exp_list at, std::optional<loc_var_attr> record, int space);

// The copies that give each name of a factored declaration its own records.
// A copied member element has no remark; copied attributes have neither
// remark nor values, which stay with the names they were written for.
var_type d_copy_type(const var_type& type);
struct_spec_list d_copy_struct_spec(const struct_spec_list& members);
array_spec d_copy_array_spec(const array_spec& spec);
loc_var_attr d_copy_loc_var_attr(const loc_var_attr& attrs);

// Completes, installs and queues one declared variable. False when the name
// was already declared in the innermost scope (the first declaration stays).
bool d_single_declare_elem(Context& ctx, std::unique_ptr<sym_entry> entry,
                           std::optional<array_spec> dimension, var_type type, loc_var_attr attrs);
// (a, b, c) type attributes: every name gets its own copy of the records, the
// initial values go to the last name, and the names print as one C
// declaration.
void d_factored_declare_elem(Context& ctx, var_list list, std::optional<array_spec> dimension, var_type type,
                             loc_var_attr attrs);
// Installs an entry owner.member for every member name of a structure
// variable.
void dd_single_struct_mem_insert(Context& ctx, const sym_entry& owner, const struct_spec_list& members);

} // namespace xlatr
