/* Edge values of the runtime, one table per family of built-ins.
 * Usage: runtime_tests shifts|conversions|blocks|machine|table */
#include <stdio.h>
#include <string.h>

#include "bf_table.h"
#include "xlatr_runtime.h"

static int failures = 0;

static void expect(const char* what, int row, unsigned long got, unsigned long want) {
    if (got == want) return;
    ++failures;
    printf("FAIL %s, row %d: got 0x%lX, want 0x%lX\n", what, row, got, want);
}

static void expect_signed(const char* what, int row, long got, long want) {
    if (got == want) return;
    ++failures;
    printf("FAIL %s, row %d: got %ld, want %ld\n", what, row, got, want);
}

static void expect_text(const char* what, int row, const char* got, const char* want) {
    if (strcmp(got, want) == 0) return;
    ++failures;
    printf("FAIL %s, row %d: got \"%s\", want \"%s\"\n", what, row, got, want);
}

/* Every shift and rotate seen as bits in, bits out. */
typedef unsigned long (*shift_function)(unsigned long value, int count);
#define SHIFT(fn, argument)                                                                                  \
    static unsigned long call_##fn(unsigned long value, int count) {                                         \
        return (unsigned long)fn((argument)value, count) & 0xFFFFFFFFUL;                                     \
    }
#define INTEGER_SHIFT(fn, argument)                                                                          \
    static unsigned long call_##fn(unsigned long value, int count) {                                         \
        return (unsigned long)(fn((argument)value, count) + 0x10000L) & 0xFFFFUL;                            \
    }
SHIFT(shlB, int)
SHIFT(shlW, xlatr_word_arg)
SHIFT(shlD, unsigned long)
SHIFT(shrB, int)
SHIFT(shrW, xlatr_word_arg)
SHIFT(shrD, unsigned long)
SHIFT(rolB, int)
SHIFT(rolW, xlatr_word_arg)
SHIFT(rolD, unsigned long)
SHIFT(rorB, int)
SHIFT(rorW, xlatr_word_arg)
SHIFT(rorD, unsigned long)
SHIFT(sclB, int)
SHIFT(sclW, xlatr_word_arg)
SHIFT(sclD, unsigned long)
SHIFT(scrB, int)
SHIFT(scrW, xlatr_word_arg)
SHIFT(scrD, unsigned long)
INTEGER_SHIFT(salI, int)
INTEGER_SHIFT(salW, xlatr_word_arg)
INTEGER_SHIFT(sarI, int)
INTEGER_SHIFT(sarW, xlatr_word_arg)

struct shift_row {
    const char* name;
    shift_function call;
    unsigned long value;
    int count;
    int carry_in;
    unsigned long want;
    int carry_out;
};

