#include "frontend/first_pass.h"

#include "driver/context.h"
#include "frontend/tokens.h"

#include <string>
#include <vector>

namespace xlatr {

namespace {

enum class element_end { next_element, search, end_of_input };

// What the first pass follows besides the macros: whether the unit's head
// ("name: DO;") is still to come, and the blocks open around the current
// token, each a DO or a PROCEDURE closed by END.
struct scan_state {
    bool module_head = true;
    std::vector<bool> blocks; // true: a procedure

    // Inside the module's own DO alone: a name declared here is a variable
    // or procedure of the module, at file scope in C.
    bool at_module_level() const { return blocks.size() == 1 && !blocks.front(); }
    void follow(int code) {
        if (code == tok::DO)
            blocks.push_back(false);
        else if (code == tok::PROCEDURE)
            blocks.push_back(true);
        else if (code == tok::END && !blocks.empty())
            blocks.pop_back();
    }
};

element_end stop_at(int code) {
    return code == tok::END_OF_INPUT ? element_end::end_of_input : element_end::search;
}

// Skips the rest of an element that is no text macro, from its token `code`
// on: the next element follows its "," (outside parentheses), a ";" ends the
// declaration.
element_end skip_element(Scanner& scanner, int code) {
    int depth = 0;
    for (;; code = scanner.s_next_token()) {
        if (code == tok::END_OF_INPUT) return element_end::end_of_input;
        if (code == '(') ++depth;
        if (code == ')' && depth > 0) --depth;
        if (depth == 0 && code == ',') return element_end::next_element;
        if (depth == 0 && code == ';') return element_end::search;
        scanner.s_free_token(code);
    }
}

// Reads on to the next DECLARE; false at the end of all input. On the way
// it notes the names defined as labels ("name:" in front of anything but
// PROCEDURE) and the procedures of the module. The first "name:" of the
// unit names the module, which is no label.
bool find_declare(Context& ctx, scan_state& state) {
    Scanner& scanner = ctx.scanner;
    std::string name;
    int previous = 0;
    bool label_pending = false;
    for (;;) {
        int code = scanner.s_next_token();
        if (label_pending && code != tok::PROCEDURE) ctx.labels.note_definition(name);
        if (label_pending && code == tok::PROCEDURE && state.at_module_level())
            ctx.procedures.module_names.insert(name);
        label_pending = previous == tok::IDENTIFIER && code == ':' && !state.module_head;
        if (previous == tok::IDENTIFIER && code == ':') state.module_head = false;
        if (code == tok::IDENTIFIER) name.assign(scanner.token().value.text);
        state.follow(code);
        previous = code;
        if (code == tok::DECLARE) return true;
        if (code == tok::END_OF_INPUT) return false;
        scanner.s_free_token(code);
    }
}

// One declaration element: "name LITERALLY 'text'" enters a text macro; any
// other element is skipped, so that a macro declared after a variable in one
// DECLARE is entered too. A number or a STRUCTURE type between the
// apostrophes reaches the scanner's user as tokens; the parser's pass
// handles such literals.
element_end read_element(Context& ctx, const scan_state& state) {
    Scanner& scanner = ctx.scanner;
    scanner.set_no_expansion_once();
    int code = scanner.s_next_token();
    if (code == '(') {
        // A factored element: each name of its list is declared.
        while ((code = scanner.s_next_token()) == tok::IDENTIFIER || code == ',') {
            if (code == tok::IDENTIFIER && state.at_module_level())
                ctx.procedures.module_names.insert(scanner.token().value.text);
            scanner.s_free_token(code);
        }
        return skip_element(scanner, code);
    }
    if (code != tok::IDENTIFIER) return skip_element(scanner, code);
    std::string name = scanner.token().value.text;
    if ((code = scanner.s_next_token()) != tok::LITERALLY) {
        if (state.at_module_level()) ctx.procedures.module_names.insert(name);
        return skip_element(scanner, code);
    }
    if ((code = scanner.s_next_token()) != tok::QUOTE) return stop_at(code);
    code = scanner.s_next_token();
    if (code == tok::STRING_TEXT) {
        std::string text = scanner.token().value.text;
        if ((code = scanner.s_next_token()) != tok::QUOTE) return stop_at(code);
        ctx.symbols.h_insert_macro(name, text);
    } else {
        if (code == tok::END_OF_INPUT) return element_end::end_of_input;
        do {
            scanner.s_free_token(code);
            code = scanner.s_next_token();
        } while (code != tok::QUOTE && code != tok::END_OF_INPUT);
        if (code == tok::END_OF_INPUT) return element_end::end_of_input;
    }
    code = scanner.s_next_token();
    if (code == ',' || code == tok::DECLARE) return element_end::next_element;
    return stop_at(code);
}

} // namespace

void s_first_pass(Context& ctx) {
    scan_state state;
    while (find_declare(ctx, state)) {
        if (!ctx.symbols.h_alloc_declare_block())
            ctx.messages.log_printf("%s: INTERNAL - local first pass: alloc declare failed in line %d\n",
                                    ctx.message_file(), ctx.s_current_line());
        element_end end;
        while ((end = read_element(ctx, state)) == element_end::next_element) {
        }
        if (end == element_end::end_of_input) return;
    }
}

bool s_is_macro(Context& ctx, int token) {
    if (token != tok::IDENTIFIER) return false;
    const std::string& name = ctx.scanner.token().value.text;
    const sym_entry* entry = ctx.symbols.h_lookup(name);
    if (!entry || entry->type_code != type_code::literal_type || entry->usage == usage::ignored_literal)
        return false;
    // Expanding a macro inside its own expansion would never end; the name
    // is passed on as it is. The first time is reported: every use of the
    // macro meets the same cycle again.
    if (ctx.includes.i_expanding(name)) {
        if (ctx.includes.i_first_self_expansion(name))
            ctx.messages.log_printf("%s: fatal! macro \"%s\" expands itself - line %d\n", ctx.message_file(),
                                    name.c_str(), ctx.s_current_line());
        ctx.messages.error_flag = true;
        return false;
    }
    return s_read_macro(ctx, name, entry->text);
}

bool s_read_macro(Context& ctx, const std::string& name, const std::string& text) {
    ctx.includes.i_push_text(name, text, true);
    return true;
}

} // namespace xlatr
