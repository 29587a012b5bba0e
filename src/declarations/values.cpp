#include "declarations/values.h"

#include "driver/context.h"
#include "support/messages.h"
#include "translate/expressions.h"

#include <utility>

namespace xlatr {

value_node d_numeric_const(Context& ctx, int kind, std::uint32_t value) {
    value_node node;
    node.kind = kind;
    if (!is_whole_kind(kind)) {
        s_error(ctx, 5);
        return node;
    }
    node.number = value;
    return node;
}

value_node d_num_float_cn(int kind, double value) {
    value_node node;
    node.kind = kind;
    node.real = value;
    return node;
}

exp_list d_str_init_val(std::string text) {
    value_node value;
    value.kind = val_string;
    value.text = std::move(text);
    return e_create_const(std::move(value));
}

} // namespace xlatr
