#include "module_generator.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace xlatr::bench {

namespace {

// splitmix64: small, fast and the same on every platform, so a seed names
// one module everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }
    std::string_view pick(std::initializer_list<std::string_view> items) {
        return *(items.begin() + below(static_cast<int>(items.size())));
    }

  private:
    std::uint64_t state_;
};

// Something a statement may read or assign: a scalar, an array element
// (`head(index)tail`) or a member of either.
struct Operand {
    std::string head;
    std::string tail;
    int length = 0; // elements of the array; 0 for a scalar
    bool byte = false;
    bool constant = false; // a LITERALLY name for a number
};

struct Callee {
    std::string name;
    std::vector<bool> byte_parameters; // one per parameter: whether it is a BYTE
    bool typed = false;
    bool location_first = false; // the first argument is the location of a block of bytes
};

enum class Returns { nothing, byte, word };

// The binding strength of PL/M's operators; a leaf or a group binds tightest.
constexpr int leaf_precedence = 9;

int precedence(std::string_view op) {
    if (op == "*" || op == "/" || op == "MOD") return 5;
    if (op == "+" || op == "-") return 4;
    if (op == "AND") return 1;
    return 0; // OR, XOR
}

struct Expr {
    std::string text;
    bool constant = false; // a C compiler folds it
    int precedence = leaf_precedence;
};

std::string grouped(const Expr& expr, int above) {
    return expr.precedence < above ? "(" + expr.text + ")" : expr.text;
}

// What the statements of one procedure body can see.
struct Scope {
    std::vector<Operand> readable;
    std::vector<Operand> writable;
    std::vector<std::string> free_indices; // loop variables not in use by an enclosing loop
    std::vector<Callee> callees;
    std::vector<std::string> byte_blocks;     // arrays of bytes whose location the block built-ins take
    std::vector<std::string> writable_blocks; // those of them that are not DATA
};

constexpr std::array<std::string_view, 24> remark_words = {
    "the",    "value",  "ring",   "sample", "count",  "mask",   "buffer", "table",
    "entry",  "next",   "checks", "keeps",  "limit",  "record", "moves",  "state",
    "scaled", "result", "bytes",  "word",   "update", "before", "after",  "each"};

constexpr int max_depth = 3;

class ModuleWriter {
  public:
    explicit ModuleWriter(std::uint64_t seed) : rng_(seed) {}

    GeneratedModule write(long target_lines) {
        GeneratedModule module;
        module.include_text = include_text();
        module.include_lines = count_lines(module.include_text);
        out_ = "/* BENCH: a generated module for measuring the translator. Each unit\n"
               "   keeps a ring of samples, a record and a table, and the procedures\n"
               "   that fill, scan and fold them. */\n"
               "BENCH: DO;\n\n"
               "$INCLUDE(INC/BENCH.LIT)\n\n"
               "DECLARE ERRORS WORD PUBLIC;       /* failed checks of every unit */\n"
               "DECLARE SEED WORD INITIAL (1234H);\n"
               "DECLARE SCRATCH (64) BYTE;\n\n";
        lines_ = count_lines(out_);
        const long closing_lines = 2;
        while (lines_ + closing_lines + module.units + 1 < target_lines)
            write_unit(module.units++);
        line("/* Every unit runs once. */");
        for (int unit = 0; unit < module.units; ++unit)
            line("CALL RUN$" + std::to_string(unit) + ";");
        line("END BENCH;");
        module.source = std::move(out_);
        module.source_lines = lines_;
        return module;
    }

