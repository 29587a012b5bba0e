/* The grammar of PL/M and the actions that translate it. There is no syntax
   tree: each action hands what it has recognised to the routine that records
   a declaration or prints a statement, so the order in which the actions run
   is the order of the output.

   Several actions must run before the token after their construct is read:
   declare_word, element_start, string_open, continuation_quote and
   include_word switch the scanner, and if_head prints the condition while
   THEN is the look-ahead. Each of them is the only item of its state, so
   bison's default reductions (kept; LAC stays off) reduce them without
   looking ahead. */

%code requires {
#include "declarations/records.h"
#include "declarations/symbols.h"
#include "declarations/values.h"
#include "translate/expressions.h"

#include <cstdint>
#include <string>

namespace xlatr {
class Context;

// A number token as the scanner gave it: its value and its text as written,
// which an $INCLUDE path copies.
struct number_token {
    std::uint32_t value = 0;
    double real = 0.0;
    std::string text;
};

// A PL/M-51 memory-space word: its space code, and its C spelling for where
// a module uses the word as a name.
struct memory_space_token {
    int code = 0;
    std::string name;
};
} // namespace xlatr
}

%code provides {
namespace xlatr {
int xlatr_lex(XLATR_STYPE* value, Context& ctx);
}
using xlatr::xlatr_lex;
}

%define api.pure full
%define api.prefix {xlatr_}
%define api.token.prefix {TOKEN_}
%parse-param {xlatr::Context& ctx}
%lex-param {xlatr::Context& ctx}
%expect 0

%union {
    int code;
    std::string* text;
    xlatr::number_token* num;
    xlatr::value_node* value;
    xlatr::exp_list* exp;
    xlatr::name_list* names;
    xlatr::var_type* type;
    xlatr::array_spec* dim;
    xlatr::struct_spec_list* members;
    xlatr::loc_var_attr* attrs;
    xlatr::sym_entry* entry;
    xlatr::var_list* vars;
    xlatr::memory_space_token* space;
}

%code {
#include "declarations/directives.h"
#include "declarations/emission.h"
#include "declarations/literals.h"
#include "driver/context.h"
#include "frontend/include_translation.h"
#include "frontend/parser.h"
#include "frontend/tokens.h"
#include "support/messages.h"
#include "support/strings.h"
#include "translate/blocks.h"
#include "translate/do_case.h"
#include "translate/labels.h"
#include "translate/procedures.h"
#include "translate/statements.h"

#define YYMAXDEPTH xlatr::parser_stack_limit
#define YYINITDEPTH xlatr::parser_stack_limit

namespace {

using namespace xlatr;

// The parser's own error routine prints nothing: the error productions
// report what they recover from.
void xlatr_error(Context&, const char*) {}

template <typename T>
T* keep(Context& ctx, T value) {
    return ctx.parser.arena.make(std::move(value));
}

template <typename T>
T* keep(Context& ctx, std::unique_ptr<T> object) {
    return ctx.parser.arena.keep(std::move(object));
}

template <typename T>
T take(Context& ctx, T* value) {
    return ctx.parser.arena.take_value(value);
}

template <typename T>
std::optional<T> take_optional(Context& ctx, T* value) {
    std::unique_ptr<T> object = ctx.parser.arena.take(value);
    if (!object) return std::nullopt;
    return std::move(*object);
}

std::unique_ptr<sym_entry> take_entry(Context& ctx, sym_entry* entry) {
    return ctx.parser.arena.take(entry);
}

// The C cast of a type conversion such as BYTE(i).
std::string conversion_cast(int code) {
    switch (code) {
    case 1:
        return "(BYTE)";
    case 3:
        return "(DWORD)";
    case 4:
        return "(INTEGER)";
    case 6:
        return "(REAL)";
    case 8:
        return "(POINTER)";
    default:
        return "(WORD)";
    }
}

// Releases a value that the translation does not use.
template <typename T>
void drop(Context& ctx, T* value) {
    ctx.parser.arena.take(value);
}

exp_list* binary(Context& ctx, exp_list* left, int code, exp_list* right) {
    return keep(ctx, e_binary_exp(take(ctx, left), code, take(ctx, right)));
}

// PL/M's OR and XOR bind alike, from the left; C's ^ binds tighter than |.
// A left operand of XOR that is an OR keeps its grouping in parentheses.
exp_list* or_grouped(Context& ctx, exp_list* operand) {
    if (!operand) return operand;
    int depth = 0;
    bool top_level_or = false;
    for (const exp_node& node : *operand) {
        if (node.kind != exp_operator) continue;
        if (node.op == op_open) ++depth;
        if (node.op == op_close) --depth;
        if (node.op == op_or && depth == 0) top_level_or = true;
    }
    if (!top_level_or) return operand;
    return keep(ctx, e_paren_exp(op_open, take(ctx, operand), op_close));
}

// A number among the strings of a string list is one byte of the text.
std::string string_byte(Context& ctx, const value_node& value) {
    if (value.kind == val_real || value.number > 0xFF) s_error(ctx, 1);
    return c_string_byte(value.number);
}

// A named constant among the strings of a string list (.(CR, LF, 0)) is the
// byte of its value.
std::string named_string_byte(Context& ctx, const std::string& name) {
    const sym_entry* entry = ctx.symbols.h_lookup(name);
    if (!entry || entry->usage != usage::constant || !entry->constant_value || *entry->constant_value > 0xFF) {
        s_error(ctx, 1);
        return {};
    }
    return c_string_byte(static_cast<unsigned>(*entry->constant_value));
}

value_node* whole_number(Context& ctx, int kind, number_token* token) {
    return keep(ctx, d_numeric_const(ctx, kind, take(ctx, token).value));
}

// Appends a piece of a second-pass $INCLUDE path; a piece that does not fit
// the path's 250 characters is left out.
void append_path(Context& ctx, std::string_view piece) {
    str_n_cat(ctx.parser.path_buffer, Scanner::include_path_capacity, piece);
}

void append_path_number(Context& ctx, number_token* token) {
    ctx.scanner.set_no_expansion_once();
    append_path(ctx, take(ctx, token).text);
}

void do_head(Context& ctx);
void do_block_end(Context& ctx, std::string label, std::string name);

} // namespace
}

