/* The records of the shipped xlatr.bf, as bf_declarations.cmake lists them. */
#ifndef XLATR_BF_TABLE_H
#define XLATR_BF_TABLE_H

typedef void (*bf_function)(void);

struct bf_record {
    const char* plm_name;
    const char* parameter_type;
    const char* c_name;
    bf_function function;
};

extern const struct bf_record bf_records[];
extern const unsigned bf_record_count;

#endif
