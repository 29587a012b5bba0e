#include "driver/context.h"

namespace xlatr {

Context::Context(Environment environment)
    : env(environment), files(env.working_dir), messages(env.err), output(*this), includes(*this),
      scanner(*this), symbols(*this), remarks(*this), statements(*this), do_case(*this) {}

const char* Context::message_file() const {
    const char* name = i_current_file_name();
    return name ? name : "(null)";
}

void Context::flush_before_assembly() {
    dd_flush_simple_dec(*this, ordinary_pending);
    remarks.r_flush_remarks();
}

} // namespace xlatr
