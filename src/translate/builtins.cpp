#include "translate/builtins.h"

#include "declarations/symbols.h"
#include "driver/context.h"
#include "support/messages.h"
#include "translate/procedures.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace xlatr {

namespace {

constexpr const char* table_file = "xlatr.bf";
constexpr std::size_t name_limit = 51;
constexpr std::size_t type_word_limit = 19;

std::optional<int> parameter_slot(std::string_view word) {
    if (word == "byte") return builtin_entry::byte_slot;
    if (word == "word") return builtin_entry::word_slot;
    if (word == "dword") return builtin_entry::dword_slot;
    if (word == "pointer") return builtin_entry::pointer_slot;
    if (word == "integer" || word == "int") return builtin_entry::integer_slot;
    if (word == "real") return builtin_entry::real_slot;
    if (word == "bit") return builtin_entry::bit_slot;
    return std::nullopt;
}

// The C type of a parameter type word; empty for an unknown word.
const char* parameter_type_name(std::string_view word) {
    if (word == "byte") return "BYTE";
    if (word == "word") return "WORD";
    if (word == "dword") return "DWORD";
    if (word == "pointer") return "POINTER";
    if (word == "integer" || word == "int") return "INTEGER";
    if (word == "real") return "REAL";
    if (word == "bit") return "BIT";
    return "";
}

std::optional<int> return_type_code(std::string_view word) {
    if (word == "byte") return 1;
    if (word == "word") return 2;
    if (word == "dword") return 3;
    if (word == "int" || word == "integer") return 4;
    if (word == "real") return 6;
    if (word == "pointer") return 8;
    if (word == "bit") return 15;
    return std::nullopt;
}

// The words of xlatr.bf, separated by any white space.
class WordReader {
  public:
    explicit WordReader(const std::string& text) : text_(text) {}

