// Labels: one namespace for the whole module, kept in the outermost scope.
// A PUBLIC label gets a jump function JMP_to_<name> in tmp_func.t, since C
// cannot jump between functions; a GOTO to an EXTERNAL label calls the
// owning module's jump function instead.
#pragma once

#include "declarations/symbols.h"

#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace xlatr {

class Context;

// What the labels of a run need beyond their symbol entries: the spelling
// of a label that a GOTO used before the label was declared or defined, so
// that the label is then defined under that spelling too.
class Labels {
  public:
    void remember_goto(std::string_view name);
    // The spelling of an earlier GOTO to this PL/M name, or `name`.
    std::string spelling_for(std::string_view name) const;

    // The C file includes setjmp.h, for the jump functions.
    bool setjmp_declared = false;

    // A GOTO met in a procedure before its label was declared or defined:
    // whether the label is the procedure's own or one of an enclosing block
    // is known at the procedure's END.
    struct early_goto {
        std::string function;
        std::string name;
        // Where "goto name;" starts in the function's text.
        std::size_t at = 0;
    };
    std::vector<early_goto> early_gotos;

    // The first pass notes every name defined as a label in the code
    // ("name:"), so that a location taken before the definition is known
    // to be one of a label.
    void note_definition(std::string_view name);
    bool defined_in_code(std::string_view name) const;

    // Where each function's statements start (main: ""), in the text that
    // holds the function: a label that is jumped to is armed there.
    struct function_entry {
        const std::string* text = nullptr;
        std::size_t at = 0;
        int indent = 0;
    };
    std::map<std::string, function_entry> entries;
    // The labels that have a jump function, in the order they got it.
    std::vector<std::string> jump_targets;

  private:
    std::vector<std::string> goto_spellings_;
    // Case-folded C spellings.
    std::unordered_set<std::string> definitions_;
};

// Declares (defined 0) or defines in the code (defined 1) a label of mode
// external_scope, public_scope or local_scope. False, with message 27, when
// the label was declared or defined before; its count still goes up.
bool lb_insert_label(Context& ctx, std::string_view name, scope_code mode, int defined);

// DECLARE (a, b, ...) LABEL: each name as a declaration. Unlike a single
// declaration, a PUBLIC group writes the jump function of every name, also of
// one declared before.
void lb_insert_factored_labs(Context& ctx, var_list list, scope_code mode);

// The location of a name without subscript or member that is a label here
// (declared, or defined anywhere in the code) has no C form: `reference`
// becomes the number 0, with a warning, and true is returned.
bool lb_label_location(Context& ctx, exp_list& reference);

// The C name of a label: the spelling of its first declaration or
// definition, whatever spelling of the PL/M name `name` uses.
std::string lb_c_name(Context& ctx, std::string_view name);

// Fills a new label entry and installs it in the outermost scope.
void lb_init_label(Context& ctx, std::unique_ptr<sym_entry> entry, scope_code mode, int count);

// Writes the jump function of a PUBLIC label into tmp_func.t; false when
// tmp_func.t cannot be opened.
bool lb_open_jump_func(Context& ctx, std::string_view name);
// The C function being written: the scratch text of its procedure, empty
// for the main program.
std::string lb_current_function(const Context& ctx);
// A GOTO to a label of another function (a PUBLIC label, or one of an
// enclosing block, from inside a procedure): prints the call of the label's
// jump function, written now if the label has none yet. False, printing
// nothing, for a label of the current function or of another module.
bool lb_jump_from_other_function(Context& ctx, std::string_view name);
// At a procedure's END, before its function text `body` is put in place:
// a GOTO of it to a label that it did not define itself leaves the
// function, so it calls the label's jump function instead, and the label,
// defined later in an enclosing block, saves its place there.
void lb_resolve_early_gotos(Context& ctx, const std::string& function, std::string& body);
// At the definition of a label that a jump function returns to: the
// statement that saves its place, unless the function arms it at its start.
void lb_save_label_place(Context& ctx, std::string_view name);

// Notes where the statements of the current function start, once: after
// main's opening, after a procedure's declarations.
void lb_note_function_entry(Context& ctx);
// At the end of `function`, whose text is `body`: every label of it that a
// jump function returns to is armed where its statements start,
// "if (setjmp(JMP_buf_L)) goto L;", so that a jump finds its buffer set
// whether or not the label was passed before.
void lb_arm_jump_targets(Context& ctx, const std::string& function, std::string& body);

} // namespace xlatr