%token END_OF_INPUT 0
%token DO 257 NEWLINE 258 QUOTE 259 REMARK_START 260 REMARK_END 261 OTHER_CHAR 262 BACKSLASH 263
%token <text> IDENTIFIER 264 DQ_STRING 265 STRING_TEXT 266
%token END 267 DECLARE 268 BASED 269
%token <num> BIN_NUMBER 270 DEC_NUMBER 271 HEX_NUMBER 272 OCT_NUMBER 273 REAL_NUMBER 274
%token INTEGER 275 REAL 276 POINTER 277 BYTE 279 WORD 280 DWORD 281 LABEL 282 BIT 283
%token <space> MEMORY_SPACE 284
%token STRUCTURE 285 PUBLIC 286 EXTERNAL 287 AT 288 INITIAL 289 DATA 290 CONSTANT 291 LITERALLY 292
%token AND 293 OR 294 NOT 295 XOR 296 LE 297 GE 298 NE 299 EQ 300 PLUS 301 MINUS 302 SLASH 303 MOD 304
%token ASSIGN 305 IF 306 THEN 307 ELSE 308 GOTO 309 GO 310 TO 311 RETURN 312 CALL 313 CASE 314 BY 315
%token WHILE 316 PROCEDURE 317 INTERRUPT 318 REENTRANT 319 DISABLE 320 ENABLE 321 CAUSE_INTERRUPT 322
%token HALT 323 USING 324 DIR_INCLUDE 325
%token <code> DIR_CONTROL 326 DIR_IF 327
%token DIR_ELSE 328 DIR_ENDIF 329 DOLLAR 330
%token <code> DIR_SET 331
%token DIR_WORKFILES 332 DIR_UNKNOWN 333

/* Operator precedence, lowest first. */
%left OR XOR
%left AND
%precedence NOT
%left EQ NE '<' '>' LE GE
%left PLUS MINUS
%left '*' SLASH MOD
%nonassoc ASSIGN

/* An ELSE belongs to the nearest IF without one. */
%precedence THEN
%precedence ELSE

%type <text> opt_end_label opt_end_name opt_base_member string_constant string_list string_item
%type <text> base_reference name
%type <code> basic_type conversion_type opt_return_type procedure_attributes opt_public initialization_word
%type <code> opt_memory_space label_scope
%type <num> interrupt_number
%type <value> number
%type <exp> expression primary constant variable_reference reference location_reference
%type <exp> opt_arguments opt_member opt_member_subscript expression_list parenthesized_expression
%type <exp> opt_at initial_value_list initial_value assignment_targets opt_by opt_member_dimension
%type <names> opt_parameters identifier_list type_name member_names
%type <type> type
%type <dim> opt_dimension dimension
%type <members> structure_type member_list split_structure_literal
%type <attrs> variable_attributes attribute_set opt_initialization
%type <entry> variable_name
%type <vars> factored_name_list