static const struct shift_row shift_rows[] = {
    {"shlB", call_shlB, 0x81, 1, 0, 0x02, 1},
    {"shlB by 0 keeps value and carry", call_shlB, 0x81, 0, 1, 0x81, 1},
    {"shlB of a sum wider than a byte", call_shlB, 0x181, 0, 0, 0x81, 0},
    {"shlB by the width", call_shlB, 0x81, 8, 0, 0x00, 1},
    {"shlB past the width", call_shlB, 0xFF, 9, 1, 0x00, 0},
    {"shlW", call_shlW, 0x1234, 4, 0, 0x2340, 1},
    {"shlW by the width", call_shlW, 0x8001, 16, 0, 0x0000, 1},
    {"shlW by a huge count", call_shlW, 0x0001, 0x100, 1, 0x0000, 0},
    {"shlD", call_shlD, 0x80000001UL, 1, 0, 0x00000002UL, 1},
    {"shlD by the width", call_shlD, 0x00000001UL, 32, 0, 0, 1},
    {"shrB", call_shrB, 0x81, 1, 0, 0x40, 1},
    {"shrW to the last bit", call_shrW, 0x8000, 15, 1, 0x0001, 0},
    {"shrW by the width", call_shrW, 0x8000, 16, 0, 0x0000, 1},
    {"shrD", call_shrD, 0x80000000UL, 31, 1, 0x00000001UL, 0},
    {"shrD past the width", call_shrD, 0xFFFFFFFFUL, 40, 1, 0, 0},
    {"rolB", call_rolB, 0x81, 1, 0, 0x03, 1},
    {"rolB through the width", call_rolB, 0x81, 8, 0, 0x81, 1},
    {"rolB by width + 4", call_rolB, 0x12, 12, 0, 0x21, 1},
    {"rolW by width + 1", call_rolW, 0x8001, 17, 0, 0x0003, 1},
    {"rolD", call_rolD, 0x80000000UL, 1, 0, 0x00000001UL, 1},
    {"rorB", call_rorB, 0x01, 1, 0, 0x80, 1},
    {"rorW through the width", call_rorW, 0x0001, 16, 1, 0x0001, 0},
    {"rorD by width + 1", call_rorD, 0x00000001UL, 33, 0, 0x80000000UL, 1},
    {"sclB carry out", call_sclB, 0x80, 1, 0, 0x00, 1},
    {"sclB carry in", call_sclB, 0x00, 1, 1, 0x01, 0},
    {"sclB two steps", call_sclB, 0x80, 2, 1, 0x03, 0},
    {"sclB by width + 1 is the identity", call_sclB, 0x80, 9, 1, 0x80, 1},
    {"sclW by width + 1 is the identity", call_sclW, 0x8000, 17, 0, 0x8000, 0},
    {"sclD", call_sclD, 0x80000000UL, 1, 1, 0x00000001UL, 1},
    {"scrB carry out", call_scrB, 0x01, 1, 0, 0x00, 1},
    {"scrB carry in", call_scrB, 0x00, 1, 1, 0x80, 0},
    {"scrW two steps", call_scrW, 0x0001, 2, 0, 0x8000, 0},
    {"scrD", call_scrD, 0x00000000UL, 1, 1, 0x80000000UL, 0},
    {"salI of -1", call_salI, 0xFFFF, 1, 0, 0xFFFE, 1},
    {"salI into the sign", call_salI, 0x4000, 1, 1, 0x8000, 0},
    {"salW", call_salW, 0x8001, 1, 0, 0x0002, 1},
    {"sarI of -2", call_sarI, 0xFFFE, 1, 1, 0xFFFF, 0},
    {"sarI by the width", call_sarI, 0x8000, 16, 0, 0xFFFF, 1},
    {"sarI past the width", call_sarI, 0x8000, 20, 0, 0xFFFF, 1},
    {"sarI of a positive past the width", call_sarI, 0x4000, 20, 1, 0x0000, 0},
    {"sarW", call_sarW, 0xFFFE, 1, 1, 0xFFFF, 0},
};

static void test_shifts(void) {
    int row;
    for (row = 0; row < (int)(sizeof shift_rows / sizeof shift_rows[0]); ++row) {
        const struct shift_row* r = &shift_rows[row];
        xlatr_set_carry(r->carry_in);
        expect(r->name, row, r->call(r->value, r->count), r->want);
        expect(r->name, row, (unsigned long)xlatr_carry(), (unsigned long)r->carry_out);
    }
}

/* A DWORD shift carries into the next word through SCL, as PL/M code does it. */
static void test_carry_chain(void) {
    unsigned long low = 0x80000000UL;
    unsigned short high = 0x0001;
    xlatr_set_carry(0);
    low = shlD(low, 1);
    high = sclW(high, 1);
    expect("shlD then sclW", 0, low, 0);
    expect("shlD then sclW", 1, high, 0x0003);
}

