// The symbol tables: a stack of declare blocks, one per open scope (the
// module, each procedure, each DO ... END group), each with a small chained
// hash table of sym_entry records. Insertion goes into one chosen block;
// lookup searches from the innermost block outwards, so an inner name hides
// an outer one.
#pragma once

#include "declarations/records.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xlatr {

class Context;

// Basic type of a name; the numbers are the codes the translation tests on.
enum class type_code {
    none = 0,
    byte_type = 1,
    word_type = 2,
    dword_type = 3,
    integer_type = 4,
    // A second pointer type, treated exactly like pointer_type everywhere.
    pointer2_type = 5,
    real_type = 6,
    structure_type = 7,
    pointer_type = 8,
    literal_type = 9,
    constant_type = 10,
    // A structure LITERALLY, or a LITERALLY whose expansion is switched off.
    struct_literal_type = 11,
    label_type = 12,
    directive_type = 14,
    bit_type = 15,
    void_type = 16,
};

// Both pointer codes mean the same C pointer.
inline bool is_pointer(type_code code) {
    return code == type_code::pointer_type || code == type_code::pointer2_type;
}

// WORD, DWORD and INTEGER: whole numbers wider than a byte.
inline bool is_wide_number(type_code code) {
    return code == type_code::word_type || code == type_code::dword_type || code == type_code::integer_type;
}

inline bool is_whole_number(type_code code) {
    return code == type_code::byte_type || is_wide_number(code);
}

// What kind of name an entry stands for.
enum class usage {
    none = 0,
    array_variable = 1,
    procedure = 2,
    typed_procedure = 3,
    structure_variable = 4,
    pointer_scalar = 5,
    scalar = 6,
    literal = 7,
    structure_type = 8,
    ignored_literal = 9,
    constant = 10,
    label = 11,
    directive_switch = 12,
};

enum class scope_code {
    none = 0,
    external_scope = 1,
    public_scope = 2,
    // Neither EXTERNAL nor PUBLIC; structure members always have it.
    local_scope = 3,
};

// One declared name. Empty strings stand for texts that are not set.
struct sym_entry {
    // For structure members: owner name, '.', member name.
    std::string name;
    xlatr::type_code type_code = xlatr::type_code::none;
    xlatr::usage usage = xlatr::usage::none;
    // Pointers: what they address (byte_type until the first BASED variable
    // on them says otherwise). Named constants: word_type or real_type.
    xlatr::type_code pointee_type = xlatr::type_code::none;
    // Labels: number of uses.
    int reference_count = 0;
    scope_code scope = scope_code::none;
    // Variables: 1 for a parameter of the procedure being declared.
    // Directive switches: 1 while set. Named constants: 1 when the 16-bit
    // value has its top bit set.
    int flag = 0;
    bool member_flag = false;
    // Structure members: the structure variable they belong to.
    std::string owner;
    // LITERALLY names: the replacement text. Union members: the inner
    // structure of the union that holds the variable.
    std::string text;
    // BASED variables: the base pointer.
    std::string base_name;
    // Variables placed by AT: the union that holds them.
    std::string union_name;
    // For such a variable: its byte offset inside the union (for a view,
    // from the view's address) as an expression of type sizes; empty at
    // offset 0.
    exp_list offset;
    // Views, variables placed AT memory that no union of theirs can hold
    // (an EXTERNAL variable, one of an enclosing scope, or another view):
    // the C address of that memory.
    std::string view_address;
    // Variables of a named structure type, and pointers to one.
    std::string structure_type_name;
    // Union members: the C expression that reaches the variable. Named
    // constants: the name in capitals.
    std::string access_path;
    // A local lifted to file scope under another name, because its own
    // clashes there: the name it is declared by (references use the access
    // path, which holds the same name).
    std::string lifted_name;
    // The records of a variable's declaration. A structure type's own entry
    // holds its member list in `type`.
    std::optional<xlatr::array_spec> array_spec;
    std::optional<var_type> type;
    std::optional<loc_var_attr> attributes;
    int memory_space = 0;
    // 1 to 3 for INITIAL, DATA and CONSTANT values.
    int initialisation_kind = 0;
    // The name matches its own spelling only, not the other C spellings of
    // a PL/M name: a C function of the built-in table is a C name.
    bool exact_spelling = false;
    // Named whole-number constants: the value, for the dimensions whose size
    // must be known when the translator lays out initial values.
    std::optional<long> constant_value;
    // Labels: the C function that declared or defined the label (empty for
    // the main program), and whether a GOTO from another function reaches
    // it through its jump function.
    std::string label_function;
    bool reached_by_jump = false;
    // Variables: the conditional region and the branch of it that declared
    // them (region 0: outside any region).
    int region = 0;
    int region_branch = 0;
    // Procedures: their parameters as declared, once the heading is
    // complete; a call casts each argument as for its parameter.
    std::vector<sym_entry> parameters;
};

// A procedure, typed or not.
inline bool is_procedure(const sym_entry& entry) {
    return entry.usage == usage::procedure || entry.usage == usage::typed_procedure;
}