%start compilation

%%

/* The compilation unit and simple DO blocks. */

compilation
    : module_name ':' do_block
    | directive_lines module_name ':' do_block
    | error { s_error(ctx, 1); }
    ;

module_name
    : name { ctx.statements.module_name = take(ctx, $1); }
    ;

do_block
    : do_head unit_list do_block_end
    ;

do_head
    : DO ';' { do_head(ctx); }
    ;

unit_list
    : %empty
    | unit_list unit
    ;

unit
    : declaration
    | statement
    | procedure
    ;

do_block_end
    : opt_end_label END opt_end_name ';' { do_block_end(ctx, take(ctx, $1), take(ctx, $3)); }
    ;

opt_end_label
    : %empty { $$ = nullptr; }
    | name ':' { $$ = $1; }
    ;

opt_end_name
    : %empty { $$ = nullptr; }
    | name { $$ = $1; }
    ;

statement_list
    : %empty
    | statement_list statement
    ;

/* A name. The memory-space words of PL/M-51 are names wherever a name is
   expected: a PL/M-86 module may call a procedure MAIN. */

name
    : IDENTIFIER
    | MEMORY_SPACE { $$ = keep(ctx, take(ctx, $1).name); }
    /* BIT is a type of the 8051 only: elsewhere in the grammar it is a name,
       as the memory-space words are, in whatever case it is written. */
    | BIT { $$ = keep(ctx, std::string("bit")); }
    ;

/* Procedures. */

procedure
    : procedure_head unit_list procedure_end
    ;

procedure_head
    : name ':' PROCEDURE opt_parameters opt_return_type procedure_attributes ';'
        { p_declare_procedure(ctx, take(ctx, $1), take(ctx, $4), $5, $6); }
    ;

procedure_end
    : opt_end_label END opt_end_name ';' { p_proc_end(ctx, take(ctx, $1)); drop(ctx, $3); }
    ;

opt_parameters
    : %empty { $$ = nullptr; }
    | '(' identifier_list ')' { $$ = $2; }
    ;

identifier_list
    : name { $$ = keep(ctx, d_alloc_member_name({}, take(ctx, $1))); }
    | identifier_list ',' name { $$ = keep(ctx, d_alloc_member_name(take(ctx, $1), take(ctx, $3))); }
    ;

opt_return_type
    : %empty { $$ = -1; }
    | basic_type
    ;

procedure_attributes
    : %empty { $$ = 0; }
    | REENTRANT { $$ = 1; }
    | INTERRUPT interrupt_number opt_using { drop(ctx, $2); $$ = 2; }
    | PUBLIC { $$ = 3; }
    | EXTERNAL { $$ = 4; }
    | PUBLIC REENTRANT { $$ = 5; }
    | REENTRANT PUBLIC { $$ = 5; }
    | PUBLIC INTERRUPT interrupt_number opt_using { drop(ctx, $3); $$ = 6; }
    | INTERRUPT interrupt_number opt_using PUBLIC { drop(ctx, $2); $$ = 6; }
    | USING interrupt_number { drop(ctx, $2); s_error(ctx, 31); $$ = 0; }
    ;

opt_using
    : %empty
    | USING interrupt_number { drop(ctx, $2); s_error(ctx, 31); }
    ;

interrupt_number
    : BIN_NUMBER | OCT_NUMBER | DEC_NUMBER | HEX_NUMBER | REAL_NUMBER
    ;

/* Declarations. */

declaration
    : declare_word declare_element_list ';'
    ;

declare_word
    : DECLARE
        {
            if (!ctx.parser.declare_table_allocated && !ctx.symbols.h_alloc_declare_block())
                ctx.messages.log_printf("%s: warning - start declare: alloc declare block failed in line %d\n",
                                        ctx.message_file(), ctx.s_current_line());
            ctx.parser.declare_table_allocated = true;
            ctx.scanner.set_no_expansion_once();
        }
    ;

declare_element_list
    : declare_element
    | declare_element_list ',' element_start declare_element
    ;

element_start
    : %empty { ctx.scanner.set_no_expansion_once(); }
    ;

declare_element
    : factored_element
    | simple_element
    | error { s_error(ctx, 1); }
    ;

simple_element
    : variable_element
    | literal_declaration
    | label_declaration
    ;

factored_element
    : factored_variables
    | factored_labels
    ;

variable_element
    : variable_name opt_dimension type variable_attributes
        {
            d_single_declare_elem(ctx, take_entry(ctx, $1), take_optional(ctx, $2), take(ctx, $3),
                                  take(ctx, $4));
        }
    ;

