#include "driver/run.h"

#include "frontend/first_pass.h"
#include "support/strings.h"
#include "translate/builtins.h"

#include <new>

namespace xlatr {

namespace {

constexpr std::size_t source_name_limit = 300;
constexpr std::size_t base_name_limit = 100;
constexpr std::size_t c_path_capacity = 250;
constexpr std::size_t builtin_path_capacity = 300;

constexpr const char* usage_text = "Usage : xlatr [ -c -k ] filename\n\n"
                                   "  -k  : Produces a K&R C source code. (ANSI C is the default\n"
                                   "  -c  : If expression of the compiler directive \"$if\" is FALSE\n"
                                   "        do not translate the contents of the include files between\n"
                                   "        the \"$if\" and the next \"$endif\" or \"$else\".\n"
                                   "        Example - \n"
                                   "          $if FLAG\n"
                                   "          $include(fileName); \n"
                                   "          $endif\n";

constexpr const char* banner = "xlatr: PL/M to C translator, version 0.1\n";

constexpr const char* builtin_h_types = "typedef void   (*PROC_ptr)();\n"
                                        "typedef unsigned char  BYTE;\n"
                                        "typedef unsigned short WORD;\n"
                                        "typedef unsigned long  DWORD;\n"
                                        "typedef short   INTEGER;\n"
                                        "typedef float   REAL;\n"
                                        "typedef char *  POINTER;\n";
constexpr const char* builtin_h_bit = "typedef unsigned char  BIT;\n";

// The part of a source name after its last `\` or `:`.
std::string_view base_name(std::string_view source) {
    std::size_t last = source.find_last_of("\\:");
    return last == std::string_view::npos ? source : source.substr(last + 1);
}

// The base name with the characters after its last `.` replaced by `c`; the
// first character never counts as that `.`, and a name without one gets `.c`.
std::string c_base_name(std::string_view base) {
    std::size_t dot = base.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return std::string(base) + ".c";
    return std::string(base.substr(0, dot + 1)) + "c";
}

void apply_option(Options& options, std::string_view arg) {
    if (arg == "-c") options.cond_include_flag = true;
    if (arg == "-k" || arg == "-K") options.ansi_flag = false;
    if (arg == "-p51" || arg == "-P51") options.plm51_flag = true;
    if (arg == "-d51" || arg == "-C51") options.c51_flag = true;
}

// A driver stop: the message, then the end of the run as a failure.
int stop(Context& ctx, const char* message) {
    ctx.messages.log_text(message);
    ctx.messages.error_flag = true;
    return 1;
}

// An output that cannot be created fails the run; the translation goes on,
// so that the run reports whatever else is wrong.
void output_not_created(Context& ctx, const std::string& path) {
    ctx.messages.log_printf("ERROR! cannot open output file \"%s\"\n", path.c_str());
    ctx.messages.error_flag = true;
}

// Reads xlatr.dat and the include map; false after reporting a stop.
bool read_configuration(Context& ctx) {
    std::optional<std::string> dat = ctx.files.read("xlatr.dat");
    if (!dat) {
        stop(ctx, "ERROR! cannot open \"xlatr.dat\" file\n");
        return false;
    }
    if (!ctx.keywords.lex_init()) {
        stop(ctx, "ERROR! \"lex_init\" failed\n");
        return false;
    }
    if (!ctx.keywords.kw_init()) {
        stop(ctx, "ERROR! \"kw_init\" failed\n");
        return false;
    }
    CharReader file(*dat);
    if (!cfg_read_quoted(ctx, file, ctx.config.include_dir, "xlatr.dat", true) ||
        !cfg_read_quoted(ctx, file, ctx.config.output_dir, "xlatr.dat", true)) {
        ctx.messages.log_printf("ERROR! in \"%s\" file format\n", "xlatr.dat");
        ctx.messages.error_flag = true;
        return false;
    }
    cfg_read_temp_drive(file, ctx.config);
    if (!ctx.include_map.inc_read_map(ctx)) {
        ctx.messages.log_printf("ERROR! in \"%s\" file format\n", "xlatr.inc");
        ctx.messages.error_flag = true;
        return false;
    }
    return true;
}

// Writes builtin.h: the C types of the PL/M base types, then, while builtin.h
// is the current output stream, the declarations of the built-in table's C
// functions. When it cannot be created the run fails, and its text goes to
// the current output stream, which at this point is the standard output.
void write_builtin_h(Context& ctx) {
    std::string path = builtin_h_path(ctx);
    ctx.output.refuse_input_overwrite(path);
    std::string text;
    bool created = ctx.files.create(path, false);
    if (!created) output_not_created(ctx, path);
    std::string* previous = created ? ctx.output.o_set_file(&text) : nullptr;
    ctx.output.print(builtin_h_types);
    // PL/M-51's BIT type has no C type of its own.
    if (ctx.options.plm51_flag || ctx.options.c51_flag) ctx.output.print(builtin_h_bit);
    ctx.output.print("\n\n");
    blt_init(ctx);
    if (created) {
        ctx.output.o_set_file(previous);
        ctx.files.append(path, text);
        ctx.output.commit(path);
    }
}

void remove_scratch_texts(Context& ctx) {
    ctx.files.temps.remove("tmp_main.t");
    ctx.files.temps.remove("tmp_func.t");
    ctx.files.temps.remove("tmp_header.t");
}

// Collects the unit's text macros into the module's declare block, which
// stays pushed for the second pass.
void first_pass(Context& ctx) {
    if (!ctx.symbols.h_push_declare_block())
        ctx.messages.log_printf("%s: warning - push declare block failed in line %d\n", ctx.message_file(),
                                ctx.s_current_line());
    ctx.scanner.set_first_pass(true);
    s_first_pass(ctx);
    ctx.scanner.set_first_pass(false);
    ctx.includes.i_pop_file();
}

// The C file and builtin.h replace whatever has their names: a source named
// like one of them (PROG.c given as the source) would be lost. Refused before
// anything is translated.
void refuse_source_as_output(Context& ctx, const std::string& source) {
    ctx.output.refuse_input_overwrite(c_file_path(ctx, source));
    ctx.output.refuse_input_overwrite(builtin_h_path(ctx));
}

// The two passes and the assembly of the C file.
void translate(Context& ctx, const std::string& source) {
    ctx.scanner.s_reset();
    dv_reset_directives(ctx);
    if (!ctx.includes.i_push_file(source, false, false)) {
        stop(ctx, format("ERROR! cannot open input file \"%s\"\n", source.c_str()).c_str());
        return;
    }
    refuse_source_as_output(ctx, source);
    first_pass(ctx);

    write_builtin_h(ctx);
    std::string include_line = builtin_h_path(ctx);

    ctx.s_set_line(1);
    if (!ctx.includes.i_push_file(source, false, false)) {
        stop(ctx, format("ERROR! cannot open input file \"%s\"\n", source.c_str()).c_str());
        return;
    }
    std::string c_path = c_file_path(ctx, source);
    remove_scratch_texts(ctx);
    // The C text comes to about the size of the source and gathers in the
    // main and function scratch texts.
    const std::size_t source_bytes = ctx.includes.top() ? ctx.includes.top()->text.size() : 0;
    ctx.files.temps.expect("tmp_main.t", 2 * source_bytes);
    ctx.files.temps.expect("tmp_func.t", 2 * source_bytes);
    if (!ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory)) {
        stop(ctx, "ERROR! cannot open output file \"tmp_main.t\"\n");
        return;
    }
    if (yyparse(ctx) != 0) {
        ctx.messages.log_printf("%s: fatal! syntax error in last line in file\n", ctx.message_file());
        ctx.messages.error_flag = true;
    }
    ctx.output.o_pop_file();