static void test_conversions(void) {
    static const struct {
        double value;
        long want;
    } fix_rows[] = {{2.5, 2},         {3.5, 4},          {-2.5, -2},         {-3.5, -4},
                    {-2.6, -3},       {-2.4, -2},        {-0.5, 0},          {1.5, 2},
                    {32767.4, 32767}, {32767.5, -32768}, {-32768.5, -32768}, {-32768.6, -32768},
                    {1.0e10, -32768}, {-1.0e10, -32768}};
    static const struct {
        int value;
        int want;
        int carry;
    } dec_rows[] = {{0x59 + 0x01, 0x60, 0},
                    {0x45, 0x45, 0},
                    {0x99 + 0x01, 0x00, 1},
                    {0x50 + 0x50, 0x00, 1},
                    {0x90 + 0x90, 0x80, 1}};
    int row;

    for (row = 0; row < (int)(sizeof fix_rows / sizeof fix_rows[0]); ++row)
        expect_signed("fixR", row, fixR(fix_rows[row].value), fix_rows[row].want);
    for (row = 0; row < (int)(sizeof dec_rows / sizeof dec_rows[0]); ++row) {
        xlatr_set_carry(1 - dec_rows[row].carry);
        expect("decB", row, decB(dec_rows[row].value), (unsigned long)dec_rows[row].want);
        expect("decB carry", row, (unsigned long)xlatr_carry(), (unsigned long)dec_rows[row].carry);
    }

    expect("lowB of a sum", 0, lowB(0x1A5), 0xA5);
    expect("lowW", 0, lowW(0xABCD), 0xCD);
    expect("lowI of -2", 0, lowI(-2), 0xFE);
    expect("lowD", 0, lowD(0x12345678UL), 0x5678);
    expect("highB", 0, highB(0xFF), 0);
    expect("highW", 0, highW(0xABCD), 0xAB);
    expect("highI of -2", 0, highI(-2), 0xFF);
    expect("highD", 0, highD(0x12345678UL), 0x1234);
    expect("highD of 0FFFFFFFFH", 0, highD(0xFFFFFFFFUL), 0xFFFF);
    expect("doubleB of a sum", 0, doubleB(0x1FF), 0xFF);
    expect("doubleW", 0, doubleW(0xFFFF), 0xFFFFUL);
    expect_signed("intW of 0FFFFH", 0, intW(0xFFFF), -1);
    expect_signed("intW of 8000H", 0, intW(0x8000), -32768);
    expect_signed("signedW of 7FFFH", 0, signedW(0x7FFF), 32767);
    expect_signed("signedB of 0FFH", 0, signedB(0xFF), 255);
    expect("unsignI of -1", 0, unsignI(-1), 0xFFFF);
    expect("unsignI of -32768", 0, unsignI(-32768), 0x8000);
    expect("unsignW", 0, unsignW(0x1234), 0x1234);
    expect_signed("iabsI of -5", 0, iabsI(-5), 5);
    expect_signed("iabsI of -32768", 0, iabsI(-32768), -32768);
    expect_signed("iabsW of 0FFFBH", 0, iabsW(0xFFFB), 5);
    expect_signed("floatI of -1", 0, (long)floatI(-1), -1);
    expect_signed("floatI of an INTEGER sum past 32767", 0, (long)floatI(32767 + 1), -32768);
    expect_signed("floatW of 5", 0, (long)floatW(5), 5);
    expect_signed("absR of -2.5 doubled", 0, (long)(absR(-2.5) * 2), 5);
}

/* Byte moves over "abcdef" shifted by one place up or down. */
typedef unsigned short (*move_function)(char* source, char* destination, xlatr_word_arg count);

static unsigned short move_count_first(char* source, char* destination, xlatr_word_arg count) {
    return moveW(count, source, destination);
}

static void test_byte_moves(void) {
    static const struct {
        const char* name;
        move_function move;
        int from;
        int to;
        xlatr_word_arg count;
        const char* want;
    } rows[] = {
        {"movb upwards repeats", movb, 0, 1, 4, "aaaaaf"},
        {"movrb upwards keeps the block", movrb, 0, 1, 4, "aabcdf"},
        {"movb downwards", movb, 1, 0, 4, "bcdeef"},
        {"movrb downwards repeats", movrb, 1, 0, 4, "eeeeef"},
        {"movb of nothing", movb, 0, 1, 0, "abcdef"},
        {"movrb of nothing", movrb, 0, 1, 0, "abcdef"},
        {"moveW", move_count_first, 3, 0, 3, "defdef"},
    };
    int row;
    for (row = 0; row < (int)(sizeof rows / sizeof rows[0]); ++row) {
        char buffer[7] = "abcdef";
        rows[row].move(buffer + rows[row].from, buffer + rows[row].to, rows[row].count);
        expect_text(rows[row].name, row, buffer, rows[row].want);
    }
}

static void test_word_moves(void) {
    static const struct {
        const char* name;
        move_function move;
        int from;
        int to;
        unsigned short want[5];
    } rows[] = {
        {"movw upwards repeats", movw, 0, 1, {1, 1, 1, 1, 5}},
        {"movrw upwards keeps the block", movrw, 0, 1, {1, 1, 2, 3, 5}},
        {"movw downwards", movw, 1, 0, {2, 3, 4, 4, 5}},
        {"movrw downwards repeats", movrw, 1, 0, {4, 4, 4, 4, 5}},
    };
    int row;
    for (row = 0; row < (int)(sizeof rows / sizeof rows[0]); ++row) {
        unsigned short words[5] = {1, 2, 3, 4, 5};
        int i;
        rows[row].move((char*)(words + rows[row].from), (char*)(words + rows[row].to), 3);
        for (i = 0; i < 5; ++i)
            expect(rows[row].name, row, words[i], rows[row].want[i]);
    }
}