factored_variables
    : '(' factored_name_list ')' opt_dimension type variable_attributes
        { d_factored_declare_elem(ctx, take(ctx, $2), take_optional(ctx, $4), take(ctx, $5), take(ctx, $6)); }
    ;

factored_name_list
    : variable_name { $$ = keep(ctx, d_var_list({}, take_entry(ctx, $1))); }
    | factored_name_list ',' variable_name { $$ = keep(ctx, d_var_list(take(ctx, $1), take_entry(ctx, $3))); }
    ;

variable_name
    : name { $$ = keep(ctx, d_var_nam_specifier(take(ctx, $1), {})); }
    | name BASED base_reference
        { $$ = keep(ctx, d_var_nam_specifier(take(ctx, $1), take(ctx, $3))); }
    ;

base_reference
    : name opt_base_member { $$ = keep(ctx, d_base_spec(take(ctx, $1), take(ctx, $2))); }
    ;

opt_base_member
    : %empty { $$ = nullptr; }
    | '.' IDENTIFIER { $$ = $2; }
    ;

opt_dimension
    : %empty { $$ = nullptr; }
    | dimension
    ;

dimension
    : parenthesized_expression { $$ = keep(ctx, d_array_spec(take(ctx, $1))); }
    | '(' '*' ')' { $$ = keep(ctx, d_array_spec_implicit()); }
    ;

parenthesized_expression
    : '(' expression ')' { $$ = $2; }
    ;

type
    : basic_type { $$ = keep(ctx, d_basic_type(static_cast<type_code>($1))); }
    | structure_type { $$ = keep(ctx, d_struct_type(ctx, take(ctx, $1))); }
    | type_name { $$ = keep(ctx, d_typedef_type(take(ctx, $1))); }
    ;

type_name
    : IDENTIFIER { $$ = keep(ctx, d_alloc_member_name({}, take(ctx, $1))); }
    | type_name IDENTIFIER { $$ = keep(ctx, d_alloc_member_name(take(ctx, $1), take(ctx, $2))); }
    ;

basic_type
    : BYTE { $$ = 1; }
    | WORD { $$ = 2; }
    | DWORD { $$ = 3; }
    | INTEGER { $$ = 4; }
    | REAL { $$ = 6; }
    | POINTER { $$ = 8; }
    | BIT { $$ = 15; }
    ;

/* The types a conversion such as BYTE(i) names; BIT(i) is a reference to
   a name. */
conversion_type
    : BYTE { $$ = 1; }
    | WORD { $$ = 2; }
    | DWORD { $$ = 3; }
    | INTEGER { $$ = 4; }
    | REAL { $$ = 6; }
    | POINTER { $$ = 8; }
    ;

structure_type
    : STRUCTURE '(' member_list ')' { $$ = $3; }
    ;

member_list
    : member_names opt_member_dimension basic_type
        {
            $$ = keep(ctx, d_struct_member_elem(ctx, {}, take(ctx, $1), d_array_spec(take(ctx, $2)),
                                                static_cast<type_code>($3)));
        }
    | member_list ',' member_names opt_member_dimension basic_type
        {
            $$ = keep(ctx, d_struct_member_elem(ctx, take(ctx, $1), take(ctx, $3), d_array_spec(take(ctx, $4)),
                                                static_cast<type_code>($5)));
        }
    | literal_continuation member_names opt_member_dimension basic_type
        {
            $$ = keep(ctx, d_struct_member_elem(ctx, {}, take(ctx, $2), d_array_spec(take(ctx, $3)),
                                                static_cast<type_code>($4)));
        }
    | member_list ',' literal_continuation member_names opt_member_dimension basic_type
        {
            $$ = keep(ctx, d_struct_member_elem(ctx, take(ctx, $1), take(ctx, $4), d_array_spec(take(ctx, $5)),
                                                static_cast<type_code>($6)));
        }
    | member_list literal_continuation ',' member_names opt_member_dimension basic_type
        {
            $$ = keep(ctx, d_struct_member_elem(ctx, take(ctx, $1), take(ctx, $4), d_array_spec(take(ctx, $5)),
                                                static_cast<type_code>($6)));
        }
    ;

member_names
    : IDENTIFIER { $$ = keep(ctx, d_alloc_member_name({}, take(ctx, $1))); }
    | '(' identifier_list ')' { $$ = $2; }
    ;

opt_member_dimension
    : %empty { $$ = nullptr; }
    | parenthesized_expression
    ;

variable_attributes
    : attribute_set
    ;