  private:
    static std::string include_text() {
        return "/* Limits, masks and record layouts shared by every unit. */\n"
               "DECLARE TRUE LITERALLY '0FFH', FALSE LITERALLY '0';\n"
               "DECLARE FOREVER LITERALLY 'WHILE 1';\n"
               "DECLARE RING$SIZE LITERALLY '16', RING$MASK LITERALLY '0FH';\n"
               "DECLARE LIMIT$LOW LITERALLY '1$000', LIMIT$HIGH LITERALLY '0C000H';\n"
               "DECLARE BIT$MASK LITERALLY '1010$0101B', OCT$MASK LITERALLY '177Q';\n"
               "DECLARE TABLE$WIDTH LITERALLY '8';\n"
               "DECLARE INCR LITERALLY '+ 1';\n"
               "\n"
               "/* One sample as it arrives, and one entry of a unit's table. */\n"
               "DECLARE SAMPLE LITERALLY 'STRUCTURE (KIND BYTE, LEN WORD, BODY (8) BYTE)';\n"
               "DECLARE ENTRY LITERALLY 'STRUCTURE (KEY WORD, FLAGS BYTE)';\n"
               "\n"
               "DECLARE TICKS WORD;                /* advanced by every unit */\n";
    }

    // --- text ---------------------------------------------------------------

    void line(const std::string& text) {
        out_.append(static_cast<std::size_t>(indent_ * 3), ' ');
        out_ += text;
        out_ += '\n';
        ++lines_;
    }
    void blank() {
        out_ += '\n';
        ++lines_;
    }

