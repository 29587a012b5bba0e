#include "declarations/directives.h"

#include "declarations/emission.h"
#include "declarations/symbols.h"
#include "driver/context.h"
#include "support/messages.h"

#include <iterator>
#include <memory>

namespace xlatr {

namespace {

constexpr int control_save = 9;
constexpr int control_restore = 10;

constexpr int set_code = 2;
constexpr int reset_code = 3;
constexpr int left_margin_code = 4;

constexpr int leftmargin_not_const = 25;

constexpr const char* directive_file = "d_irect.t";

bool is_identifier(const exp_node& node) {
    return node.kind == exp_identifier;
}

bool is_operator(const exp_node& node, int op) {
    return node.kind == exp_operator && node.op == op;
}

// Nodes that printing a condition adds: the generated operators, and the
// constants that stand right after "?", ":" and the lowest-bit mask. A saved
// condition that was printed before still counts as the source wrote it.
bool is_generated(const exp_node& node, const exp_node* previous) {
    if (node.kind == exp_operator) return node.op >= op_logical_and;
    return node.kind == exp_constant && previous &&
           (is_operator(*previous, op_question) || is_operator(*previous, op_colon) ||
            is_operator(*previous, op_low_bit));
}

void print(Context& ctx, std::string_view text) {
    ctx.output.print(text);
}

// One "name" or "name = value" item of $SET or $RESET, its nodes taken from
// the argument list.
void print_switch_item(Context& ctx, exp_list item, bool reset) {
    exp_node& name = item.front();
    exp_list value;
    if (item.size() > 1 && is_operator(*std::next(item.begin()), op_eq))
        value.splice(value.end(), item, std::next(item.begin(), 2), item.end());

    if (reset) {
        print(ctx, "\n#undef ");
        ee_parse_exp_node(ctx, name);
    }
    print(ctx, "\n#define ");
    ee_parse_exp_node(ctx, name);
    print(ctx, "\t");
    if (!value.empty())
        ee_print_exp(ctx, value, ee_value);
    else
        print(ctx, reset ? "0" : "0XFF");

    // A switch given a value is tested by C on that value: what a region
    // of it holds is not known here, and -c must not leave out its
    // includes.
    sym_entry* entry = ctx.symbols.h_lookup(name.name);
    if (entry && entry->usage == usage::directive_switch)
        entry->flag = !value.empty() ? if_undetermined : reset ? if_false : if_true;
}

// Reads the directive file back as remark text, so that its lines keep the
// directive's place among the remarks and declarations around it.
void place_directive_text(Context& ctx) {
    if (ctx.remarks.r_begin_file_remark(directive_file)) ctx.remarks.r_scan_remark();
}

enum class region_line { opens, continues, closes };

// Prints a line of a region. Before the main program opens, notes where the
// region that is open stands while nothing but its own lines follow its
// "#if", for dv_take_region_lines; a closed region stays where it is.
template <typename Print>
void print_region_line(Context& ctx, region_line line, Print print_line) {
    Directives& directives = ctx.directives;
    const std::string* text = ctx.output.o_current_text();
    const bool before_main = ctx.statements.main_pending && !ctx.blocks.b_in_procedure() && text;
    const bool continues_run =
        before_main && directives.region_text == text && directives.region_end == text->size();
    const std::size_t start = text ? text->size() : 0;
    print_line();
    if (before_main && line == region_line::opens) {
        directives.region_text = text;
        directives.region_start = start;
        directives.region_end = text->size();
    } else if (continues_run && line == region_line::continues) {
        directives.region_end = text->size();
    } else {
        directives.region_text = nullptr;
    }
}

// Names of directive switches are told from program names by the case of a
// letter: while a directive is handled, names match their own spelling only.
class ExactNames {
  public:
    explicit ExactNames(Context& ctx) : symbols_(ctx.symbols), saved_(ctx.symbols.exact_names) {
        symbols_.exact_names = true;
    }
    ~ExactNames() { symbols_.exact_names = saved_; }
    ExactNames(const ExactNames&) = delete;
    ExactNames& operator=(const ExactNames&) = delete;

