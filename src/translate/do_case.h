// DO CASE: a C switch whose cases are numbered 0, 1, 2 ... in the order of
// the statements of the body, each closed by a break. One count per open DO
// CASE, innermost last, so nested DO CASE statements number independently.
#pragma once

#include "translate/expressions.h"

#include <string>
#include <vector>

namespace xlatr {

class Context;

class DoCase {
  public:
    explicit DoCase(Context& ctx) : ctx_(ctx) {}
    DoCase(const DoCase&) = delete;
    DoCase& operator=(const DoCase&) = delete;

    // The DO CASE heading.
    void s_start_case(exp_list selector);
    // After every simple statement and every DO statement: closes the case
    // when that statement was a whole case of the innermost DO CASE.
    void ss_next_case();
    // The END of the DO CASE; `label` stands in front of END, `name` after
    // it (both may be empty).
    void s_end_case(const std::string& label, const std::string& name);

    void ss_push_case() { counts_.push_back(0); }
    void ss_pop_case();
    // Advances the innermost count and returns it; -1 when no DO CASE is open.
    int ss_case_count();

  private:
    Context& ctx_;
    std::vector<int> counts_;
};

} // namespace xlatr