    ctx.output.refuse_input_overwrite(c_path);
    if (ctx.files.create(c_path, false))
        ctx.files.append(c_path, format("#include\t \"%s\"\n\n", include_line.c_str()));
    else
        output_not_created(ctx, c_path);
    if (!ctx.messages.error_flag &&
        !ctx.output.copy_files("tmp_header.t", "tmp_main.t", "tmp_func.t", c_path, true)) {
        ctx.messages.log_printf("%s: INTERNAL - copy_files FAILED\n", ctx.message_file());
        ctx.messages.error_flag = true;
    }
    ctx.output.commit(c_path);
    remove_scratch_texts(ctx);
    if (ctx.messages.error_flag) return;
    int lines = ctx.s_current_line();
    ctx.messages.console_only(format("\n---------------------------------------\n"
                                     "%d lines were successfully translated\n\n",
                                     lines));
    ctx.messages.log_only(format("\n---------------------------------------\n"
                                 "%d lines were successfulLy translated\n\n",
                                 lines));
}

int run_steps(Context& ctx, const std::vector<std::string>& args) {
    // Asked alone, --version and --help answer without touching any file; a
    // source of any other name is translated as usual.
    if (args.size() == 2 && (args[1] == "--version" || args[1] == "--help")) {
        ctx.env.out << (args[1] == "--version" ? banner : usage_text);
        ctx.env.out.flush();
        return 0;
    }
    if (!ctx.messages.open_log(ctx.files.resolve("xlatr.log").string())) {
        ctx.messages.console_only("ERROR! cannot open errors log file\n");
        return 1;
    }
    if (args.empty()) return stop(ctx, "ERROR! no input file\n");
    if (args.size() == 1) {
        ctx.env.out << usage_text;
        ctx.env.out.flush();
        return 0;
    }
    if (!read_configuration(ctx)) return 1;
    for (std::size_t i = 1; i + 1 < args.size(); ++i)
        apply_option(ctx.options, args[i]);
    const std::string& source = args.back();
    if (source.size() >= source_name_limit || base_name(source).size() >= base_name_limit)
        return stop(ctx, "ERROR! source file name is too long\n");
    ctx.env.out << banner;
    ctx.env.out.flush();
    ctx.messages.log_printf("%s:\n", source.c_str());
    translate(ctx, source);
    return ctx.messages.error_flag ? 1 : 0;
}

} // namespace

std::string c_file_path(const Context& ctx, std::string_view source) {
    std::string path;
    std::string mapped_dir;
    if (ctx.include_map.inc_output_dir(source, c_path_capacity, mapped_dir))
        str_n_cat(path, c_path_capacity, mapped_dir);
    else
        str_n_cat(path, c_path_capacity, ctx.config.output_dir);
    str_n_cat(path, c_path_capacity, c_base_name(base_name(source)));
    return path;
}

std::string builtin_h_path(const Context& ctx) {
    std::string path;
    str_n_cat(path, builtin_path_capacity, i_include_dir(ctx, ""));
    str_n_cat(path, builtin_path_capacity, "builtin.h");
    return path;
}

int run(const std::vector<std::string>& args, const Environment& environment) {
    Context ctx(environment);
    try {
        return run_steps(ctx, args);
    } catch (const RunStop&) {
        return 1;
    } catch (const std::bad_alloc&) {
        ctx.messages.log_text("ERROR: not enough memory.\n");
        return 1;
    }
}

} // namespace xlatr