  private:
    SymbolTables& symbols_;
    bool saved_;
};

} // namespace

std::string dv_take_region_lines(Context& ctx) {
    Directives& directives = ctx.directives;
    std::string* text = ctx.output.o_current_text();
    std::string lines;
    if (text && text == directives.region_text && text->size() == directives.region_end) {
        lines = text->substr(directives.region_start);
        text->resize(directives.region_start);
    }
    directives.region_text = nullptr;
    return lines;
}

void dv_remark_printed(Context& ctx, const std::string* text, std::size_t from) {
    Directives& directives = ctx.directives;
    if (text && text == directives.region_text && from == directives.region_end)
        directives.region_end = text->size();
}

void dv_reset_directives(Context& ctx) {
    ctx.directives = Directives{};
    dv_reset_left_margin(ctx);
}

int dv_get_left_margin(const Context& ctx) {
    return ctx.scanner.left_margin;
}

void dv_reset_left_margin(Context& ctx) {
    ctx.scanner.left_margin = 0;
}

void dv_control(Context& ctx, int number) {
    if (number == control_save) ddv_push(ctx);
    if (number == control_restore) ddv_pop(ctx);
}

void ddv_push(Context& ctx) {
    ctx.directives.margin_stack.push_back(ctx.scanner.left_margin);
}

bool ddv_pop(Context& ctx) {
    std::vector<int>& stack = ctx.directives.margin_stack;
    if (stack.empty()) return false;
    ctx.scanner.left_margin = stack.back();
    stack.pop_back();
    return true;
}

void dv_set_state(Context& ctx, int code, exp_list list) {
    const ExactNames exact(ctx);
    dv_update_ids(ctx, list);
    switch (code) {
    case set_code:
        dv_set_direct(ctx, std::move(list), false);
        break;
    case reset_code:
        dv_set_direct(ctx, std::move(list), true);
        break;
    case left_margin_code:
        dv_left_margin(ctx, std::move(list));
        break;
    default:
        break;
    }
}

void dv_if_state(Context& ctx, bool elseif, exp_list list) {
    const ExactNames exact(ctx);
    dv_update_ids(ctx, list);
    dv_print_if(ctx, std::move(list), elseif);
}

void dv_else_state(Context& ctx) {
    d_flush_declarations(ctx);
    print_region_line(ctx, region_line::continues, [&] { print(ctx, "\n#else\n\n"); });
    Directives& directives = ctx.directives;
    if (directives.branch_known_taken)
        directives.if_state = if_false;
    else if (directives.all_known_skipped)
        directives.if_state = if_true;
    else
        directives.if_state = if_undetermined;
    directives.in_else = true;
    ++directives.branch;
}

void dv_endif_state(Context& ctx) {
    d_flush_declarations(ctx);
    print_region_line(ctx, region_line::closes, [&] { print(ctx, "\n#endif\n\n"); });
    Directives& directives = ctx.directives;
    directives.if_state = if_undetermined;
    directives.saved_condition.clear();
    directives.earlier_conditions.clear();
    directives.in_else = false;
    directives.region = 0;
    directives.branch = 0;
}

void dv_print_condition(Context& ctx, exp_list& list) {
    const ExactNames exact(ctx);
    dv_eval_condition(ctx, list);
    ee_print_exp(ctx, list, ee_condition);
}

void dv_switch_spelling(std::string& name) {
    for (auto c = name.rbegin(); c != name.rend(); ++c) {
        if (*c >= 'a' && *c <= 'z') {
            *c = static_cast<char>(*c - 'a' + 'A');
            return;
        }
    }
}

sym_entry* h_insert_dirctv_const(Context& ctx, std::string_view name) {
    auto entry = std::make_unique<sym_entry>();
    entry->name = name;
    entry->type_code = type_code::directive_type;
    entry->usage = usage::directive_switch;
    sym_entry* installed = ctx.symbols.h_insert(entry);
    if (!installed) {
        ctx.messages.log_printf("ERROR: h_install FAILED in %s\n", "h_insert_dirctv_const");
        ctx.messages.error_flag = true;
    }
    return installed;
}

void dv_update_ids(Context& ctx, exp_list& list) {
    for (exp_node& node : list) {
        if (!is_identifier(node)) continue;
        dv_switch_spelling(node.name);
        if (!ctx.symbols.h_lookup(node.name)) h_insert_dirctv_const(ctx, node.name);
    }
}

void dv_set_direct(Context& ctx, exp_list list, bool reset) {
    if (!ctx.output.o_push_file(directive_file, true, false, Storage::memory)) {
        ctx.messages.log_printf("ERROR! cannot open file \"%s\" in routine %s\n", directive_file,
                                "dv_set_direct");
        ctx.messages.error_flag = true;
        return;
    }
    while (!list.empty()) {
        auto comma = list.begin();
        while (comma != list.end() && !is_operator(*comma, op_comma))
            ++comma;
        exp_list item;
        item.splice(item.end(), list, list.begin(), comma);
        if (comma != list.end()) list.pop_front();
        if (!item.empty() && is_identifier(item.front())) print_switch_item(ctx, std::move(item), reset);
    }
    print(ctx, " \n*/");
    ctx.output.o_pop_file();
    place_directive_text(ctx);
}

void dv_left_margin(Context& ctx, exp_list list) {
    auto first = list.begin();
    if (first != list.end() && is_operator(*first, op_open)) ++first;
    const bool whole_number =
        first != list.end() && first->kind == exp_constant && is_whole_kind(first->value.kind);
    if (!whole_number) {
        s_error(ctx, leftmargin_not_const);
        return;
    }
    ctx.scanner.left_margin = first->value.number;
}

void dv_print_if(Context& ctx, exp_list list, bool elseif) {
    d_flush_declarations(ctx);
    // $ELSEIF goes on with the region that $IF opened, as an #elif: its
    // branch is taken only when no branch before it is.
    print_region_line(ctx, elseif ? region_line::continues : region_line::opens, [&] {
        print(ctx, elseif ? "\n#elif  " : "\n#if  ");
        dv_print_condition(ctx, list);
        print(ctx, " \n");
    });
    Directives& directives = ctx.directives;
    if (elseif) {
        if (directives.branch_known_taken)
            directives.if_state = if_false;
        else if (!directives.all_known_skipped && directives.if_state == if_true)
            directives.if_state = if_undetermined;
        directives.earlier_conditions.push_back(std::move(directives.saved_condition));
        ++directives.branch;
    } else {
        directives.earlier_conditions.clear();
        directives.region = ++directives.regions_opened;
        directives.branch = 0;
        directives.branch_known_taken = false;
        directives.all_known_skipped = true;
    }
    directives.branch_known_taken = directives.branch_known_taken || directives.if_state == if_true;
    directives.all_known_skipped = directives.all_known_skipped && directives.if_state == if_false;
    directives.saved_condition = std::move(list);
    directives.in_else = false;
}

void dv_eval_condition(Context& ctx, const exp_list& list) {
    int state = if_true;
    int tokens = 0;
    const exp_node* previous = nullptr;
    for (const exp_node& node : list) {
        const bool generated = is_generated(node, previous);
        previous = &node;
        if (generated) continue;
        ++tokens;
        if (!is_identifier(node)) continue;
        const sym_entry* entry = ctx.symbols.h_lookup(node.name);
        state = entry && entry->usage == usage::directive_switch ? entry->flag : if_false;
    }
    ctx.directives.if_state = tokens > 1 ? if_undetermined : state;
}

} // namespace xlatr
