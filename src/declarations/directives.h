// Compiler directives: $SET and $RESET become #define lines, $IF, $ELSEIF,
// $ELSE and $ENDIF become #if, #else and #endif lines, $LEFTMARGIN with $SAVE
// and $RESTORE sets the columns the scanner skips, and the listing controls
// are read and dropped.
//
// The names of directive switches are told apart from program names in the C
// text by their last small letter, which is made a capital (flag1 prints as
// flaG1).
#pragma once

#include "translate/expressions.h"

#include <string>
#include <string_view>
#include <vector>

namespace xlatr {

class Context;
struct sym_entry;

// What is known at translation time of the conditional region being read.
enum if_state_value : int {
    if_false = 0,
    if_true = 1,
    // Also the state outside any region.
    if_undetermined = 2,
};

// The directive state of a run. The left margin itself is the scanner's
// (Scanner::left_margin), which reads it for every line.
class Directives {
  public:
    int if_state = if_undetermined;
    // The condition of the last $IF or $ELSEIF; empty outside a region.
    // Regions do not nest: a new $IF replaces it, $ENDIF clears it.
    exp_list saved_condition;
    // The conditions of the branches before the last one, from $IF on: a
    // branch is taken only when none of them holds ($ELSEIF is #elif).
    std::vector<exp_list> earlier_conditions;
    // Of the branches so far: one is known to be taken; all are known not
    // to be taken.
    bool branch_known_taken = false;
    bool all_known_skipped = false;
    // After $ELSE, until $ENDIF or the next $IF.
    bool in_else = false;
    // The region being read, numbered from 1 in the order the regions
    // open (0 outside any), and its branch, numbered from 0 at $IF.
    int regions_opened = 0;
    int region = 0;
    int branch = 0;
    // Margins saved by $SAVE, the latest last.
    std::vector<int> margin_stack;
    // The lines of regions ($IF, $ELSE, $ENDIF) printed last before the
    // main program opened, with nothing after them: the text they went to
    // and where they stand in it.
    const std::string* region_text = nullptr;
    std::size_t region_start = 0;
    std::size_t region_end = 0;
};

// Called as the main program opens: takes the region lines that were the
// last text printed before it out of that text, to be printed inside main,
// so that main stands in every branch of a region its statements open.
std::string dv_take_region_lines(Context& ctx);

// Called after remark text was printed at the end of `text`, from `from`
// on: a remark that directly follows the region lines is one of them.
void dv_remark_printed(Context& ctx, const std::string* text, std::size_t from);

// The state a run starts with: no margin, no saved margins, no region.
void dv_reset_directives(Context& ctx);
int dv_get_left_margin(const Context& ctx);
void dv_reset_left_margin(Context& ctx);

// A control without arguments: $SAVE and $RESTORE act, the others are
// ignored.
void dv_control(Context& ctx, int number);
void ddv_push(Context& ctx);
// False, with nothing changed, when no margin was saved.
bool ddv_pop(Context& ctx);

// A directive with an argument list: $SET (2), $RESET (3), $LEFTMARGIN (4);
// $INTERFACE, $OPTIMIZE, $PAGELENGTH and $PAGEWIDTH (5 to 8) are ignored.
void dv_set_state(Context& ctx, int code, exp_list list);
// $IF (elseif false) and $ELSEIF (elseif true).
void dv_if_state(Context& ctx, bool elseif, exp_list list);
void dv_else_state(Context& ctx);
void dv_endif_state(Context& ctx);

// Recomputes if_state from `list` and prints it as a condition.
void dv_print_condition(Context& ctx, exp_list& list);

// Gives every name of `list` its switch spelling and makes a switch of each
// name that is not declared yet.
void dv_update_ids(Context& ctx, exp_list& list);
// Makes the last small letter of `name` a capital; a name without one stays
// as it is.
void dv_switch_spelling(std::string& name);
// A directive switch, not set, in the innermost scope.
sym_entry* h_insert_dirctv_const(Context& ctx, std::string_view name);

// The #define lines of $SET (reset false) and $RESET (reset true), placed
// through the remark store where the directive stood.
void dv_set_direct(Context& ctx, exp_list list, bool reset);
// $LEFTMARGIN(n) and $LEFTMARGIN((n)); any other argument is message 25.
void dv_left_margin(Context& ctx, exp_list list);
void dv_print_if(Context& ctx, exp_list list, bool elseif);
// if_state from a condition: the flag of a lone switch name, undetermined
// for anything longer.
void dv_eval_condition(Context& ctx, const exp_list& list);

} // namespace xlatr
