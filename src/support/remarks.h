// The remark store: PL/M remarks kept as text until the C text that follows
// them is printed, and generated text (a directive's preprocessor lines, a
// procedure's opening text) that must appear at a fixed source position.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xlatr {

class Context;

// One block of kept text. The block boundaries are part of the behaviour:
// directive marking is per block, and text moves between lists in blocks.
struct remark_block {
    static constexpr std::size_t capacity = 99;

    std::string text;
    // Some of the text came from a directive file.
    bool directive_text = false;
};

// A chain of blocks; declaration records own one for the remarks that
// precede them.
struct remark_list {
    std::vector<remark_block> blocks;

    bool empty() const { return blocks.empty(); }
    bool has_directive_text() const;
    // Moves the blocks of `tail` behind these, leaving `tail` empty.
    void append(remark_list&& tail);
    // The whole text, as it will be printed.
    std::string text() const;
};

class Remarks {
  public:
    explicit Remarks(Context& ctx) : ctx_(ctx) {}
    Remarks(const Remarks&) = delete;
    Remarks& operator=(const Remarks&) = delete;

    // Reads the rest of a remark whose "/*" the scanner has consumed (or the
    // directive file opened by r_begin_file_remark) and keeps it; false when
    // the input ended before the closing "*/".
    bool r_scan_remark();
    void r_keep_remark(std::string_view text, bool newline);

    // Print to the current output stream, the indentation once before the
    // first block, and empty what they print.
    void r_flush_and_clear_remarks(remark_list& list);
    void r_flush_remarks();
    void r_flush_pending_remarks();
    void r_flush_header_remarks();
    // Sets the procedure header list aside while an inner procedure is
    // declared, and puts it back.
    remark_list take_header() { return std::exchange(header_, {}); }
    void restore_header(remark_list header) { header_ = std::move(header); }

    // Hand kept text over to a declaration record.
    remark_list r_take_remarks(bool has_at);
    remark_list r_take_pending_remarks();
    // Takes a record's remarks back when they hold directive text, so that
    // the directive keeps its place in the output.
    void r_move_forward(remark_list& holder);

    // Directive text: the named scratch text is read by r_scan_remark as the
    // inside of a remark that ends with "*/", and deleted afterwards. False,
    // with nothing changed, when the scratch text does not exist.
    bool r_begin_file_remark(std::string_view name);
    void r_end_file_remark();

    // Keeps a whole scratch text in pieces of at most 99 characters; false
    // when it does not exist.
    bool r_read_file_as_remark(std::string_view name);
    // Exchange the pending list with the procedure header list and back.
    void r_swap_header();
    void r_swap_header_back();

    const remark_list& pending() const { return pending_; }
    const remark_list& forward() const { return forward_; }
    const remark_list& header() const { return header_; }
    bool moved() const { return moved_; }
    bool from_file() const { return from_file_; }

  private:
    // Next character of the remark, -1 at the end of its input.
    int next_char();
    bool inside_procedure() const;
    remark_block& new_block();

    Context& ctx_;
    // New text always goes here.
    remark_list pending_;
    // At module level: directive text to be printed before the pending text.
    remark_list forward_;
    // The pending list while directive text is read at module level.
    remark_list saved_;
    // The opening text of the procedure being declared.
    remark_list header_;
    bool from_file_ = false;
    // Set when remarks were moved out of a record or directive text was read;
    // cleared when remarks are flushed or taken.
    bool moved_ = false;

    std::string file_name_;
    std::string file_text_;
    std::size_t file_position_ = 0;
};

} // namespace xlatr