attribute_set
    : opt_public opt_at opt_initialization opt_memory_space
        { $$ = keep(ctx, d_var_attr(ctx, $1, take(ctx, $2), take_optional(ctx, $3), $4)); }
    | EXTERNAL opt_data { $$ = keep(ctx, d_var_attr(ctx, attr_external, {}, std::nullopt, space_none)); }
    ;

opt_public
    : %empty { $$ = attr_local; }
    | PUBLIC { $$ = attr_public; }
    ;

opt_at
    : %empty { $$ = nullptr; }
    | AT '(' expression ')' { $$ = $3; }
    ;

opt_initialization
    : %empty { $$ = nullptr; }
    | initialization_word { $$ = keep(ctx, d_initialization($1, {})); }
    | initialization_word '(' initial_value_list ')' { $$ = keep(ctx, d_initialization($1, take(ctx, $3))); }
    ;

initialization_word
    : INITIAL { $$ = initial_values; }
    | DATA { $$ = data_values; }
    | CONSTANT { $$ = constant_values; }
    ;

initial_value_list
    : initial_value { $$ = keep(ctx, e_concat({}, take(ctx, $1))); }
    | initial_value_list ',' initial_value { $$ = binary(ctx, $1, op_comma, $3); }
    ;

initial_value
    : expression
    | DQ_STRING { $$ = keep(ctx, d_str_init_val(take(ctx, $1))); }
    ;

opt_memory_space
    : %empty { $$ = space_none; }
    | MEMORY_SPACE { $$ = take(ctx, $1).code; }
    ;

opt_data
    : %empty
    | DATA
    ;

label_declaration
    : name LABEL label_scope
        { lb_insert_label(ctx, take(ctx, $1), static_cast<scope_code>($3), 0); }
    ;

factored_labels
    : '(' factored_name_list ')' LABEL label_scope
        { lb_insert_factored_labs(ctx, take(ctx, $2), static_cast<scope_code>($5)); }
    ;

label_scope
    : %empty { $$ = 3; }
    | PUBLIC { $$ = 2; }
    | EXTERNAL { $$ = 1; }
    ;

/* LITERALLY declarations that reach this pass: structure types, numbers,
   and the text macros that the first pass has already taken. */

literal_declaration
    : name LITERALLY QUOTE structure_type QUOTE
        { d_literal_struct(ctx, take(ctx, $1), take(ctx, $4)); }
    | name LITERALLY QUOTE split_structure_literal
        { d_literal_struct(ctx, take(ctx, $1), take(ctx, $4)); }
    | name LITERALLY QUOTE number QUOTE { d_literal_numeric(ctx, take(ctx, $1), take(ctx, $4)); }
    | name LITERALLY QUOTE STRING_TEXT QUOTE { drop(ctx, $1); drop(ctx, $4); }
    ;

split_structure_literal
    : STRUCTURE '(' member_list literal_continuation ')' QUOTE { $$ = $3; }
    ;

literal_continuation
    : QUOTE continuation_head
    ;

continuation_head
    : continuation_separator IDENTIFIER LITERALLY continuation_quote
        { d_set_literal_ignor(ctx, take(ctx, $2)); }
    ;

continuation_separator
    : ',' { ctx.scanner.set_no_expansion_once(); }
    | ';' DECLARE { ctx.scanner.set_no_expansion_once(); }
    ;

continuation_quote
    : QUOTE { ctx.scanner.set_split_literal(); }
    ;

/* Expressions: lists in source order; precedence and the truth rules are
   applied when they are printed. */

expression
    : primary
    | MINUS expression { $$ = keep(ctx, e_unary_exp(op_minus, take(ctx, $2))); }
    | PLUS expression { $$ = keep(ctx, e_unary_exp(op_plus, take(ctx, $2))); }
    | NOT expression { $$ = keep(ctx, e_unary_exp(op_not, take(ctx, $2))); }
    | expression AND expression { $$ = binary(ctx, $1, op_and, $3); }
    | expression OR expression { $$ = binary(ctx, $1, op_or, $3); }
    | expression XOR expression { $$ = binary(ctx, or_grouped(ctx, $1), op_xor, $3); }
    | expression '<' expression { $$ = binary(ctx, $1, op_lt, $3); }
    | expression '>' expression { $$ = binary(ctx, $1, op_gt, $3); }
    | expression LE expression { $$ = binary(ctx, $1, op_le, $3); }
    | expression GE expression { $$ = binary(ctx, $1, op_ge, $3); }
    | expression NE expression { $$ = binary(ctx, $1, op_ne, $3); }
    | expression EQ expression { $$ = binary(ctx, $1, op_eq, $3); }
    | expression PLUS expression { $$ = binary(ctx, $1, op_plus, $3); }
    | expression MINUS expression { $$ = binary(ctx, $1, op_minus, $3); }
    | expression '*' expression { $$ = binary(ctx, $1, op_times, $3); }
    | expression SLASH expression { $$ = binary(ctx, $1, op_slash, $3); }
    | expression MOD expression { $$ = binary(ctx, $1, op_mod, $3); }
    | expression ASSIGN expression { $$ = binary(ctx, $1, op_assign, $3); }
    | '(' expression ')' { $$ = keep(ctx, e_paren_exp(op_open, take(ctx, $2), op_close)); }
    | error { s_error(ctx, 1); $$ = nullptr; }
    ;