    std::string remark_text(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            if (i > 0) text += ' ';
            text += remark_words[static_cast<std::size_t>(rng_.below(static_cast<int>(remark_words.size())))];
        }
        return text;
    }

    void block_remark() {
        const int lines = rng_.between(1, 3);
        std::string text = "/* " + remark_text(rng_.between(4, 8));
        for (int i = 1; i < lines; ++i) {
            line(text);
            text = "   " + remark_text(rng_.between(4, 8));
        }
        line(text + " */");
    }

    // --- expressions --------------------------------------------------------

    // A constant that suits the target: small for a BYTE, which the C
    // compiler would otherwise warn about when the constant decides the value.
    std::string constant(bool byte) {
        switch (rng_.below(6)) {
        case 0:
            return std::to_string(rng_.between(0, byte ? 99 : 9999));
        case 1:
            return std::string{"0"} + "01234567"[rng_.below(byte ? 6 : 8)] +
                   "0123456789ABCDEF"[rng_.below(16)] + "H";
        case 2:
            if (byte) return std::string{rng_.pick({"RING$SIZE", "RING$MASK", "TABLE$WIDTH"})};
            return std::string{
                rng_.pick({"LIMIT$LOW", "LIMIT$HIGH", "RING$SIZE", "TABLE$WIDTH", "BIT$MASK", "OCT$MASK"})};
        case 3:
            if (byte) return std::string{rng_.pick({"0$10", "1$00"})};
            return std::to_string(rng_.between(1, 3)) + "$" + std::to_string(rng_.between(100, 999));
        case 4:
            if (byte) return std::string{rng_.pick({"0101B", "0011$0011B", "17Q", "77Q"})};
            return std::string{rng_.pick({"0101B", "1100$0011B", "17Q", "377Q"})};
        default:
            return std::to_string(rng_.between(1, 64));
        }
    }

    std::string index(const Scope& scope, const Operand& operand, int depth) {
        const std::string last = std::to_string(operand.length - 1);
        if (rng_.percent(40)) return std::to_string(rng_.below(operand.length));
        if (!scope.free_indices.empty() && rng_.percent(20)) return rng_.pick(scope.free_indices);
        return "(" + expression(scope, depth - 1, false).text + ") AND " + last;
    }

    std::string reference(const Scope& scope, const Operand& operand, int depth) {
        if (operand.length == 0) return operand.head + operand.tail;
        return operand.head + "(" + index(scope, operand, depth) + ")" + operand.tail;
    }

    Expr variable(const Scope& scope, int depth) {
        return Expr{reference(scope, rng_.pick(scope.writable), depth), false};
    }

    Expr operand(const Scope& scope, int depth, bool byte) {
        if (rng_.percent(25)) return Expr{constant(byte), true};
        const Operand& chosen = rng_.pick(scope.readable);
        return Expr{reference(scope, chosen, depth), chosen.constant};
    }

    // Two constants are never combined: the C compiler would fold them and
    // warn when the result does not fit, and code rarely reads that way. The
    // operands are grouped where the operators' precedence would otherwise
    // regroup them, so that the text has the shape of the tree.
    Expr binary(const Scope& scope, int depth, Expr left, std::string_view op, const Expr& right) {
        if (left.constant && right.constant) left = variable(scope, depth);
        const int strength = precedence(op);
        return Expr{grouped(left, strength) + " " + std::string{op} + " " + grouped(right, strength + 1),
                    false, strength};
    }

    Expr builtin(const Scope& scope, int depth) {
        const std::string argument = expression(scope, depth - 1, false).text;
        switch (rng_.below(8)) {
        case 0:
            return Expr{"SHL(" + argument + ", " + std::to_string(rng_.between(1, 7)) + ")"};
        case 1:
            return Expr{"SHR(" + argument + ", " + std::to_string(rng_.between(1, 7)) + ")"};
        case 2:
            return Expr{"ROL(" + argument + ", " + std::to_string(rng_.between(1, 3)) + ")"};
        case 3:
            return Expr{"ROR(LOW(" + argument + "), " + std::to_string(rng_.between(1, 3)) + ")"};
        case 4:
            return Expr{"LOW(" + argument + ")"};
        case 5:
            return Expr{"HIGH(" + argument + ")"};
        case 6:
            return Expr{"CMPB(." + rng_.pick(scope.byte_blocks) + ", ." + rng_.pick(scope.byte_blocks) +
                        ", " + std::to_string(rng_.between(1, 8)) + ")"};
        default:
            return Expr{"FINDB(." + rng_.pick(scope.byte_blocks) + ", " + argument + ", " +
                        std::to_string(rng_.between(1, 8)) + ")"};
        }
    }

    std::string call_text(const Scope& scope, const Callee& callee, int depth) {
        if (callee.byte_parameters.empty()) return callee.name;
        std::string text = callee.name + "(";
        for (std::size_t i = 0; i < callee.byte_parameters.size(); ++i) {
            if (i > 0) text += ", ";
            if (i == 0 && callee.location_first)
                text += "." + rng_.pick(scope.byte_blocks);
            else
                text += expression(scope, depth - 1, callee.byte_parameters[i]).text;
        }
        return text + ")";
    }

    Expr function_call(const Scope& scope, int depth) {
        std::vector<Callee> typed;
        std::copy_if(scope.callees.begin(), scope.callees.end(), std::back_inserter(typed),
                     [](const Callee& callee) { return callee.typed; });
        if (typed.empty()) return builtin(scope, depth);
        return Expr{call_text(scope, rng_.pick(typed), depth)};
    }

    // An expression whose leaves fit a BYTE when `byte` is set.
    Expr expression(const Scope& scope, int depth, bool byte) {
        if (depth <= 0 || rng_.percent(30)) return operand(scope, depth, byte);
        switch (rng_.below(9)) {
        case 0:
        case 1:
        case 2:
            return binary(scope, depth, expression(scope, depth - 1, byte),
                          rng_.pick({"+", "-", "+", "*", "AND", "OR", "XOR"}),
                          expression(scope, depth - 1, byte));
        case 3: {
            Expr group = binary(scope, depth, expression(scope, depth - 1, byte),
                                rng_.pick({"+", "-", "XOR"}), expression(scope, depth - 1, byte));
            group.text = "(" + group.text + ")";
            group.precedence = leaf_precedence;
            return group;
        }
        case 4:
            return binary(scope, depth, expression(scope, depth - 1, byte), rng_.pick({"/", "MOD"}),
                          Expr{std::to_string(rng_.between(2, 9)), true});
        case 5:
        case 6:
            return builtin(scope, depth);
        case 7:
            return function_call(scope, depth);
        default:
            return operand(scope, depth, byte);
        }
    }

    std::string relation() { return std::string{rng_.pick({"<", ">", "=", "<>", "<=", ">="})}; }

    std::string comparison(const Scope& scope, int depth) {
        constexpr int relation_precedence = 3;
        const Expr left = expression(scope, depth, false);
        const Expr right = left.constant ? variable(scope, 1) : operand(scope, 1, false);
        return grouped(left, relation_precedence) + " " + relation() + " " + right.text;
    }

    std::string condition(const Scope& scope) {
        std::string text = comparison(scope, 2);
        if (rng_.percent(30)) text += std::string{rng_.pick({" AND ", " OR "})} + comparison(scope, 1);
        if (rng_.percent(10)) text = "NOT (" + text + ")";
        return text;
    }

    // --- statements ---------------------------------------------------------

    void assignment(const Scope& scope) {
        const Operand& first = rng_.pick(scope.writable);
        std::string target = reference(scope, first, 2);
        bool byte = first.byte;
        if (rng_.percent(8)) {
            const Operand& second = rng_.pick(scope.writable);
            target += ", " + reference(scope, second, 1);
            byte = byte || second.byte;
        }
        // A truth value now and then, kept in a WORD: its C text is 0FFFFH or
        // 0, which a BYTE would cut.
        const std::string value =
            !byte && rng_.percent(5) ? comparison(scope, 1) : expression(scope, 3, byte).text;
        std::string text = target + " = " + value + ";";
        if (rng_.percent(12)) text += "   /* " + remark_text(rng_.between(2, 5)) + " */";
        line(text);
    }

    void procedure_call(const Scope& scope) {
        std::vector<Callee> plain;
        std::copy_if(scope.callees.begin(), scope.callees.end(), std::back_inserter(plain),
                     [](const Callee& callee) { return !callee.typed; });
        if (plain.empty()) return block_call(scope);
        line("CALL " + call_text(scope, rng_.pick(plain), 2) + ";");
    }

    void block_call(const Scope& scope) {
        const std::string from = "." + rng_.pick(scope.byte_blocks);
        const std::string to = "." + rng_.pick(scope.writable_blocks);
        const std::string count = std::to_string(rng_.between(1, 8));
        switch (rng_.below(3)) {
        case 0:
            line("CALL MOVB(" + from + ", " + to + ", " + count + ");");
            break;
        case 1:
            line("CALL SETB(" + expression(scope, 1, true).text + ", " + to + ", " + count + ");");
            break;
        default:
            line("CALL TIME(" + count + ");");
            break;
        }
    }

    // A statement that may stand where a single statement is expected: a
    // compound one is wrapped in DO; ... END;.
    void branch(Scope& scope, int depth) {
        if (rng_.percent(60)) {
            simple_statement(scope);
            return;
        }
        line("DO;");
        ++indent_;
        statements(scope, depth + 1, rng_.between(1, 3));
        --indent_;
        line("END;");
    }

    void if_statement(Scope& scope, int depth, const std::string& lead = "") {
        line(lead + "IF " + condition(scope) + " THEN");
        ++indent_;
        branch(scope, depth);
        --indent_;
        if (!rng_.percent(55)) return;
        if (rng_.percent(35) && depth + 1 < max_depth) return if_statement(scope, depth + 1, "ELSE ");
        line("ELSE");
        ++indent_;
        branch(scope, depth);
        --indent_;
    }

    void iterative_do(Scope& scope, int depth) {
        const std::string index = take_index(scope);
        const std::vector<std::string> bounds = {"RING$MASK",
                                                 "TABLE$WIDTH - 1",
                                                 "7",
                                                 "LAST(SCRATCH)",
                                                 "LENGTH(RAW$" + unit_ + ") - 1",
                                                 "SIZE(TAB$" + unit_ + ") - 1"};
        std::string heading =
            "DO " + index + " = " + std::to_string(rng_.below(3)) + " TO " + rng_.pick(bounds);
        if (rng_.percent(15)) heading += " BY 2";
        line(heading + ";");
        ++indent_;
        statements(scope, depth + 1, rng_.between(1, 4));
        --indent_;
        line("END;");
        scope.free_indices.push_back(index);
    }

    void while_do(Scope& scope, int depth) {
        const std::string index = take_index(scope);
        line(index + " = 0;");
        line("DO WHILE " + index + " < " + std::to_string(rng_.between(2, 12)) + " AND " + condition(scope) +
             ";");
        ++indent_;
        statements(scope, depth + 1, rng_.between(1, 3));
        line(index + " = " + index + " INCR;");
        --indent_;
        line("END;");
        scope.free_indices.push_back(index);
    }

    void case_do(Scope& scope, int depth) {
        line("DO CASE " + expression(scope, 2, false).text + " AND 3;");
        ++indent_;
        for (int arm = 0; arm < 4; ++arm) {
            if (rng_.percent(10))
                line(";");
            else
                branch(scope, depth);
        }
        --indent_;
        line("END;");
    }

    std::string take_index(Scope& scope) {
        std::string index = scope.free_indices.back();
        scope.free_indices.pop_back();
        return index;
    }

    void simple_statement(const Scope& scope) {
        const int kind = rng_.below(100);
        if (kind < 75)
            assignment(scope);
        else if (kind < 90)
            procedure_call(scope);
        else
            block_call(scope);
    }

    void statement(Scope& scope, int depth) {
        if (rng_.percent(5)) line("/* " + remark_text(rng_.between(3, 7)) + " */");
        if (depth >= max_depth) return simple_statement(scope);
        const int kind = rng_.below(100);
        if (kind < 50)
            simple_statement(scope);
        else if (kind < 68)
            if_statement(scope, depth);
        else if (kind < 78 && !scope.free_indices.empty())
            iterative_do(scope, depth);
        else if (kind < 85 && !scope.free_indices.empty())
            while_do(scope, depth);
        else if (kind < 93)
            case_do(scope, depth);
        else
            simple_statement(scope);
    }

    void statements(Scope& scope, int depth, int count) {
        for (int i = 0; i < count; ++i)
            statement(scope, depth);
    }

    // --- units --------------------------------------------------------------

    static Operand word(std::string name) { return Operand{std::move(name), "", 0, false, false}; }
    static Operand byte(std::string name) { return Operand{std::move(name), "", 0, true, false}; }
    static Operand words(std::string name, int length, std::string tail = "") {
        return Operand{std::move(name), std::move(tail), length, false, false};
    }
    static Operand bytes(std::string name, int length, std::string tail = "") {
        return Operand{std::move(name), std::move(tail), length, true, false};
    }

    // The module variables of a unit, as the procedures see them.
    Scope unit_scope(const std::string& n) const {
        Scope scope;
        scope.writable = {word("TOTAL" + n),
                          byte("HEAD" + n),
                          byte("TAIL" + n),
                          words("RING" + n, 16),
                          bytes("RAW" + n, 32),
                          byte("REC" + n + ".KIND"),
                          word("REC" + n + ".LEN"),
                          bytes("REC" + n + ".BODY", 8),
                          words("TAB" + n, 8, ".KEY"),
                          bytes("TAB" + n, 8, ".FLAGS"),
                          byte("STATE" + n + ".MODE"),
                          bytes("STATE" + n + ".HIST", 4),
                          word("CELL" + n),
                          bytes("VIEW" + n, 16),
                          word("TICKS"),
                          word("SEED")};
        scope.readable = scope.writable;
        scope.readable.push_back(Operand{"LEVEL" + n, "", 0, true, true});
        scope.readable.push_back(bytes("MSG" + n, 8));
        scope.writable_blocks = {"RAW" + n, "REC" + n + ".BODY", "SCRATCH", "STATE" + n + ".HIST"};
        scope.byte_blocks = scope.writable_blocks;
        scope.byte_blocks.push_back("MSG" + n);
        return scope;
    }

    void unit_declarations(int unit, const std::string& n) {
        line("/* Unit " + std::to_string(unit) + ": " + remark_text(rng_.between(5, 9)) + ". */");
        line("DECLARE LEVEL" + n + " LITERALLY '" + std::to_string(rng_.between(1, 200)) + "';");
        line("DECLARE RING" + n + " (RING$SIZE) WORD;        /* the last samples */");
        line("DECLARE RAW" + n + " (32) BYTE AT (.RING" + n + ");");
        line("DECLARE (HEAD" + n + ", TAIL" + n + ") BYTE, TOTAL" + n + " WORD;");
        line("DECLARE REC" + n + " SAMPLE, TAB" + n + " (TABLE$WIDTH) ENTRY;");
        line("DECLARE STATE" + n + " STRUCTURE (MODE BYTE, COUNT WORD, HIST (4) BYTE);");
        line("DECLARE MSG" + n + " (8) BYTE DATA ('UNIT', " + std::to_string(rng_.below(256)) +
             ", 0DH, 0AH, 0);");
        line("DECLARE PTR" + n + " POINTER;");
        line("DECLARE CELL" + n + " BASED PTR" + n + " WORD, VIEW" + n + " BASED PTR" + n + " (16) BYTE;");
        blank();
    }

    struct ProcedureShape {
        std::string heading_tail; // after PROCEDURE
        std::vector<std::string> declarations;
        std::vector<Operand> locals;
        Callee callee;
        Returns returns = Returns::nothing;
    };

    // A typed or untyped worker procedure, PUBLIC now and then, whose
    // parameters are WORDs and BYTEs, the first one sometimes a pointer to a
    // block of bytes seen through a BASED array.
    ProcedureShape worker_shape(const std::string& name) {
        ProcedureShape shape;
        shape.callee = Callee{name, {}, rng_.percent(60), false};
        std::vector<std::string> names;
        const int parameters = rng_.between(0, 3);
        for (int i = 0; i < parameters; ++i) {
            if (i == 0 && rng_.percent(25)) {
                shape.callee.location_first = true;
                shape.callee.byte_parameters.push_back(false);
                names.emplace_back("BLOCK");
                shape.declarations.emplace_back("DECLARE BLOCK POINTER;");
                shape.declarations.emplace_back("DECLARE ITEMS BASED BLOCK (1) BYTE;");
                shape.locals.push_back(bytes("ITEMS", 64));
                continue;
            }
            std::string parameter{rng_.pick({"VALUE", "COUNT", "KEY", "LIMIT"})};
            parameter += static_cast<char>('A' + i);
            names.push_back(parameter);
            const bool is_byte = rng_.percent(35);
            shape.callee.byte_parameters.push_back(is_byte);
            shape.declarations.push_back("DECLARE " + parameter + (is_byte ? " BYTE;" : " WORD;"));
            shape.locals.push_back(is_byte ? byte(parameter) : word(parameter));
        }
        if (!names.empty()) {
            shape.heading_tail = " (";
            for (std::size_t i = 0; i < names.size(); ++i)
                shape.heading_tail += (i > 0 ? ", " : "") + names[i];
            shape.heading_tail += ")";
        }
        if (shape.callee.typed) {
            shape.returns = rng_.percent(50) ? Returns::byte : Returns::word;
            shape.heading_tail += shape.returns == Returns::byte ? " BYTE" : " WORD";
        }
        if (rng_.percent(15)) shape.heading_tail += " PUBLIC";
        shape.declarations.emplace_back("DECLARE (I, J) BYTE, K WORD;");
        shape.declarations.emplace_back("DECLARE (SUM, STEP) WORD, FLAGS BYTE;");
        for (const char* local : {"K", "SUM", "STEP"})
            shape.locals.push_back(word(local));
        shape.locals.push_back(byte("FLAGS"));
        return shape;
    }

    void procedure_body(Scope& scope, Returns returns, int statement_count) {
        statements(scope, 0, statement_count);
        if (returns != Returns::nothing)
            line("RETURN " + expression(scope, 3, returns == Returns::byte).text + ";");
    }

    // An inner procedure reading and changing what its enclosing procedure
    // declared.
    void inner_procedure(Scope outer, const std::string& name, Returns returns) {
        line(name + ": PROCEDURE (X) " + (returns == Returns::byte ? "BYTE" : "WORD") + ";");
        ++indent_;
        line("DECLARE X WORD, Y BYTE;");
        outer.readable.push_back(word("X"));
        outer.readable.push_back(byte("Y"));
        outer.writable.push_back(word("X"));
        outer.free_indices = {"Y"};
        procedure_body(outer, returns, rng_.between(2, 5));
        --indent_;
        line("END " + name + ";");
        blank();
    }

    void worker(Scope& unit_scope, const std::string& name) {
        ProcedureShape shape = worker_shape(name);
        block_remark();
        line(name + ": PROCEDURE" + shape.heading_tail + ";");
        ++indent_;
        for (const std::string& declaration : shape.declarations)
            line(declaration);
        Scope scope = unit_scope;
        for (const Operand& local : shape.locals) {
            scope.readable.push_back(local);
            scope.writable.push_back(local);
        }
        scope.free_indices = {"I", "J"};
        if (rng_.percent(40)) {
            blank();
            const std::string inner = name + "$STEP";
            inner_procedure(scope, inner, rng_.percent(50) ? Returns::byte : Returns::word);
            scope.callees.push_back(Callee{inner, {false}, true, false});
        }
        procedure_body(scope, shape.returns, rng_.between(5, 14));
        --indent_;
        line("END " + name + ";");
        blank();
        unit_scope.callees.push_back(shape.callee);
    }

    void run_procedure(Scope& scope, const std::string& n) {
        line("/* Runs the unit: points its views at the ring, then works. */");
        line("RUN" + n + ": PROCEDURE PUBLIC;");
        ++indent_;
        line("DECLARE (I, J) BYTE, K WORD;");
        scope.readable.push_back(word("K"));
        scope.writable.push_back(word("K"));
        scope.free_indices = {"I", "J"};
        line("PTR" + n + " = .RING" + n + ";");
        line("HEAD" + n + ", TAIL" + n + " = 0;");
        line("CALL SETB(0, .RAW" + n + ", SIZE(RAW" + n + "));");
        for (const Callee& callee : scope.callees) {
            const std::string call = call_text(scope, callee, 2);
            if (callee.typed)
                line("TOTAL" + n + " = TOTAL" + n + " + " + call + ";");
            else
                line("CALL " + call + ";");
        }
        statements(scope, 0, rng_.between(2, 6));
        line("IF TOTAL" + n + " > LIMIT$HIGH THEN");
        line("   ERRORS = ERRORS INCR;");
        line("TICKS = TICKS + LEVEL" + n + ";");
        --indent_;
        line("END RUN" + n + ";");
        blank();
    }

    void write_unit(int unit) {
        unit_ = std::to_string(unit);
        // Appended rather than concatenated: GCC 12 warns of an overlapping
        // copy in `"$" + std::to_string(unit)` when optimising.
        std::string n = "$";
        n += unit_;
        unit_declarations(unit, n);
        Scope scope = unit_scope(n);
        const int workers = rng_.between(2, 4);
        for (int i = 0; i < workers; ++i)
            worker(scope, std::string{rng_.pick({"FILL", "SCAN", "FOLD", "MIX", "PACK"})} +
                              static_cast<char>('A' + i) + n);
        run_procedure(scope, n);
    }

    Random rng_;
    std::string out_;
    long lines_ = 0;
    int indent_ = 0;
    std::string unit_; // the number of the unit being written
};

} // namespace

long count_lines(const std::string& text) {
    return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
}

GeneratedModule generate_module(double scale, std::uint64_t seed) {
    const long target = std::max(1L, static_cast<long>(scale * static_cast<double>(lines_per_scale)));
    return ModuleWriter(seed).write(target);
}

std::string generate_long_expression(std::size_t bytes, std::size_t line_length) {
    std::string text = "LONG$EXPRESSION: DO;\nDECLARE X WORD;\nX = 1";
    std::size_t line_start = text.rfind('\n') + 1;
    const std::size_t end = text.size() + bytes;
    while (text.size() < end) {
        if (line_length != 0 && text.size() - line_start >= line_length) {
            text += '\n';
            line_start = text.size();
        }
        text += " + X";
    }
    text += ";\nEND LONG$EXPRESSION;\n";
    return text;
}

} // namespace xlatr::bench