static char letters[] = "abcabc";
static char same_letters[] = "aaab";
static unsigned short numbers[] = {7, 0xFFFF, 7, 9};

typedef unsigned short (*byte_search)(char* block, int target, xlatr_word_arg count);
typedef unsigned short (*word_search)(char* block, xlatr_word_arg target, xlatr_word_arg count);

static void test_searches(void) {
    static const struct {
        const char* name;
        byte_search search;
        char* block;
        int target;
        xlatr_word_arg count;
        unsigned want;
    } byte_rows[] = {
        {"findb", findb, letters, 'c', 6, 2},
        {"findrb counts from the start", findrb, letters, 'c', 6, 5},
        {"findb misses", findb, letters, 'z', 6, 0xFFFF},
        {"findb of nothing", findb, letters, 'a', 0, 0xFFFF},
        {"findrb of nothing", findrb, letters, 'a', 0, 0xFFFF},
        {"skipb", skipb, same_letters, 'a', 4, 3},
        {"skiprb", skiprb, same_letters, 'b', 4, 2},
        {"skipb over all", skipb, same_letters, 'a', 3, 0xFFFF},
    };
    static const struct {
        const char* name;
        word_search search;
        xlatr_word_arg target;
        xlatr_word_arg count;
        unsigned want;
    } word_rows[] = {
        {"findw of 0FFFFH", findw, 0xFFFF, 4, 1},
        {"findrw", findrw, 7, 4, 2},
        {"findw misses", findw, 8, 4, 0xFFFF},
        {"skipw", skipw, 7, 4, 1},
        {"skiprw", skiprw, 9, 4, 2},
        {"skiprw of nothing", skiprw, 9, 0, 0xFFFF},
    };
    int row;
    for (row = 0; row < (int)(sizeof byte_rows / sizeof byte_rows[0]); ++row)
        expect(byte_rows[row].name, row,
               byte_rows[row].search(byte_rows[row].block, byte_rows[row].target, byte_rows[row].count),
               byte_rows[row].want);
    for (row = 0; row < (int)(sizeof word_rows / sizeof word_rows[0]); ++row)
        expect(word_rows[row].name, row,
               word_rows[row].search((char*)numbers, word_rows[row].target, word_rows[row].count),
               word_rows[row].want);
}

static void test_compares_and_fills(void) {
    char first[] = "abcd";
    char second[] = "abxd";
    unsigned short words_a[3] = {1, 2, 3};
    unsigned short words_b[3] = {1, 2, 4};
    char fill[5] = "wxyz";
    unsigned short word_fill[3] = {0, 0, 0};
    char source[] = "\001\000\002";
    char table[] = "xyz";
    char translated[4] = "---";

    expect("cmpb equal", 0, cmpb(first, first, 4), 0xFFFF);
    expect("cmpb differs", 0, cmpb(first, second, 4), 2);
    expect("cmpb of nothing", 0, cmpb(first, second, 0), 0xFFFF);
    expect("cmpw differs", 0, cmpw((char*)words_a, (char*)words_b, 3), 2);
    expect("cmpw before the difference", 0, cmpw((char*)words_a, (char*)words_b, 2), 0xFFFF);

    setb(0x100 + 'q', fill, 3);
    expect_text("setb", 0, fill, "qqqz");
    setb('r', fill, 0);
    expect_text("setb of nothing", 0, fill, "qqqz");
    setw(0xBEEF, (char*)word_fill, 2);
    expect("setw", 0, word_fill[1], 0xBEEF);
    expect("setw", 1, word_fill[2], 0);

    xlat(source, translated, 3, table);
    expect_text("xlat", 0, translated, "yxz");
    xlat(translated, translated, 0, table);
    expect_text("xlat of nothing", 0, translated, "yxz");
}

static void test_blocks(void) {
    test_byte_moves();
    test_word_moves();
    test_searches();
    test_compares_and_fills();
}

/* A machine that records what the program asked of it. */
struct recorder {
    unsigned last_port;
    unsigned last_value;
    int enabled;
    int interrupt;
    unsigned delayed;
};

static unsigned echo_port(void* context, unsigned port) {
    ((struct recorder*)context)->last_port = port;
    return port + 0x1200;
}