primary
    : constant
    | variable_reference
    | location_reference
    | conversion_type '(' expression ')'
        {
            // A type conversion, BYTE(i): printed as the call of its C cast,
            // (BYTE)(i), a name that no declaration or built-in can match.
            $$ = keep(ctx, e_get_id(conversion_cast($1), take(ctx, $3)));
        }
    ;

constant
    : number { $$ = keep(ctx, e_create_const(take(ctx, $1))); }
    | string_constant { $$ = keep(ctx, d_str_init_val(take(ctx, $1))); }
    ;

string_constant
    : string_open STRING_TEXT QUOTE { $$ = $2; ctx.scanner.clear_force_text(); }
    ;

string_open
    : QUOTE { ctx.scanner.set_force_text(); }
    ;

number
    : BIN_NUMBER { $$ = whole_number(ctx, val_binary, $1); }
    | OCT_NUMBER { $$ = whole_number(ctx, val_octal, $1); }
    | DEC_NUMBER { $$ = whole_number(ctx, val_decimal, $1); }
    | HEX_NUMBER { $$ = whole_number(ctx, val_hex, $1); }
    | REAL_NUMBER { $$ = keep(ctx, d_num_float_cn(val_real, take(ctx, $1).real)); }
    ;

variable_reference
    : reference
    ;

reference
    : name opt_arguments opt_member
        { $$ = keep(ctx, e_data_ref(take(ctx, $1), take(ctx, $2), take(ctx, $3))); }
    ;

opt_arguments
    : %empty { $$ = nullptr; }
    | '(' expression_list ')' { $$ = $2; }
    ;

opt_member
    : %empty { $$ = nullptr; }
    | '.' IDENTIFIER opt_member_subscript { $$ = keep(ctx, e_member_ref(take(ctx, $2), take(ctx, $3))); }
    ;

opt_member_subscript
    : %empty { $$ = nullptr; }
    | '(' expression ')' { $$ = $2; }
    ;

expression_list
    : expression
    | expression_list ',' expression { $$ = binary(ctx, $1, op_comma, $3); }
    ;

location_reference
    : location_operator variable_reference
        {
            $$ = $2;
            if ($$ && !$$->empty() && !lb_label_location(ctx, *$$)) $$->front().loc_flag = 1;
        }
    | location_operator '(' string_list ')' { $$ = keep(ctx, e_str_loc_ref(take(ctx, $3))); }
    ;

location_operator
    : '@'
    | '.'
    ;

string_list
    : string_item
    | string_list ',' string_item { $$ = keep(ctx, take(ctx, $1) + take(ctx, $3)); }
    ;

string_item
    : DQ_STRING { $$ = keep(ctx, c_string_text(take(ctx, $1))); }
    | string_open STRING_TEXT QUOTE { $$ = keep(ctx, c_string_text(take(ctx, $2))); ctx.scanner.clear_force_text(); }
    | number { $$ = keep(ctx, string_byte(ctx, take(ctx, $1))); }
    | IDENTIFIER { $$ = keep(ctx, named_string_byte(ctx, take(ctx, $1))); }
    ;

/* Statements. */

statement
    : simple_statement { ctx.do_case.ss_next_case(); }
    | do_statement { ctx.do_case.ss_next_case(); }
    | if_statement
    | statement_label statement
    | directive_line
    | error { s_error(ctx, 1); ctx.scanner.set_include_path_mode(false); }
    ;

statement_label
    : name ':' { ctx.statements.s_label(take(ctx, $1)); }
    ;

simple_statement
    : assignment
    | call_statement
    | goto_statement
    | null_statement
    | return_statement
    | machine_statement
    ;

assignment
    : assignment_targets EQ expression ';' { ctx.statements.s_assign(take(ctx, $1), take(ctx, $3)); }
    ;