// One scope's table. Entries are found through an open-addressing index
// keyed on the case-folded name, so that all C spellings of one PL/M name
// meet in one probe sequence; lookup cost does not grow with the table.
class hash_table {
  public:
    // Takes `entry` and returns it as stored, or returns null and leaves
    // `entry` with the caller when the name is already in this table.
    sym_entry* hh_install(std::unique_ptr<sym_entry>& entry);
    // An entry of this very spelling, else (with `fold`) one whose spelling
    // names the same PL/M name.
    sym_entry* hh_lookup(std::string_view name, bool fold = true) const;
    // The same with the name's hh_hash, for a search through many tables.
    sym_entry* hh_lookup(std::string_view name, std::size_t hash, bool fold) const;
    // The C function of the built-in table whose name is, case aside, this
    // one, or null.
    sym_entry* hh_table_function(std::string_view name) const;
    static std::size_t hh_hash(std::string_view name);
    // Frees every entry. An entry whose usage the release does not know is
    // reported on the standard output, as "usage = <n>".
    void hh_free_tab(Context& ctx);

  private:
    struct stored {
        std::unique_ptr<sym_entry> entry;
        std::size_t folded_hash = 0;
        // Where the entry stands in the order that reports and ties follow:
        // that of a table of 31 chains keyed on the first six folded
        // characters, each chain holding the entry that opened it, then the
        // others from newest to oldest.
        int chain = 0;
        bool opened_chain = false;
    };

    // Index of the entry of this very spelling, else (with `fold`) of the
    // first in chain order of those naming the same PL/M name; npos when
    // there is none.
    std::size_t probe(std::string_view name, std::size_t hash, bool fold) const;
    void grow();
    bool earlier_in_chain(std::size_t a, std::size_t b) const;

    // In installation order.
    std::vector<stored> entries_;
    // Open addressing with linear probing; 0 is free, else an index of
    // entries_ plus one. The size is zero or a power of two.
    std::vector<std::uint32_t> slots_;
    std::uint32_t opened_chains_ = 0;
};

// One scope of the stack. Its table exists only after allocation.
struct declare_block {
    std::unique_ptr<hash_table> table;
    // One bit per hh_hash of a name installed here (a bit of the hash picks
    // it), so that a lookup passes most blocks without probing them.
    std::uint64_t name_bits = 0;
};

class SymbolTables {
  public:
    explicit SymbolTables(Context& ctx) : ctx_(ctx) {}
    SymbolTables(const SymbolTables&) = delete;
    SymbolTables& operator=(const SymbolTables&) = delete;

    // Opens a scope with its table.
    bool h_push_declare_block();
    // Gives the innermost scope its table; false when there is no scope.
    bool h_alloc_declare_block();
    // Closes the innermost scope and frees every entry in it; false when
    // there is no scope.
    bool h_free_declare_block();

    // Install `entry` in the innermost (h_insert) or outermost
    // (h_insert_global) scope and return it as stored. Null when the name is
    // already there (`entry` then stays with the caller, who reports the
    // duplicate), or, with message 6, when there is no scope or table. A
    // program name takes the place of a C function of the built-in table
    // that is the same name case aside: a declared name hides a built-in.
    sym_entry* h_insert(std::unique_ptr<sym_entry>& entry);
    sym_entry* h_insert_global(std::unique_ptr<sym_entry>& entry);

    // Innermost entry of this name, or null; reports nothing.
    sym_entry* h_lookup(std::string_view name) const;
    // Entry of the outermost scope only; message 7 when there is no scope or
    // table.
    sym_entry* h_lookup_global(std::string_view name) const;
    // Entry of the innermost scope only, or null.
    sym_entry* h_lookup_local(std::string_view name) const;
    // The C function of the built-in table declared in the innermost scope
    // under this name, case aside, or null.
    sym_entry* h_table_function(std::string_view name) const;
    // builtin.h declares every C function of the table, so a program name
    // spelled exactly like one of them in the innermost scope gets a capital
    // first letter, as C's reserved words do (xlat gives Xlat): every module
    // that declares the name spells it alike.
    void h_spell_apart_from_table(std::string& name) const;

    // A LITERALLY name with its replacement text.
    sym_entry* h_insert_literal(std::string_view name, std::string_view text);
    // A named constant; its access path is the name in capitals.
    sym_entry* h_insert_const(std::string_view name);
    // A LITERALLY name of the first pass; a name already in the innermost
    // scope is a fatal error and keeps its first text.
    bool h_insert_macro(std::string_view name, std::string_view text);

    bool empty() const { return blocks_.empty(); }
    std::size_t depth() const { return blocks_.size(); }

    // While set, names match their own spelling only: directive switch
    // names differ from program names in the case of one letter.
    bool exact_names = false;

  private:
    sym_entry* insert_into(declare_block* block, std::unique_ptr<sym_entry>& entry);

    Context& ctx_;
    // Innermost scope last.
    std::vector<declare_block> blocks_;
};

} // namespace xlatr