static void record_output(void* context, unsigned port, unsigned value) {
    ((struct recorder*)context)->last_port = port;
    ((struct recorder*)context)->last_value = value;
}

static void record_enable(void* context) {
    ((struct recorder*)context)->enabled = 1;
}
static void record_disable(void* context) {
    ((struct recorder*)context)->enabled = 0;
}
static void record_interrupt(void* context, int number) {
    ((struct recorder*)context)->interrupt = number;
}
static void record_delay(void* context, unsigned count) {
    ((struct recorder*)context)->delayed += count;
}

static void test_machine(void) {
    struct recorder machine = {0, 0, 0, 0, 0};
    struct xlatr_hooks hooks;
    char flag = 0;

    xlatr_set_hooks(NULL);
    expect("default inputB", 0, inputB(5), 0);
    expect("default inwordW", 0, inwordW(0x300), 0);
    expect("default outputW", 0, outputW(0x300, 1), 0);
    expect("default lockset", 0, lockset(&flag, 0x1FF), 0);
    expect("default lockset", 1, lockset(&flag, 0), 0xFF);
    expect_signed("default ENABLE", 0, ENABLE() + DISABLE() + causeInterrupt(3) + timeW(10), 0);

    memset(&hooks, 0, sizeof hooks);
    hooks.context = &machine;
    hooks.input = echo_port;
    hooks.inword = echo_port;
    hooks.outword = record_output;
    hooks.enable = record_enable;
    hooks.disable = record_disable;
    hooks.cause_interrupt = record_interrupt;
    hooks.delay = record_delay;
    xlatr_set_hooks(&hooks);

    expect("inputB keeps the low byte of the answer", 0, inputB(0x134), 0x34);
    expect("inputB port", 0, machine.last_port, 0x34);
    inputW(0x1234);
    expect("inputW port", 0, machine.last_port, 0x1234);
    expect("inwordB", 0, inwordB(0x12), 0x1212);
    outwordW(0x3F8, 0xFFFF);
    expect("outwordW", 0, machine.last_port, 0x3F8);
    expect("outwordW", 1, machine.last_value, 0xFFFF);
    outputB(7, 0x1AB);
    expect("outputB without a hook writes nowhere", 0, machine.last_port, 0x3F8);
    ENABLE();
    expect("ENABLE", 0, (unsigned long)machine.enabled, 1);
    DISABLE();
    expect("DISABLE", 0, (unsigned long)machine.enabled, 0);
    causeInterrupt(3);
    expect("causeInterrupt", 0, (unsigned long)machine.interrupt, 3);
    timeB(0x1FF);
    timeW(1000);
    expect("timeB and timeW", 0, machine.delayed, 0xFF + 1000);
    expect("lockset without a hook", 0, lockset(&flag, 1), 0);

    xlatr_set_hooks(NULL);
    expect("defaults again", 0, inwordW(0x300), 0);
}

/* The translator declares the function of every record in builtin.h and
 * warns when a name is declared twice, so each C name may stand in one record
 * only; a PL/M name given twice for one type would hide the earlier record. */
static void test_table(void) {
    unsigned i;
    unsigned j;
    expect("records in xlatr.bf", 0, bf_record_count > 0, 1);
    for (i = 0; i < bf_record_count; ++i) {
        const struct bf_record* record = &bf_records[i];
        for (j = 0; j < i; ++j) {
            expect(record->c_name, (int)i, strcmp(record->c_name, bf_records[j].c_name) != 0, 1);
            expect(record->plm_name, (int)i,
                   strcmp(record->plm_name, bf_records[j].plm_name) != 0 ||
                       strcmp(record->parameter_type, bf_records[j].parameter_type) != 0,
                   1);
        }
    }
}

int main(int argc, char** argv) {
    const char* group = argc > 1 ? argv[1] : "";
    if (strcmp(group, "shifts") == 0) {
        test_shifts();
        test_carry_chain();
    } else if (strcmp(group, "conversions") == 0) {
        test_conversions();
    } else if (strcmp(group, "blocks") == 0) {
        test_blocks();
    } else if (strcmp(group, "machine") == 0) {
        test_machine();
    } else if (strcmp(group, "table") == 0) {
        test_table();
    } else {
        printf("usage: runtime_tests shifts|conversions|blocks|machine|table\n");
        return 2;
    }
    printf("%s: %s\n", group, failures == 0 ? "all checks passed" : "checks failed");
    return failures == 0 ? 0 : 1;
}