assignment_targets
    : variable_reference
    | assignment_targets ',' variable_reference { $$ = binary(ctx, $1, op_assign, $3); }
    ;

call_statement
    : CALL name opt_arguments ';' { ctx.statements.s_call_state(take(ctx, $2), take(ctx, $3)); }
    | CALL name '.' IDENTIFIER opt_arguments ';'
        { ctx.statements.s_call_member(take(ctx, $2), take(ctx, $4), take(ctx, $5)); }
    ;

goto_statement
    : GOTO name ';' { ctx.statements.s_goto(take(ctx, $2)); }
    | GO TO name ';' { ctx.statements.s_goto(take(ctx, $3)); }
    ;

null_statement
    : ';' { ctx.statements.s_null_stmt(); }
    ;

return_statement
    : RETURN expression ';' { ctx.statements.s_return(take(ctx, $2)); }
    | RETURN ';' { ctx.statements.s_return({}); }
    ;

machine_statement
    : DISABLE ';' { ctx.statements.s_enable_disable(1); }
    | ENABLE ';' { ctx.statements.s_enable_disable(0); }
    | CAUSE_INTERRUPT expression ';' { ctx.statements.s_cause_interrupt(take(ctx, $2)); }
    | HALT ';' { ctx.statements.s_halt(); }
    ;

if_statement
    : if_head THEN statement %prec THEN
    | if_head THEN statement else_word statement
    ;

if_head
    : IF expression { ctx.statements.s_if(take(ctx, $2)); }
    ;

else_word
    : ELSE { ctx.statements.s_else(); }
    ;

do_statement
    : do_block
    | do_case
    | iterative_do
    | do_while
    ;

do_case
    : do_case_head statement_list do_case_end
    ;

do_case_head
    : DO CASE expression ';' { ctx.do_case.s_start_case(take(ctx, $3)); }
    ;

do_case_end
    : opt_end_label END opt_end_name ';' { ctx.do_case.s_end_case(take(ctx, $1), take(ctx, $3)); }
    ;

iterative_do
    : iterative_do_head statement_list loop_end
    ;

iterative_do_head
    : DO name EQ expression TO expression opt_by ';'
        { ctx.statements.s_for_state(take(ctx, $2), {}, take(ctx, $4), take(ctx, $6), take(ctx, $7)); }
    | DO name '.' IDENTIFIER EQ expression TO expression opt_by ';'
        { ctx.statements.s_for_state(take(ctx, $2), take(ctx, $4), take(ctx, $6), take(ctx, $8), take(ctx, $9)); }
    ;

opt_by
    : %empty { $$ = nullptr; }
    | BY expression { $$ = $2; }
    ;

do_while
    : do_while_head statement_list loop_end
    ;

do_while_head
    : DO WHILE expression ';' { ctx.statements.s_while_state(take(ctx, $3)); }
    ;

loop_end
    : opt_end_label END opt_end_name ';' { ctx.statements.s_simple_do_end(take(ctx, $1), take(ctx, $3)); }
    ;

/* Compiler directives. */

directive_lines
    : directive_line
    | directive_lines directive_line
    | error { s_error(ctx, 1); }
    ;

directive_line
    : DOLLAR directive_list
    ;

directive_list
    : directive
    | directive_list directive
    ;

directive
    : DIR_CONTROL { dv_control(ctx, $1); }
    | DIR_CONTROL '(' ignored_arguments ')'
    | include_word '(' path ')'
        {
            ctx.scanner.set_include_path_mode(false);
            dv_include_state(ctx, ctx.parser.path_buffer);
            ctx.scanner.clear_no_expansion_once();
        }
    | DIR_WORKFILES '(' path ',' path ')'
    | DIR_IF expression_list { dv_if_state(ctx, $1 != 0, take(ctx, $2)); }
    | DIR_SET '(' expression_list ')' { dv_set_state(ctx, $1, take(ctx, $3)); }
    | DIR_ELSE { dv_else_state(ctx); }
    | DIR_ENDIF { dv_endif_state(ctx); }
    | DIR_UNKNOWN
    | DIR_UNKNOWN '(' ignored_arguments ')'
    ;

include_word
    : DIR_INCLUDE
        {
            ctx.scanner.set_include_path_mode(true);
            ctx.parser.path_buffer.clear();
            ctx.scanner.set_no_expansion_once();
        }
    ;

ignored_arguments
    : %empty
    | ignored_arguments ignored_argument
    ;

