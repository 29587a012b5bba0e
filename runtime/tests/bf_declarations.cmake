# Writes OUTPUT, a C file that declares each C function of the built-in table
# BF_FILE the way the translator's builtin.h does and lists every record.
# Usage: cmake -DBF_FILE=xlatr.bf -DOUTPUT=bf_declarations.c -P bf_declarations.cmake
cmake_minimum_required(VERSION 3.25)
file(READ ${BF_FILE} content)
string(REGEX MATCHALL "[^ \t\r\n]+" words "${content}")
list(LENGTH words word_count)
math(EXPR leftover "${word_count} % 4")
if(NOT leftover EQUAL 0 OR word_count EQUAL 0)
  message(FATAL_ERROR "${BF_FILE}: ${word_count} words do not make records of four")
endif()

set(parameter_words byte word dword pointer integer int real bit)
set(declarations "")
set(records "")
math(EXPR last "${word_count} - 1")
foreach(index RANGE 0 ${last} 4)
  math(EXPR at_type "${index} + 1")
  math(EXPR at_c_name "${index} + 2")
  math(EXPR at_return "${index} + 3")
  list(GET words ${index} plm_name)
  list(GET words ${at_type} parameter_type)
  list(GET words ${at_c_name} c_name)
  list(GET words ${at_return} return_word)
  if(NOT parameter_type IN_LIST parameter_words)
    message(FATAL_ERROR "${BF_FILE}: ${plm_name}: unknown parameter type ${parameter_type}")
  endif()
  if(return_word MATCHES "^(byte|word|dword|integer|real|pointer)$")
    string(TOUPPER ${return_word} c_type)
  elseif(return_word STREQUAL "int")
    set(c_type INTEGER)
  else()
    message(FATAL_ERROR "${BF_FILE}: ${c_name}: no builtin.h type for return type ${return_word}")
  endif()
  string(APPEND declarations "extern ${c_type}  ${c_name}();\n")
  string(APPEND records "    {\"${plm_name}\", \"${parameter_type}\", \"${c_name}\", (bf_function)${c_name}},\n")
endforeach()

file(CONFIGURE OUTPUT ${OUTPUT} @ONLY CONTENT [[
/* Generated from xlatr.bf by bf_declarations.cmake; do not edit. */
#include "bf_table.h"
#include "xlatr_runtime.h"

typedef void   (*PROC_ptr)();
typedef unsigned char  BYTE;
typedef unsigned short WORD;
typedef unsigned long  DWORD;
typedef short   INTEGER;
typedef float   REAL;
typedef char *  POINTER;

@declarations@
const struct bf_record bf_records[] = {
@records@};

const unsigned bf_record_count = sizeof bf_records / sizeof bf_records[0];
]])
