#include "declarations/symbols.h"

#include "driver/context.h"
#include "support/messages.h"
#include "support/strings.h"

#include <algorithm>

namespace xlatr {

namespace {

constexpr int insertion_failed = 6;
constexpr int retrieval_failed = 7;

// The bucket of a name is that of its lower-case spelling, so that the C
// spellings of one PL/M name meet in one bucket.
std::size_t bucket_of(std::string_view name) {
    char folded[6];
    const std::size_t length = std::min(name.size(), sizeof folded);
    for (std::size_t i = 0; i < length; ++i) {
        const char c = name[i];
        folded[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return static_cast<std::size_t>(c_hash(std::string_view(folded, length), hash_table::bucket_count));
}

// Directive switches are told from program names by the case of a letter
// (flaG1), and the table's C functions are C names: both match their own
// spelling only.
bool matches_own_spelling_only(const sym_entry& entry) {
    return entry.exact_spelling || entry.usage == usage::directive_switch;
}

bool same_name(const sym_entry& present, std::string_view name, bool fold) {
    if (present.name == name) return true;
    return fold && !matches_own_spelling_only(present) && same_plm_name(present.name, name);
}

} // namespace

sym_entry* hash_table::hh_install(std::unique_ptr<sym_entry>& entry) {
    auto& bucket = buckets_[bucket_of(entry->name)];
    const bool fold = !matches_own_spelling_only(*entry);
    for (const auto& present : bucket)
        if (same_name(*present, entry->name, fold)) return nullptr;
    // The first entry keeps its slot; later ones go to the head of the
    // overflow chain right behind it.
    auto position = bucket.empty() ? bucket.end() : bucket.begin() + 1;
    return bucket.insert(position, std::move(entry))->get();
}

sym_entry* hash_table::hh_lookup(std::string_view name, bool fold) const {
    const auto& bucket = buckets_[bucket_of(name)];
    for (const auto& present : bucket)
        if (present->name == name) return present.get();
    if (!fold) return nullptr;
    for (const auto& present : bucket)
        if (same_name(*present, name, true)) return present.get();
    return nullptr;
}

bool SymbolTables::h_push_declare_block() {
    blocks_.emplace_back();
    return h_alloc_declare_block();
}

bool SymbolTables::h_alloc_declare_block() {
    if (blocks_.empty()) return false;
    if (!blocks_.back().table) blocks_.back().table = std::make_unique<hash_table>();
    return true;
}

void hash_table::hh_free_tab(Context& ctx) {
    for (auto& bucket : buckets_) {
        for (const auto& entry : bucket) {
            int code = static_cast<int>(entry->usage);
            if (code < static_cast<int>(usage::array_variable) ||
                code > static_cast<int>(usage::directive_switch))
                ctx.env.out << "usage = " << code << "\n";
        }
        bucket.clear();
    }
}

bool SymbolTables::h_free_declare_block() {
    if (blocks_.empty()) return false;
    if (blocks_.back().table) blocks_.back().table->hh_free_tab(ctx_);
    blocks_.pop_back();
    return true;
}

sym_entry* SymbolTables::insert_into(declare_block* block, std::unique_ptr<sym_entry>& entry) {
    if (!block || !block->table) {
        s_error(ctx_, insertion_failed);
        return nullptr;
    }
    return block->table->hh_install(entry);
}

sym_entry* SymbolTables::h_insert(std::unique_ptr<sym_entry>& entry) {
    return insert_into(blocks_.empty() ? nullptr : &blocks_.back(), entry);
}

sym_entry* SymbolTables::h_insert_global(std::unique_ptr<sym_entry>& entry) {
    return insert_into(blocks_.empty() ? nullptr : &blocks_.front(), entry);
}

sym_entry* SymbolTables::h_lookup(std::string_view name) const {
    for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block) {
        if (!block->table) continue;
        if (sym_entry* found = block->table->hh_lookup(name, !exact_names)) return found;
    }
    return nullptr;
}

sym_entry* SymbolTables::h_lookup_global(std::string_view name) const {
    if (blocks_.empty() || !blocks_.front().table) {
        s_error(ctx_, retrieval_failed);
        return nullptr;
    }
    return blocks_.front().table->hh_lookup(name, !exact_names);
}

sym_entry* SymbolTables::h_lookup_local(std::string_view name) const {
    if (blocks_.empty() || !blocks_.back().table) return nullptr;
    return blocks_.back().table->hh_lookup(name, !exact_names);
}

sym_entry* SymbolTables::h_insert_literal(std::string_view name, std::string_view text) {
    auto entry = std::make_unique<sym_entry>();
    entry->name = name;
    entry->type_code = type_code::literal_type;
    entry->usage = usage::literal;
    entry->text = text;
    return h_insert(entry);
}

sym_entry* SymbolTables::h_insert_const(std::string_view name) {
    auto entry = std::make_unique<sym_entry>();
    entry->name = name;
    entry->type_code = type_code::constant_type;
    entry->usage = usage::constant;
    entry->access_path = c_str_capital(name);
    return h_insert(entry);
}

bool SymbolTables::h_insert_macro(std::string_view name, std::string_view text) {
    if (h_insert_literal(name, text)) return true;
    const hash_table* innermost = blocks_.empty() ? nullptr : blocks_.back().table.get();
    if (innermost && innermost->hh_lookup(name)) {
        ctx_.messages.log_printf("%s: fatal! - macro \"%s\" is multiply defined - line %d\n",
                                 ctx_.message_file(), std::string(name).c_str(), ctx_.s_current_line());
        ctx_.messages.error_flag = true;
    }
    return false;
}

} // namespace xlatr
