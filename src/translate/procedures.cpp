#include "translate/procedures.h"

#include "declarations/directives.h"
#include "declarations/emission.h"
#include "declarations/symbols.h"
#include "declarations/unions.h"
#include "driver/context.h"
#include "support/messages.h"
#include "support/strings.h"
#include "translate/labels.h"

#include <algorithm>

namespace xlatr {

namespace {

constexpr int no_such_case = 5;
constexpr int interrupt_as_ordinary = 21;
constexpr int procedure_within_procedure = 22;

constexpr const char* header_text = "tmp_header.t";
constexpr const char* function_text = "tmp_func.t";
constexpr const char* main_text = "tmp_main.t";
constexpr const char* opening_text = "st_func.t";

// The C type word of a return type, with its trailing blank.
const char* return_type_word(Context& ctx, int type) {
    switch (type) {
    case proc_untyped:
        return "void ";
    case 1:
        return "BYTE ";
    case 2:
        return "WORD ";
    case 3:
        return "DWORD ";
    case 4:
        return "INTEGER ";
    case 5:
    case 8:
        return "POINTER ";
    case 6:
        return "REAL ";
    case 15:
        return "BIT ";
    default:
        s_error(ctx, no_such_case);
        return "";
    }
}

bool is_static_storage(int storage) {
    return storage == proc_plain || storage == proc_reentrant_code || storage == proc_interrupt;
}

bool is_reentrant_storage(int storage) {
    return storage == proc_reentrant_code || storage == proc_public_reentrant;
}

scope_code storage_scope(int storage) {
    switch (storage) {
    case proc_public:
    case proc_public_reentrant:
    case proc_public_interrupt:
        return scope_code::public_scope;
    case proc_external:
        return scope_code::external_scope;
    default:
        return scope_code::local_scope;
    }
}

void print(Context& ctx, std::string_view text) {
    ctx.output.print(text);
}

void indent_print(Context& ctx, std::string_view text) {
    ctx.output.o_indent();
    ctx.output.print(text);
}

std::string& prototypes(Context& ctx) {
    return ctx.files.temps.open(header_text, false);
}

// Opens the function's own output and, above it, the scratch text that
// captures the function's opening text.
bool open_function_output(Context& ctx, procedure_frame& frame) {
    frame.body_name = str_num_cat("tmp_proc", ++ctx.procedures.body_counter, ".t");
    if (!ctx.output.o_push_file(frame.body_name, true, false, Storage::memory)) {
        ctx.messages.log_printf("ERROR! cannot open file \"%s\" in routine %s\n", function_text,
                                "p_declare_procedure");
        ctx.messages.error_flag = true;
        return false;
    }
    ctx.output.o_push_file(opening_text, true, false, Storage::memory);
    print(ctx, "\n");
    return true;
}

// The opening text becomes the procedure's header remarks: the first flush
// of its declarations prints it in front of everything else.
void pp_close_sim_remark(Context& ctx) {
    ctx.output.o_pop_file();
    ctx.remarks.r_swap_header();
    ctx.remarks.r_read_file_as_remark(opening_text);
    ctx.remarks.r_swap_header_back();
    ctx.files.temps.remove(opening_text);
}

// "#if" with the condition of the branch of the region the procedure stands
// in. A condition that must not hold (those of the branches before an
// $ELSEIF, the last one after $ELSE) is tested with " == 0" behind it in
// parentheses: a bare "(x)&1 == 0" would test x & (1 == 0), which is never
// true. Printing the conditions must not change what is known of the region.
void open_condition(Context& ctx) {
    Directives& directives = ctx.directives;
    const int if_state = directives.if_state;
    const auto print_condition = [&](const exp_list& list, bool holds) {
        if (!holds) indent_print(ctx, "(");
        exp_list condition = e_copy_expr(list);
        dv_print_condition(ctx, condition);
        if (!holds) indent_print(ctx, ") == 0");
    };
    indent_print(ctx, "#if ");
    for (const exp_list& earlier : directives.earlier_conditions) {
        print_condition(earlier, false);
        indent_print(ctx, " && ");
    }
    print_condition(directives.saved_condition, !directives.in_else);
    indent_print(ctx, "\n\n");
    directives.if_state = if_state;
}

void print_storage_class(Context& ctx, procedure_frame& frame) {
    if (is_static_storage(frame.storage)) {
        indent_print(ctx, "static\n");
        if (!ctx.options.ansi_flag) prototypes(ctx) += "static ";
    } else if (frame.storage == proc_external) {
        if (ctx.options.ansi_flag)
            frame.proc_type_text += "extern ";
        else
            indent_print(ctx, "extern ");
    }
}

void print_return_type(Context& ctx, procedure_frame& frame, int type) {
    const char* word = return_type_word(ctx, type);
    if (ctx.options.ansi_flag) {
        frame.proc_type_text += word;
        return;
    }
    ctx.output.printf("%s\n", word);
    if (!frame.proc_external) prototypes(ctx) += word;
}

sym_entry* install_procedure(Context& ctx, const std::string& name, const std::string& c_name, int type,
                             int storage) {
    auto entry = std::make_unique<sym_entry>();
    entry->name = name;
    if (c_name != name) entry->access_path = c_name;
    entry->type_code = type == proc_untyped ? type_code::void_type : static_cast<type_code>(type);
    entry->usage = type == proc_untyped ? usage::procedure : usage::typed_procedure;
    entry->scope = storage_scope(storage);
    sym_entry* installed = ctx.symbols.h_insert(entry);
    if (!installed) s_warn_multiply_declared(ctx, name);
    return installed;
}

// The K&R heading line: Move(src,dst,n) for a function, a prototype with the
// parameters in a remark for an EXTERNAL one.
void print_knr_heading(Context& ctx, const procedure_frame& frame) {
    const name_list& params = frame.proc_params;
    ctx.output.o_indent();
    if (!frame.proc_external) {
        ctx.output.printf("%s(", frame.proc_name.c_str());
        for (std::size_t i = 0; i < params.size(); ++i)
            ctx.output.printf(i == 0 ? "%s" : ",%s", params[i].c_str());
        print(ctx, ")\n");
        prototypes(ctx) += frame.proc_name + "();\n";
        return;
    }
    if (params.empty()) {
        ctx.output.printf("%s(", frame.proc_name.c_str());
        print(ctx, ");\n");
        return;
    }
    ctx.output.printf("%s(/* ", frame.proc_name.c_str());
    for (std::size_t i = 0; i < params.size(); ++i)
        ctx.output.printf(i == 0 ? " %s" : ", %s", params[i].c_str());
    print(ctx, " */);\n");
}

void open_scope(Context& ctx) {
    if (!ctx.symbols.h_push_declare_block()) {
        ctx.messages.log_printf("%s: ERROR - push alloc declare failed in line %d\n", ctx.message_file(),
                                ctx.s_current_line());
        ctx.messages.error_flag = true;
    }
    if (!ctx.symbols.h_alloc_declare_block()) {
        ctx.messages.log_printf("%s: ERROR - alloc declare failed in line %d\n", ctx.message_file(),
                                ctx.s_current_line());
        ctx.messages.error_flag = true;
    }
}

void mark_parameters(Context& ctx, const name_list& params) {
    for (const std::string& param : params)
        ctx.declarations.dd_set_id_pending(param, parameter_pending);
}

// The structure type a parameter points to, when it has a name of its own.
const std::string* parameter_structure(Context& ctx, const std::string& param) {
    const sym_entry* entry = ctx.symbols.h_lookup(param);
    if (!entry || !is_pointer(entry->type_code) || entry->pointee_type != type_code::structure_type ||
        entry->structure_type_name.empty())
        return nullptr;
    return &entry->structure_type_name;
}

// Takes the typedef of `name` out of `text`, appending it to `header`.
bool move_typedef(std::string& text, const std::string& name, std::string& header) {
    const std::string closing = "} " + name + ";\n";
    const std::size_t end = text.find(closing);
    if (end == std::string::npos) return false;
    const std::size_t opening = text.rfind("typedef struct {", end);
    if (opening == std::string::npos) return false;
    const std::size_t line = text.rfind('\n', opening);
    const std::size_t start = line == std::string::npos ? 0 : line + 1;
    const std::size_t stop = end + closing.size();
    header.append(text, start, stop - start);
    text.erase(start, stop - start);
    return true;
}

// A parameter that points to a structure declared inside the procedure
// names a typedef that the function's text holds (or, for a procedure
// with nested ones, the text of the functions), below every prototype.
// That typedef moves to the prototypes, ahead of the one that names it.
void move_parameter_typedefs(Context& ctx, const name_list& params, std::string& header) {
    std::string* body = ctx.output.o_current_text();
    for (const std::string& param : params) {
        const std::string* type = parameter_structure(ctx, param);
        if (!type || !ctx.symbols.h_lookup_local(*type)) continue;
        if (body && move_typedef(*body, *type, header)) continue;
        if (std::string* functions = ctx.files.temps.find_mutable(function_text))
            move_typedef(*functions, *type, header);
    }
}

// Whether the prototype needs a structure type of the module (a LITERALLY
// name for a STRUCTURE, perhaps from an include file), which the module's
// declarations hold. The prototypes of the module's C file stand above
// those declarations, so such a prototype follows what the module has
// declared so far: before main, once main has begun. (An include file
// translated to a file of its own has its prototypes below its
// declarations already.)
bool needs_module_types(Context& ctx, const name_list& params) {
    if (ctx.output.o_assembling_include()) return false;
    return std::any_of(params.begin(), params.end(), [&](const std::string& param) {
        const std::string* type = parameter_structure(ctx, param);
        return type && !ctx.symbols.h_lookup_local(*type);
    });
}

// The ANSI prototype repeats the header: the parameter declarations are
// printed a second time into the prototype, after the header has taken
// their remarks.
void write_ansi_prototype(Context& ctx, const procedure_frame& frame, const name_list& params) {
    std::string parameters;
    if (params.empty()) {
        parameters = "void";
    } else {
        mark_parameters(ctx, params);
        OutputCapture capture(ctx.output, parameters);
        dd_flush_Ansi_params(ctx, parameter_pending, static_cast<int>(params.size()), params);
    }
    std::string text;
    move_parameter_typedefs(ctx, params, text);
    if (is_static_storage(frame.storage)) text += "static ";
    text += frame.proc_type_text + " " + frame.proc_name + "(" + parameters + ");\n";
    if (!needs_module_types(ctx, params)) {
        prototypes(ctx) += text;
        return;
    }
    std::string& main = ctx.files.temps.open(main_text, false);
    const Statements& statements = ctx.statements;
    if (statements.main_pending)
        main += text;
    else
        main.insert(std::min(statements.main_offset, main.size()), text);
}

// The procedure's entry keeps its parameters' records, by which calls cast
// their arguments.
void record_parameters(Context& ctx, const procedure_frame& frame, const name_list& params) {
    sym_entry* procedure = frame.entry;
    if (!procedure) return;
    procedure->parameters.clear();
    for (const std::string& param : params) {
        // A parameter left undeclared keeps its place with no type, so
        // that the later ones still meet their arguments.
        const sym_entry* entry = ctx.symbols.h_lookup(param);
        procedure->parameters.push_back(entry ? *entry : sym_entry{});
    }
}

void p_func_parms_ansi(Context& ctx, procedure_frame& frame) {
    const bool pending = frame.proc_header_pending;
    if (pending) indent_print(ctx, format("%s %s(", frame.proc_type_text.c_str(), frame.proc_name.c_str()));
    name_list params = std::move(frame.proc_params);
    frame.proc_params.clear();
    if (!params.empty()) {
        mark_parameters(ctx, params);
        dd_flush_Ansi_params(ctx, parameter_pending, static_cast<int>(params.size()), params);
    }
    if (pending) {
        if (!frame.proc_external) {
            indent_print(ctx, params.empty() ? "void)\n{\n" : ")\n{\n");
            write_ansi_prototype(ctx, frame, params);
            ctx.output.o_indent_in();
        } else {
            if (params.empty() && !frame.open_parameter_list)
                indent_print(ctx, "void);\n");
            else
                indent_print(ctx, frame.open_parameters + ");\n");
        }
    }
    frame.proc_header_pending = false;
}

void p_func_parms_knr(Context& ctx, procedure_frame& frame) {
    if (!frame.proc_params.empty()) {
        mark_parameters(ctx, frame.proc_params);
        if (!frame.proc_external) {
            dd_flush_simple_dec(ctx, parameter_pending);
            indent_print(ctx, "{\n");
        }
        frame.proc_params.clear();
        ctx.output.o_indent_in();
    } else if (frame.proc_header_pending) {
        indent_print(ctx, "{\n");
        ctx.output.o_indent_in();
    }
    frame.proc_header_pending = false;
}

// Appends the finished function to the function text of the unit.
void close_function_output(Context& ctx, const procedure_frame& frame) {
    ctx.output.o_pop_file();
    TempStore& temps = ctx.files.temps;
    if (const std::string* body = temps.find(frame.body_name)) {
        std::string text = *body;
        temps.open(function_text, false) += text;
    }
    temps.remove(frame.body_name);
}

// Whether a C name is taken at file scope: by a declaration of the module
// (not a label or a macro, which live elsewhere in C) or by a function, a
// lifted local or a parameter copy.
bool taken_at_file_scope(Context& ctx, const std::string& name) {
    if (ctx.procedures.file_scope_names.count(name) != 0 || ctx.procedures.module_names.count(name) != 0)
        return true;
    const sym_entry* entry = ctx.symbols.h_lookup_global(name);
    if (!entry) return false;
    switch (entry->usage) {
    case usage::array_variable:
    case usage::procedure:
    case usage::typed_procedure:
    case usage::structure_variable:
    case usage::pointer_scalar:
    case usage::scalar:
    case usage::structure_type:
        return true;
    default:
        return false;
    }
}

// A free C name derived from the procedure's name and the local's:
// proc_name, then proc_name_2, proc_name_3 ... should that be taken too.
std::string unique_lifted_name(Context& ctx, const std::string& procedure, const std::string& name) {
    const std::string base = procedure + "_" + name;
    std::string candidate = base;
    for (int n = 2; taken_at_file_scope(ctx, candidate); ++n)
        candidate = base + "_" + std::to_string(n);
    return candidate;
}

bool is_variable(const sym_entry& entry) {
    switch (entry.usage) {
    case usage::array_variable:
    case usage::structure_variable:
    case usage::pointer_scalar:
    case usage::scalar:
        return true;
    default:
        return false;
    }
}

// Gives each parameter declared so far its file-scope copy; the parameter
// itself stays pending for the function's header.
void lift_parameters(Context& ctx, procedure_frame& outer) {
    // The inner procedures may call the enclosing one.
    record_parameters(ctx, outer, outer.proc_params);
    for (const std::string& param : outer.proc_params) {
        sym_entry* entry = ctx.symbols.h_lookup(param);
        if (!entry || entry->flag != 1 || !is_variable(*entry) || !entry->access_path.empty()) continue;
        const std::string copy = unique_lifted_name(ctx, outer.proc_name, param);
        ctx.procedures.file_scope_names.insert(copy);
        entry->access_path = copy;
        outer.param_copies.emplace_back(copy, param);
        ctx.declarations.dd_set_id_pending(param, parameter_pending);
        dd_flush_param_copy_dec(ctx, *entry, copy);
    }
}

// A local keeps its name at file scope unless that name is taken there.
void lift_locals(Context& ctx, const procedure_frame& outer) {
    for (const kept_id& id : ctx.declarations.pending()) {
        if (id.pending != ordinary_pending) continue;
        sym_entry* entry = ctx.symbols.h_lookup(id.name);
        if (!entry || !is_variable(*entry)) continue;
        if (taken_at_file_scope(ctx, entry->name)) {
            entry->lifted_name = unique_lifted_name(ctx, outer.proc_name, entry->name);
            entry->access_path = entry->lifted_name;
        }
        ctx.procedures.file_scope_names.insert(entry->lifted_name.empty() ? entry->name : entry->lifted_name);
    }
    dd_flush_simple_dec(ctx, ordinary_pending);
    d_flush_unions(ctx);
    ctx.unions.procedure_unions.clear();
}

// An inner procedure is declared: the enclosing one's declarations so far go
// to file scope, ahead of every function that may use them, and what the
// enclosing procedure still needs for its own header waits until the inner
// one has ended.
void lift_enclosing(Context& ctx, procedure_frame& outer) {
    outer.lifted = true;
    std::string lifted;
    {
        OutputCapture capture(ctx.output, lifted);
        lift_parameters(ctx, outer);
        lift_locals(ctx, outer);
    }
    // Everything printed into the enclosing function so far stands in front
    // of its header, at file scope: typedefs, constants and now, after a
    // blank line, its locals.
    TempStore& temps = ctx.files.temps;
    std::string& body = temps.open(outer.body_name, false);
    std::string& functions = temps.open(function_text, false);
    functions += body;
    if (!lifted.empty()) functions += "\n" + lifted;
    body.clear();

    std::vector<kept_id> pending = ctx.declarations.take_pending();
    for (kept_id& id : pending)
        if (id.pending == parameter_pending) outer.saved_pending.push_back(std::move(id));
    outer.saved_header = ctx.remarks.take_header();
}

// The inner procedure has ended: the enclosing one takes up its header and
// its pending parameters again.
void resume_enclosing(Context& ctx) {
    procedure_frame* outer = ctx.procedures.current();
    if (!outer || !outer->lifted) return;
    ctx.declarations.restore_pending(std::move(outer->saved_pending));
    outer->saved_pending.clear();
    ctx.remarks.restore_header(std::move(outer->saved_header));
    outer->saved_header = {};
}

} // namespace

void p_copy_lifted_params(Context& ctx) {
    procedure_frame* frame = ctx.procedures.current();
    if (!frame || frame->proc_header_pending) return;
    for (const auto& [copy, param] : frame->param_copies) {
        ctx.output.o_indent();
        ctx.output.printf("%s = %s;\n", copy.c_str(), param.c_str());
    }
    frame->param_copies.clear();
}

bool p_declare_procedure(Context& ctx, const std::string& name, name_list params, int type, int storage) {
    // A REENTRANT procedure's locals are automatic: no function made from an
    // inner procedure could reach them.
    procedure_frame* outer = ctx.procedures.current();
    const bool lifting = outer && !outer->proc_reentrant && !outer->proc_external;
    if (ctx.blocks.b_in_procedure() && !lifting) s_error(ctx, procedure_within_procedure);
    if (lifting) lift_enclosing(ctx, *outer);
    // A function made from an inner procedure stands at file scope, where
    // another function may have its name already.
    std::string c_name =
        lifting && taken_at_file_scope(ctx, name) ? unique_lifted_name(ctx, outer->proc_name, name) : name;
    if (c_name == name) ctx.symbols.h_spell_apart_from_table(c_name);

    procedure_frame& frame = ctx.procedures.frames.emplace_back();
    frame.proc_params = std::move(params);
    frame.proc_name = c_name;
    frame.storage = storage;
    frame.proc_external = storage == proc_external;
    frame.in_condition = !ctx.directives.saved_condition.empty();

    if (!lifting) {
        dd_flush_simple_dec(ctx, ordinary_pending);
        ctx.declarations.release_pending();
    }
    ctx.procedures.file_scope_names.insert(c_name);

    prototypes(ctx);
    frame.proc_header_pending = true;
    if (!frame.proc_external) {
        if (!open_function_output(ctx, frame)) return false;
        print(ctx, "\n\n\n");
    }
    ctx.remarks.r_flush_pending_remarks();
    if (frame.in_condition) open_condition(ctx);

    ctx.blocks.b_push_block(is_reentrant_storage(storage) ? BlockKind::reentrant_procedure
                                                          : BlockKind::procedure);
    frame.proc_reentrant = is_reentrant_storage(storage);
    if (storage == proc_interrupt || storage == proc_public_interrupt) s_error(ctx, interrupt_as_ordinary);
    print_storage_class(ctx, frame);
    print_return_type(ctx, frame, type);
    frame.entry = install_procedure(ctx, name, c_name, type, storage);
    if (!ctx.options.ansi_flag) print_knr_heading(ctx, frame);

    open_scope(ctx);
    if (!frame.proc_external) pp_close_sim_remark(ctx);
    return true;
}

void p_func_parms(Context& ctx) {
    procedure_frame* frame = ctx.procedures.current();
    if (!frame) return;
    if (!frame->proc_params.empty()) record_parameters(ctx, *frame, frame->proc_params);
    if (ctx.options.ansi_flag)
        p_func_parms_ansi(ctx, *frame);
    else
        p_func_parms_knr(ctx, *frame);
}

void p_proc_end(Context& ctx, const std::string& label) {
    procedure_frame* current = ctx.procedures.current();
    if (!current) return;
    const procedure_frame frame = *current;
    if (frame.proc_external && !ctx.options.ansi_flag) {
        // K&R declares an EXTERNAL procedure without its parameters, but
        // calls still cast their arguments for them.
        record_parameters(ctx, frame, frame.proc_params);
        dd_discard_pending(ctx);
    } else
        d_flush_declarations(ctx);

    if (!ctx.symbols.h_free_declare_block()) {
        ctx.messages.log_printf("%s: ERROR - free alloc declare failed in line %d\n", ctx.message_file(),
                                ctx.s_current_line());
        ctx.messages.error_flag = true;
    }
    if (!frame.proc_external) {
        ctx.output.o_indent_out();
        if (!label.empty()) {
            lb_insert_label(ctx, label, scope_code::local_scope, 1);
            ctx.output.o_indent();
            ctx.output.printf("%s: ;\n", lb_c_name(ctx, label).c_str());
        }
        indent_print(ctx, "}\n");
    }
    if (frame.in_condition) indent_print(ctx, "\n#endif\n");
    if (std::string* body = ctx.output.o_current_text(); body && !frame.proc_external) {
        lb_resolve_early_gotos(ctx, frame.body_name, *body);
        lb_arm_jump_targets(ctx, frame.body_name, *body);
    }
    if (!frame.proc_external) close_function_output(ctx, frame);
    ctx.blocks.b_pop_block();
    ctx.procedures.frames.pop_back();
    resume_enclosing(ctx);
}

bool p_is_param(const Context& ctx, std::string_view name) {
    const procedure_frame* frame = ctx.procedures.current();
    if (!frame) return false;
    const name_list& params = frame->proc_params;
    return std::any_of(params.begin(), params.end(),
                       [&](const std::string& param) { return same_plm_name(param, name); });
}

bool p_in_reentrant(const Context& ctx) {
    const procedure_frame* frame = ctx.procedures.current();
    return ctx.blocks.b_in_procedure() && frame && frame->proc_reentrant;
}

} // namespace xlatr
