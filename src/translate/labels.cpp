#include "translate/labels.h"

#include "driver/context.h"
#include "support/strings.h"
#include "translate/expressions.h"
#include "translate/procedures.h"

#include <algorithm>

namespace xlatr {

namespace {

constexpr int label_declared_before = 27;

std::string jump_function_name(std::string_view name) {
    return "JMP_to_" + std::string(name);
}

// The jump buffer that a PUBLIC label fills where it stands, for its jump
// function to return there.
std::string jump_buffer_name(std::string_view name) {
    std::string buffer = "JMP_buf_";
    buffer += name;
    return buffer;
}

// Whether `function` is the main program or a procedure still open around
// the current one: a label there can be jumped to from here.
bool encloses_current(const Context& ctx, const std::string& function) {
    if (function.empty()) return true;
    for (const procedure_frame& frame : ctx.procedures.frames)
        if (frame.body_name == function) return true;
    return false;
}

// Gives a label that a GOTO from another function reaches its jump
// function, written at the first such GOTO (a PUBLIC label has one from its
// declaration on); false when it cannot be written.
bool make_jump_target(Context& ctx, sym_entry& label) {
    if (label.scope != scope_code::public_scope && !label.reached_by_jump &&
        !lb_open_jump_func(ctx, label.name))
        return false;
    label.reached_by_jump = true;
    return true;
}

} // namespace

bool lb_insert_label(Context& ctx, std::string_view name, scope_code mode, int defined) {
    if (sym_entry* existing = ctx.symbols.h_lookup_global(name)) {
        ++existing->reference_count;
        if (existing->reference_count > 1) {
            s_error(ctx, label_declared_before);
            return false;
        }
        // The function that defines a declared label is the one that holds it.
        if (defined == 1) existing->label_function = lb_current_function(ctx);
        return true;
    }
    if (mode == scope_code::public_scope) lb_open_jump_func(ctx, name);
    auto entry = std::make_unique<sym_entry>();
    entry->name = ctx.labels.spelling_for(name);
    lb_init_label(ctx, std::move(entry), mode, defined);
    return true;
}

void Labels::remember_goto(std::string_view name) {
    for (const std::string& spelling : goto_spellings_)
        if (same_plm_name(spelling, name)) return;
    goto_spellings_.emplace_back(name);
}

std::string Labels::spelling_for(std::string_view name) const {
    for (const std::string& spelling : goto_spellings_)
        if (same_plm_name(spelling, name)) return spelling;
    return std::string(name);
}

void Labels::note_definition(std::string_view name) {
    definitions_.insert(ascii_lowered(name));
}

bool Labels::defined_in_code(std::string_view name) const {
    return definitions_.count(ascii_lowered(name)) != 0;
}

bool lb_label_location(Context& ctx, exp_list& reference) {
    if (reference.size() != 1) return false;
    const exp_node& node = reference.front();
    if (node.kind != exp_identifier || !node.args.empty() || !node.member.empty()) return false;
    // A name declared as something else here is not the label; one not
    // declared yet may be a label defined further on.
    const sym_entry* entry = ctx.symbols.h_lookup(node.name);
    if (entry ? entry->usage != usage::label : !ctx.labels.defined_in_code(node.name)) return false;
    ctx.messages.log_printf("%s: warning! location of label \"%s\" has no C form, 0 is used in line %d\n",
                            ctx.message_file(), node.name.c_str(), ctx.s_current_line());
    reference = e_get_word_const(ctx, val_decimal, 0);
    return true;
}

void lb_insert_factored_labs(Context& ctx, var_list list, scope_code mode) {
    for (std::unique_ptr<sym_entry>& entry : list) {
        const std::string name = entry->name;
        if (sym_entry* existing = ctx.symbols.h_lookup_global(name)) {
            if (++existing->reference_count > 1) s_error(ctx, label_declared_before);
        } else {
            lb_init_label(ctx, std::move(entry), mode, 0);
        }
        if (mode == scope_code::public_scope) lb_open_jump_func(ctx, name);
    }
}

std::string lb_c_name(Context& ctx, std::string_view name) {
    const sym_entry* label = ctx.symbols.h_lookup_global(name);
    return label && label->usage == usage::label ? label->name : ctx.labels.spelling_for(name);
}

std::string lb_current_function(const Context& ctx) {
    const procedure_frame* frame = ctx.procedures.current();
    return frame ? frame->body_name : std::string();
}

void lb_init_label(Context& ctx, std::unique_ptr<sym_entry> entry, scope_code mode, int count) {
    entry->label_function = lb_current_function(ctx);
    entry->type_code = type_code::label_type;
    entry->usage = usage::label;
    entry->scope = mode;
    entry->reference_count = count;
    // An EXTERNAL label is owned by another module: it can never be defined
    // here, and a GOTO to it calls that module's jump function.
    if (mode == scope_code::external_scope) {
        entry->access_path = jump_function_name(entry->name) + "()";
        entry->reference_count = 1;
    }
    std::string name = entry->name;
    if (!ctx.symbols.h_insert_global(entry)) s_warn_multiply_declared(ctx, name);
}

bool lb_open_jump_func(Context& ctx, std::string_view name) {
    if (!ctx.output.o_push_file("tmp_func.t", false, false, Storage::memory)) {
        ctx.messages.log_printf("ERROR! cannot open file \"%s\" in routine %s\n", "tmp_func.t",
                                "lb_open_jump_func");
        ctx.messages.error_flag = true;
        return false;
    }
    // C cannot goto a label of another function: the label's statement
    // saves its place with setjmp, and the jump function returns there with
    // longjmp, which needs the function that holds the label (the main
    // program) to be running, as a jump into it from outside does in PL/M.
    const std::string buffer = jump_buffer_name(ctx.labels.spelling_for(name));
    std::vector<std::string>& targets = ctx.labels.jump_targets;
    if (std::find(targets.begin(), targets.end(), name) == targets.end()) targets.emplace_back(name);
    std::string& header = ctx.files.temps.open("tmp_header.t", false);
    if (!ctx.labels.setjmp_declared) header += "#include <setjmp.h>\n";
    ctx.labels.setjmp_declared = true;
    header += "static jmp_buf  ";
    header += buffer;
    header += ";\n";
    ctx.blocks.b_push_block(BlockKind::procedure);
    std::string function = jump_function_name(name);
    ctx.output.o_indent();
    ctx.output.printf("\n%s()\n{\n  longjmp(%s, 1);\n}\n\n\n", function.c_str(), buffer.c_str());
    ctx.blocks.b_pop_block();
    ctx.output.o_pop_file();
    return true;
}

bool lb_jump_from_other_function(Context& ctx, std::string_view name) {
    sym_entry* label = ctx.symbols.h_lookup_global(name);
    if (!label || label->usage != usage::label || label->scope == scope_code::external_scope) return false;
    if (label->label_function == lb_current_function(ctx) || !encloses_current(ctx, label->label_function))
        return false;
    if (!make_jump_target(ctx, *label)) return false;
    ctx.output.printf("%s();\n", jump_function_name(label->name).c_str());
    return true;
}

void lb_resolve_early_gotos(Context& ctx, const std::string& function, std::string& body) {
    std::vector<Labels::early_goto>& gotos = ctx.labels.early_gotos;
    std::vector<Labels::early_goto> own;
    std::erase_if(gotos, [&](Labels::early_goto& jump) {
        if (jump.function != function) return false;
        own.push_back(std::move(jump));
        return true;
    });
    // From the last to the first, so that a rewrite leaves the places of
    // the gotos before it as they were.
    std::sort(own.begin(), own.end(),
              [](const Labels::early_goto& a, const Labels::early_goto& b) { return a.at > b.at; });
    for (const Labels::early_goto& jump : own) {
        sym_entry* label = ctx.symbols.h_lookup_global(jump.name);
        if (label && (label->usage != usage::label || label->label_function == function)) continue;
        if (!label) {
            auto entry = std::make_unique<sym_entry>();
            entry->name = jump.name;
            lb_init_label(ctx, std::move(entry), scope_code::local_scope, 0);
            label = ctx.symbols.h_lookup_global(jump.name);
            if (!label) continue;
            // Defined later, in a block around this procedure.
            label->label_function.clear();
        }
        if (label->scope == scope_code::external_scope || !make_jump_target(ctx, *label)) continue;
        std::string from = "goto ";
        from += jump.name;
        from += ";\n";
        if (jump.at > body.size() || body.compare(jump.at, from.size(), from) != 0) continue;
        std::string to = jump_function_name(label->name);
        to += "();\n";
        body.replace(jump.at, from.size(), to);
    }
}

namespace {

// The entry of the current function when its arming will reach the label
// being defined now: it lies in the text being written.
const Labels::function_entry* armed_entry(const Context& ctx) {
    auto entry = ctx.labels.entries.find(lb_current_function(ctx));
    if (entry == ctx.labels.entries.end() || entry->second.text != ctx.output.o_current_text())
        return nullptr;
    return &entry->second;
}

} // namespace

void lb_save_label_place(Context& ctx, std::string_view name) {
    const sym_entry* label = ctx.symbols.h_lookup_global(name);
    if (!label || label->usage != usage::label) return;
    if (label->scope != scope_code::public_scope && !label->reached_by_jump) return;
    if (armed_entry(ctx)) return;
    ctx.output.o_indent();
    ctx.output.printf("setjmp(%s);\n", jump_buffer_name(label->name).c_str());
}

void lb_note_function_entry(Context& ctx) {
    // An EXTERNAL procedure has no statements here.
    const procedure_frame* frame = ctx.procedures.current();
    if (ctx.blocks.b_in_procedure() && (!frame || frame->proc_external)) return;
    const std::string function = lb_current_function(ctx);
    if (ctx.labels.entries.count(function) != 0) return;
    std::string* text = ctx.output.o_current_text();
    if (!text) return;
    ctx.labels.entries[function] = {text, text->size(), ctx.output.indent_level()};
}

void lb_arm_jump_targets(Context& ctx, const std::string& function, std::string& body) {
    auto entry = ctx.labels.entries.find(function);
    if (entry == ctx.labels.entries.end() || entry->second.text != &body || entry->second.at > body.size())
        return;
    std::string arming;
    for (const std::string& name : ctx.labels.jump_targets) {
        const sym_entry* label = ctx.symbols.h_lookup_global(name);
        if (!label || label->usage != usage::label || label->scope == scope_code::external_scope ||
            label->label_function != function || label->reference_count == 0)
            continue; // of another function, or declared and never defined
        arming.append(static_cast<std::size_t>(entry->second.indent), ' ');
        arming += "if (setjmp(";
        arming += jump_buffer_name(label->name);
        arming += ")) goto ";
        arming += label->name;
        arming += ";\n";
    }
    body.insert(entry->second.at, arming);
    ctx.labels.entries.erase(entry);
}

} // namespace xlatr
