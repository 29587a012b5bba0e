#include "support/remarks.h"

#include "declarations/directives.h"
#include "driver/context.h"
#include "support/messages.h"

#include <algorithm>
#include <utility>

namespace xlatr {

bool remark_list::has_directive_text() const {
    return std::any_of(blocks.begin(), blocks.end(),
                       [](const remark_block& block) { return block.directive_text; });
}

void remark_list::append(remark_list&& tail) {
    blocks.insert(blocks.end(), std::make_move_iterator(tail.blocks.begin()),
                  std::make_move_iterator(tail.blocks.end()));
    tail.blocks.clear();
}

std::string remark_list::text() const {
    std::string all;
    for (const remark_block& block : blocks)
        all += block.text;
    return all;
}

bool Remarks::inside_procedure() const {
    return ctx_.blocks.b_in_procedure();
}

remark_block& Remarks::new_block() {
    pending_.blocks.emplace_back();
    pending_.blocks.back().directive_text = from_file_;
    return pending_.blocks.back();
}

namespace {

constexpr int remark_within_remark = 2;

// A chunk is kept once it holds eight characters. A `*` that arrives when it
// holds six or more starts a fresh chunk instead, so that the `/` after it
// joins it and "*/" is never split between two blocks.
constexpr std::size_t chunk_limit = 8;
constexpr std::size_t star_limit = 6;

enum class scan_state { normal, slash, star };

} // namespace

int Remarks::next_char() {
    if (!from_file_) return ctx_.scanner.read_raw_char();
    if (file_position_ >= file_text_.size()) return -1;
    return static_cast<unsigned char>(file_text_[file_position_++]);
}

bool Remarks::r_scan_remark() {
    const bool keeping = !ctx_.scanner.first_pass();
    if (keeping && !from_file_) r_keep_remark("/*", false);
    std::string chunk;
    scan_state state = scan_state::normal;
    // The star just read was kept as a blank: "/*" inside the remark.
    bool star_blanked = false;
    for (bool ended = false; !ended;) {
        int c = next_char();
        if (c < 0) {
            // A directive file that lacks its closing "*/" must still give the
            // pending list back.
            if (from_file_) r_end_file_remark();
            return false;
        }
        if (c == '\n' && !from_file_) ctx_.scanner.s_count_line();
        const bool after_slash = state == scan_state::slash;
        const bool after_blanked_star = star_blanked;
        star_blanked = false;
        char stored = static_cast<char>(c);
        switch (state) {
        case scan_state::normal:
            state = c == '*' ? scan_state::star : c == '/' ? scan_state::slash : scan_state::normal;
            break;
        case scan_state::slash:
            if (c == '*') {
                // The C comment must not contain "/*".
                stored = ' ';
                s_error(ctx_, remark_within_remark);
                state = scan_state::star;
                star_blanked = true;
            } else if (c != '/') {
                state = scan_state::normal;
            }
            break;
        case scan_state::star:
            ended = c == '/';
            if (c != '*') state = scan_state::normal;
            break;
        }
        if (!keeping) continue;
        if (chunk.size() >= chunk_limit || (!after_slash && c == '*' && chunk.size() >= star_limit)) {
            r_keep_remark(chunk, false);
            chunk.clear();
        }
        // In "/*/" the star both starts a remark within the remark and ends
        // it. Kept as a blank it would leave the C comment open, and the C
        // after it would become part of the comment: the comment is closed
        // after the blank instead.
        if (ended && after_blanked_star && !from_file_) chunk += '*';
        chunk += stored;
    }
    if (keeping) {
        if (from_file_) chunk.resize(chunk.size() - std::min<std::size_t>(chunk.size(), 2));
        r_keep_remark(chunk, true);
    }
    if (from_file_) r_end_file_remark();
    return true;
}

void Remarks::r_keep_remark(std::string_view text, bool newline) {
    std::string piece(text);
    if (newline) piece += '\n';
    if (pending_.empty()) new_block();
    // A piece never straddles two blocks unless it is longer than a block
    // holds; such a piece is spread over as many blocks as it needs.
    std::string_view rest = piece;
    do {
        remark_block* last = &pending_.blocks.back();
        if (!last->text.empty() && last->text.size() + rest.size() > remark_block::capacity)
            last = &new_block();
        if (from_file_) last->directive_text = true;
        std::size_t taken = std::min(rest.size(), remark_block::capacity - last->text.size());
        last->text.append(rest.substr(0, taken));
        rest.remove_prefix(taken);
    } while (!rest.empty());
}

void Remarks::r_flush_and_clear_remarks(remark_list& list) {
    if (list.empty()) return;
    const std::string* text = ctx_.output.o_current_text();
    const std::size_t from = text ? text->size() : 0;
    ctx_.output.o_indent();
    for (const remark_block& block : list.blocks)
        ctx_.output.print(block.text);
    list.blocks.clear();
    dv_remark_printed(ctx_, text, from);
}

void Remarks::r_flush_remarks() {
    moved_ = false;
    if (inside_procedure()) {
        r_flush_and_clear_remarks(pending_);
        return;
    }
    remark_list joined = std::move(forward_);
    forward_.blocks.clear();
    joined.append(std::move(pending_));
    r_flush_and_clear_remarks(joined);
}

void Remarks::r_flush_pending_remarks() {
    r_flush_and_clear_remarks(pending_);
}

void Remarks::r_flush_header_remarks() {
    r_flush_and_clear_remarks(header_);
}

remark_list Remarks::r_take_remarks(bool has_at) {
    if (has_at && moved_) return {};
    moved_ = false;
    remark_list taken;
    if (!inside_procedure()) taken.append(std::move(forward_));
    taken.append(std::move(pending_));
    return taken;
}

remark_list Remarks::r_take_pending_remarks() {
    remark_list taken;
    taken.append(std::move(pending_));
    return taken;
}

void Remarks::r_move_forward(remark_list& holder) {
    if (!holder.has_directive_text()) return;
    (inside_procedure() ? pending_ : forward_).append(std::move(holder));
    moved_ = true;
}

bool Remarks::r_begin_file_remark(std::string_view name) {
    const std::string* text = ctx_.files.temps.find(name);
    if (!text) return false;
    from_file_ = true;
    file_name_ = name;
    file_text_ = *text;
    file_position_ = 0;
    moved_ = true;
    if (!inside_procedure()) {
        saved_.append(std::move(pending_));
        pending_.append(std::move(forward_));
    }
    return true;
}

void Remarks::r_end_file_remark() {
    from_file_ = false;
    ctx_.files.temps.remove(file_name_);
    file_name_.clear();
    file_text_.clear();
    file_position_ = 0;
    if (!inside_procedure()) {
        forward_.append(std::move(pending_));
        pending_.append(std::move(saved_));
    }
}

bool Remarks::r_read_file_as_remark(std::string_view name) {
    const std::string* text = ctx_.files.temps.find(name);
    if (!text) return false;
    std::string_view rest = *text;
    while (!rest.empty()) {
        std::size_t taken = std::min(rest.size(), remark_block::capacity);
        r_keep_remark(rest.substr(0, taken), false);
        rest.remove_prefix(taken);
    }
    return true;
}

void Remarks::r_swap_header() {
    std::swap(pending_, header_);
}

void Remarks::r_swap_header_back() {
    std::swap(pending_, header_);
}

} // namespace xlatr
