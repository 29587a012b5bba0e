/*
 * harness.c - what the self-checking PL/M programs declare EXTERNAL:
 *
 *   CHECK: PROCEDURE (OK, LINE) EXTERNAL; DECLARE OK BYTE, LINE WORD; END CHECK;
 *   DONE: PROCEDURE EXTERNAL; END DONE;
 *
 * CHECK reports a check whose OK has its lowest bit clear (false by PL/M's
 * truth rule) with the program's name and the line of the call; DONE ends
 * the program with status 1 when any check failed, else 0, since the
 * translated main() may otherwise end without a status. The runner also
 * looks for DONE's closing line, so a program that stops early fails.
 *
 * Compiled in the directory of the translation, so that the types come from
 * the generated builtin.h. PROGRAM_NAME names the PL/M source in reports;
 * XLATR_KR selects old-style definitions to match a translation made with -k,
 * whose callers see no parameter list and pass promoted arguments.
 */
#include <stdio.h>
#include <stdlib.h>

#include "builtin.h"

#ifndef PROGRAM_NAME
#define PROGRAM_NAME "program.plm"
#endif

/* The test program's own state: the checks made and those that failed. */
static unsigned checks = 0;
static unsigned failures = 0;

#ifdef XLATR_KR
void check(ok, line)
BYTE ok;
WORD line;
#else
void check(BYTE ok, WORD line)
#endif
{
    ++checks;
    if ((ok & 1) == 0) {
        ++failures;
        printf("%s:%u: check failed\n", PROGRAM_NAME, (unsigned)line);
    }
}

void done(void)
{
    if (failures != 0) {
        printf("%s: %u of %u checks failed\n", PROGRAM_NAME, failures, checks);
        exit(1);
    }
    printf("%s: all %u checks held\n", PROGRAM_NAME, checks);
    exit(0);
}