    std::optional<std::string> next() {
        auto blank = [](char c) {
            return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
        };
        while (pos_ < text_.size() && blank(text_[pos_]))
            ++pos_;
        if (pos_ >= text_.size()) return std::nullopt;
        std::size_t start = pos_;
        while (pos_ < text_.size() && !blank(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

  private:
    const std::string& text_;
    std::size_t pos_ = 0;
};

struct record {
    std::string name, type_word, c_name, return_word;
};

// The next whole record; nullopt at a clean end of the file (no word left)
// or, with `malformed` set, at a record that is cut short or has words too
// long to be names.
std::optional<record> read_record(WordReader& words, bool& malformed) {
    std::optional<std::string> name = words.next();
    if (!name) return std::nullopt;
    std::optional<std::string> type_word = words.next();
    std::optional<std::string> c_name = words.next();
    std::optional<std::string> return_word = words.next();
    if (!type_word || !c_name || !return_word || name->size() > name_limit || c_name->size() > name_limit ||
        type_word->size() > type_word_limit || return_word->size() > type_word_limit) {
        malformed = true;
        return std::nullopt;
    }
    return record{std::move(*name), std::move(*type_word), std::move(*c_name), std::move(*return_word)};
}

bool is_sizeof_builtin(std::string_view name) {
    return name == "size" || name == "length" || name == "last";
}

// The C function of a record, declared like an EXTERNAL procedure without a
// parameter list: callers pass the arguments they have.
//
// 8051 compilers call a function only through a prototype with parameters:
// there the list names the type of the first argument, which the record
// gives, and leaves the rest open.
void declare_c_function(Context& ctx, const std::string& c_name, int return_type,
                        std::string_view type_word) {
    p_declare_procedure(ctx, c_name, {}, return_type, proc_external);
    if (sym_entry* declared = ctx.symbols.h_lookup_global(c_name); declared && declared->name == c_name)
        declared->exact_spelling = true;
    if (procedure_frame* frame = ctx.procedures.current()) {
        frame->open_parameter_list = true;
        const bool for_8051 = ctx.options.plm51_flag || ctx.options.c51_flag;
        const std::string first = parameter_type_name(type_word);
        if (for_8051 && !first.empty()) frame->open_parameters = first + ", ...";
    }
    p_proc_end(ctx, "");
}

void malformed_table(Context& ctx, int record_number) {
    ctx.messages.log_printf("%s: warning - malformed record %d; the built-in table ends before it\n",
                            table_file, record_number);
}

int operand_type(Context& ctx, const exp_node& node) {
    switch (node.kind) {
    case exp_identifier: {
        if (const sym_entry* entry = e_node_entry(ctx, node)) {
            if (entry->type_code != type_code::constant_type) return static_cast<int>(entry->type_code);
            if (entry->constant_value && *entry->constant_value > 0xFFFF)
                return static_cast<int>(type_code::dword_type);
            return static_cast<int>(entry->pointee_type);
        }
        return is_sizeof_builtin(node.name) ? static_cast<int>(type_code::word_type) : -1;
    }
    case exp_constant:
        // A string of one or two characters used as a value is a whole
        // number, as a numeric constant is.
        // A whole number past 0FFFFH is a DWORD.
        if (node.value.kind == val_real) return static_cast<int>(type_code::real_type);
        if (is_whole_kind(node.value.kind) && node.value.number > 0xFFFF)
            return static_cast<int>(type_code::dword_type);
        return static_cast<int>(type_code::word_type);
    default:
        return -1;
    }
}

int scan_operands(Context& ctx, exp_list::const_iterator& it, exp_list::const_iterator end, int depth) {
    int best = -1;
    while (it != end) {
        const exp_node& node = *it;
        if (e_is_group_open(node)) {
            ++it;
            best = std::max(best, scan_operands(ctx, it, end, depth + 1));
            if (it != end) ++it;
            continue;
        }
        if (e_is_group_close(node)) return best;
        if (node.kind == exp_operator && node.op == op_comma && depth == 0) return best;
        if (node.kind != exp_operator) best = std::max(best, operand_type(ctx, node));
        ++it;
    }
    return best;
}

std::optional<int> slot_of_type(int type) {
    switch (type) {
    case 1:
        return builtin_entry::byte_slot;
    case 2:
        return builtin_entry::word_slot;
    case 3:
        return builtin_entry::dword_slot;
    case 4:
        return builtin_entry::integer_slot;
    case 6:
        return builtin_entry::real_slot;
    case 8:
        return builtin_entry::pointer_slot;
    case 15:
        return builtin_entry::bit_slot;
    default:
        return std::nullopt;
    }
}

void blt_simple_type(const builtin_entry& entry, int type, exp_node& node) {
    if (!node.member.empty() || type > 15) return;
    std::optional<int> slot = slot_of_type(type);
    if (!slot) return;
    const std::string& c_name = entry.c_names[static_cast<std::size_t>(*slot)];
    if (!c_name.empty()) node.name = c_name;
}

// Prints the argument of SIZE as a C expression; a location prefix on it
// does not count.
void print_argument(Context& ctx, exp_node& argument) {
    const int loc_flag = argument.loc_flag;
    argument.loc_flag = 0;
    ee_parse_exp_node(ctx, argument);
    argument.loc_flag = loc_flag;
}

void print_sizeof(Context& ctx, exp_node& argument, const char* prefix = "") {
    ctx.output.printf("sizeof(%s", prefix);
    print_argument(ctx, argument);
    ctx.output.print(")");
}

void print_dimension(Context& ctx, const sym_entry& entry) {
    exp_list dimension = entry.array_spec ? e_copy_expr(entry.array_spec->dimension) : exp_list{};
    ee_print_exp(ctx, dimension, ee_value);
}

exp_list zero_subscript(Context& ctx) {
    return e_get_word_const(ctx, val_decimal, 0);
}

void size_of_based(Context& ctx, exp_node& argument, const sym_entry& entry) {
    if (entry.usage == usage::array_variable) {
        if (argument.args.empty() && !argument.member.empty()) argument.args = zero_subscript(ctx);
        if (!argument.args.empty()) {
            print_sizeof(ctx, argument);
            return;
        }
        ctx.output.print("((");
        print_dimension(ctx, entry);
        ctx.output.print(") * ");
        print_sizeof(ctx, argument, "*");
        ctx.output.print(")");
        return;
    }
    if (entry.usage == usage::structure_variable && argument.member.empty()) {
        print_sizeof(ctx, argument, "*");
        return;
    }
    print_sizeof(ctx, argument);
}

} // namespace

bool Builtins::blt_hash_insert(Context& ctx, std::string name, std::string_view type_word,
                               std::string c_name) {
    ctx.keywords.kw_rename(name);
    builtin_entry& entry = table_[name];
    std::optional<int> slot = parameter_slot(type_word);
    if (!slot) {
        ctx.messages.console_only(
            format("xlatr.bf: Builtin function \"%s\" parameter type is unknown", name.c_str()));
        ctx.messages.error_flag = true;
        return false;
    }
    entry.c_names[static_cast<std::size_t>(*slot)] = std::move(c_name);
    return true;
}

const builtin_entry* Builtins::blt_lookup(std::string_view name) const {
    auto it = table_.find(std::string(name));
    return it == table_.end() ? nullptr : &it->second;
}

bool blt_init(Context& ctx) {
    ctx.builtins.clear();
    std::optional<std::string> text = ctx.files.read(table_file);
    if (!text) return false;
    WordReader words(*text);
    for (int number = 1;; ++number) {
        bool malformed = false;
        std::optional<record> rec = read_record(words, malformed);
        std::optional<int> return_type = rec ? return_type_code(rec->return_word) : std::nullopt;
        // An empty table is as unusable as a broken one.
        if (malformed || (rec && !return_type) || (!rec && number == 1)) {
            malformed_table(ctx, number);
            return false;
        }
        if (!rec) return true;
        if (is_sizeof_builtin(rec->name)) continue;
        ctx.builtins.blt_hash_insert(ctx, rec->name, rec->type_word, rec->c_name);
        declare_c_function(ctx, rec->c_name, *return_type, rec->type_word);
    }
}

bool blt_dispatch(Context& ctx, exp_node& node) {
    if (node.name == "size" && !node.args.empty()) {
        blt_size(ctx, node);
        return true;
    }
    if (node.name == "length" && !node.args.empty()) return blt_length(ctx, node, true);
    if (node.name == "last" && !node.args.empty()) return blt_last(ctx, node);
    blt_translate_call(ctx, node);
    return false;
}

void blt_size(Context& ctx, exp_node& node) {
    exp_node& argument = node.args.front();
    const sym_entry* entry = argument.kind == exp_identifier ? ctx.symbols.h_lookup(argument.name) : nullptr;
    if (!entry) {
        ctx.output.print("sizeof(");
        ee_print_exp(ctx, node.args, ee_value);
        ctx.output.print(")");
        return;
    }
    if (!entry->base_name.empty()) {
        size_of_based(ctx, argument, *entry);
        return;
    }
    if (!argument.member.empty() && argument.args.empty()) argument.args = zero_subscript(ctx);
    print_sizeof(ctx, argument);
}

bool blt_length(Context& ctx, exp_node& node, bool close) {
    exp_node& argument = node.args.front();
    const sym_entry* entry = argument.kind == exp_identifier ? ctx.symbols.h_lookup(argument.name) : nullptr;
    if (!entry) return false;
    const char* closing = close ? ")" : "";
    ctx.output.print("(");
    if (!entry->base_name.empty() && argument.member.empty()) {
        print_dimension(ctx, *entry);
        ctx.output.print(closing);
        return true;
    }
    blt_size(ctx, node);
    ctx.output.print(" / ");
    // The size of one element: the argument with a temporary subscript 0.
    exp_list& subscript = argument.member.empty() ? argument.args : argument.member_args;
    const bool temporary = subscript.empty();
    if (temporary) subscript = zero_subscript(ctx);
    blt_size(ctx, node);
    ctx.output.print(closing);
    if (temporary) subscript.clear();
    return true;
}

bool blt_last(Context& ctx, exp_node& node) {
    const exp_node& argument = node.args.front();
    if (argument.kind != exp_identifier || !ctx.symbols.h_lookup(argument.name)) return false;
    blt_length(ctx, node, false);
    ctx.output.print(" - 1)");
    return true;
}

void blt_translate_call(Context& ctx, exp_node& node) {
    if (node.kind != exp_identifier || node.args.empty()) return;
    for (exp_node& argument : node.args)
        blt_translate_call(ctx, argument);
    const int type = blt_get_parm_type(ctx, node.args, 0);
    const builtin_entry* entry = ctx.builtins.blt_lookup(node.name);
    if (!entry || ctx.symbols.h_lookup(node.name)) return;
    blt_simple_type(*entry, type, node);
}

int blt_get_parm_type(Context& ctx, const exp_list& list, int depth) {
    exp_list::const_iterator it = list.begin();
    return scan_operands(ctx, it, list.end(), depth);
}

} // namespace xlatr