ignored_argument
    : IDENTIFIER { drop(ctx, $1); }
    | REAL_NUMBER { drop(ctx, $1); }
    | BIN_NUMBER { drop(ctx, $1); }
    | DEC_NUMBER { drop(ctx, $1); }
    | OCT_NUMBER { drop(ctx, $1); }
    | HEX_NUMBER { drop(ctx, $1); }
    | DQ_STRING { drop(ctx, $1); }
    | QUOTE STRING_TEXT QUOTE { drop(ctx, $2); }
    | ':' | '<' | '>' | EQ | '.' | SLASH | MINUS | PLUS | '*' | ';' | ',' | '@' | BACKSLASH | DIR_UNKNOWN
    | DOLLAR
    ;

path
    : path_part
    | path path_part
    ;

path_part
    : ':' { ctx.scanner.set_no_expansion_once(); append_path(ctx, ":"); }
    | '.' { ctx.scanner.set_no_expansion_once(); append_path(ctx, "."); }
    | SLASH { ctx.scanner.set_no_expansion_once(); append_path(ctx, "/"); }
    | BACKSLASH { ctx.scanner.set_no_expansion_once(); append_path(ctx, "\\"); }
    | IDENTIFIER { append_path(ctx, take(ctx, $1)); }
    | REAL_NUMBER { append_path_number(ctx, $1); }
    | DEC_NUMBER { append_path_number(ctx, $1); }
    | OCT_NUMBER { append_path_number(ctx, $1); }
    | HEX_NUMBER { append_path_number(ctx, $1); }
    | BIN_NUMBER { append_path_number(ctx, $1); }
    ;

%%

namespace {

// DO ; opens the module body (the first DO of the run) or a nested block
// with a scope of its own.
void do_head(Context& ctx) {
    Parser& parser = ctx.parser;
    parser.module_block = !parser.first_do_seen;
    parser.first_do_seen = true;
    ctx.blocks.b_push_block(BlockKind::simple_do);
    if (parser.module_block) return;
    parser.declare_table_allocated = false;
    ctx.statements.s_simple_do();
    if (!ctx.symbols.h_push_declare_block())
        ctx.messages.log_printf("%s: warning - push declare block failed in line %d\n", ctx.message_file(),
                                ctx.s_current_line());
}

// END of the module body or of a nested DO block. Declarations still pending
// are printed: those of a module that never opened main, and those of a
// nested block that held no statement, whose entries its END is about to free.
void do_block_end(Context& ctx, std::string label, std::string name) {
    bool module_body = ctx.blocks.b_top_is_module();
    bool module_without_main = module_body && ctx.statements.main_pending && !ctx.blocks.b_in_procedure();
    if (module_without_main || !module_body) d_flush_declarations(ctx);
    ctx.remarks.r_flush_remarks();
    ctx.parser.module_block = false;
    ctx.statements.s_simple_do_end(std::move(label), std::move(name));
    if (module_body) dd_write_init_function(ctx);
    if (!ctx.symbols.h_free_declare_block())
        ctx.messages.log_printf("%s: warning - free declare block failed in line %d\n", ctx.message_file(),
                                ctx.s_current_line());
}

} // namespace

namespace xlatr {

#define XLATR_CHECK_TOKEN(name, code) static_assert(TOKEN_##name == (code), "token code of " #name);
XLATR_TOKEN_CODES(XLATR_CHECK_TOKEN)
#undef XLATR_CHECK_TOKEN

// The token stream seen by the parser: the scanner's code, and the value the
// grammar keeps for the tokens that carry one.
int xlatr_lex(XLATR_STYPE* value, Context& ctx) {
    int code = ctx.scanner.s_next_token();
    current_token& token = ctx.scanner.token();
    switch (code) {
    case tok::IDENTIFIER:
    case tok::DQ_STRING:
    case tok::STRING_TEXT: value->text = keep(ctx, std::move(token.value.text)); break;
    case tok::BIN_NUMBER:
    case tok::DEC_NUMBER:
    case tok::HEX_NUMBER:
    case tok::OCT_NUMBER:
    case tok::REAL_NUMBER:
        value->num = keep(ctx, number_token{token.value.number, token.value.real, token.text});
        break;
    case tok::MEMORY_SPACE: {
        std::string name = c_strmove1(token.text);
        ctx.keywords.kw_rename(name);
        value->space = keep(ctx, memory_space_token{token.value.code, std::move(name)});
        break;
    }
    default: value->code = token.value.code; break;
    }
    return code;
}

#undef yyparse

int yyparse(Context& ctx) {
    int result = ::xlatr_parse(ctx);
    ctx.parser.arena.clear();
    return result;
}

} // namespace xlatr
