/* Ports, interrupts, the clock, LOCKSET and the carry: what a translated
 * program asks of the machine, answered by the hooks a hosted program
 * installs. The hooks and the carry are the runtime's only state. */
#include <stddef.h>

#include "internal.h"
#include "xlatr_runtime.h"

static unsigned read_nothing(void* context, unsigned port) {
    (void)context;
    (void)port;
    return 0;
}

static void write_nothing(void* context, unsigned port, unsigned value) {
    (void)context;
    (void)port;
    (void)value;
}

static void do_nothing(void* context) {
    (void)context;
}

static void interrupt_nothing(void* context, int number) {
    (void)context;
    (void)number;
}

static void delay_nothing(void* context, unsigned hundred_microseconds) {
    (void)context;
    (void)hundred_microseconds;
}

static unsigned plain_exchange(void* context, unsigned char* flag, unsigned value) {
    unsigned held = *flag;
    (void)context;
    *flag = (unsigned char)(value & XLATR_BYTE_MASK);
    return held;
}

#define DEFAULT_HOOKS                                                                                        \
    {                                                                                                        \
        NULL, read_nothing, read_nothing, write_nothing, write_nothing, do_nothing, do_nothing,              \
            interrupt_nothing, delay_nothing, plain_exchange                                                 \
    }

static const struct xlatr_hooks default_hooks = DEFAULT_HOOKS;
static struct xlatr_hooks installed_hooks = DEFAULT_HOOKS;

static int carry_flag = 0;

void xlatr_set_hooks(const struct xlatr_hooks* hooks) {
    installed_hooks = default_hooks;
    if (hooks == NULL) return;
    installed_hooks.context = hooks->context;
    if (hooks->input) installed_hooks.input = hooks->input;
    if (hooks->inword) installed_hooks.inword = hooks->inword;
    if (hooks->output) installed_hooks.output = hooks->output;
    if (hooks->outword) installed_hooks.outword = hooks->outword;
    if (hooks->enable) installed_hooks.enable = hooks->enable;
    if (hooks->disable) installed_hooks.disable = hooks->disable;
    if (hooks->cause_interrupt) installed_hooks.cause_interrupt = hooks->cause_interrupt;
    if (hooks->delay) installed_hooks.delay = hooks->delay;
    if (hooks->lockset) installed_hooks.lockset = hooks->lockset;
}

int xlatr_carry(void) {
    return carry_flag;
}
void xlatr_set_carry(int carry) {
    carry_flag = carry != 0;
}

static unsigned byte_of(int value) {
    return (unsigned)((unsigned long)value & XLATR_BYTE_MASK);
}
static unsigned word_of(xlatr_word_arg value) {
    return (unsigned)((unsigned long)value & XLATR_WORD_MASK);
}

static unsigned char input_byte(unsigned port) {
    return (unsigned char)(installed_hooks.input(installed_hooks.context, port) & XLATR_BYTE_MASK);
}

static unsigned short input_word(unsigned port) {
    return (unsigned short)(installed_hooks.inword(installed_hooks.context, port) & XLATR_WORD_MASK);
}

static unsigned short output_byte(unsigned port, unsigned value) {
    installed_hooks.output(installed_hooks.context, port, value);
    return 0;
}

static unsigned short output_word(unsigned port, unsigned value) {
    installed_hooks.outword(installed_hooks.context, port, value);
    return 0;
}

static unsigned short delay(unsigned count) {
    installed_hooks.delay(installed_hooks.context, count);
    return 0;
}

unsigned char inputB(int port) {
    return input_byte(byte_of(port));
}
unsigned char inputW(xlatr_word_arg port) {
    return input_byte(word_of(port));
}
unsigned short inwordB(int port) {
    return input_word(byte_of(port));
}
unsigned short inwordW(xlatr_word_arg port) {
    return input_word(word_of(port));
}
unsigned short outputB(int port, int value) {
    return output_byte(byte_of(port), byte_of(value));
}
unsigned short outputW(xlatr_word_arg port, int value) {
    return output_byte(word_of(port), byte_of(value));
}
unsigned short outwordB(int port, xlatr_word_arg value) {
    return output_word(byte_of(port), word_of(value));
}
unsigned short outwordW(xlatr_word_arg port, xlatr_word_arg value) {
    return output_word(word_of(port), word_of(value));
}
unsigned short timeB(int count) {
    return delay(byte_of(count));
}
unsigned short timeW(xlatr_word_arg count) {
    return delay(word_of(count));
}

unsigned char lockset(char* flag, int value) {
    unsigned held = installed_hooks.lockset(installed_hooks.context, (unsigned char*)flag, byte_of(value));
    return (unsigned char)(held & XLATR_BYTE_MASK);
}

int ENABLE(void) {
    installed_hooks.enable(installed_hooks.context);
    return 0;
}

int DISABLE(void) {
    installed_hooks.disable(installed_hooks.context);
    return 0;
}

int causeInterrupt(int number) {
    installed_hooks.cause_interrupt(installed_hooks.context, number);
    return 0;
}
