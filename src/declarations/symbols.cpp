#include "declarations/symbols.h"

#include "driver/context.h"
#include "support/messages.h"
#include "support/strings.h"

#include <algorithm>

namespace xlatr {

namespace {

constexpr int insertion_failed = 6;
constexpr int retrieval_failed = 7;

constexpr int chain_count = 31;

// The chain of a name is that of its lower-case spelling, so that the C
// spellings of one PL/M name meet in one chain.
int chain_of(std::string_view name) {
    char folded[6];
    const std::size_t length = std::min(name.size(), sizeof folded);
    for (std::size_t i = 0; i < length; ++i)
        folded[i] = ascii_lower(name[i]);
    return c_hash(std::string_view(folded, length), chain_count);
}

} // namespace

// FNV-1a of the lower-case spelling.
std::size_t hash_table::hh_hash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(ascii_lower(c))) * 1099511628211ull;
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

namespace {

// Directive switches are told from program names by the case of a letter
// (flaG1), and the table's C functions are C names: both match their own
// spelling only.
bool matches_own_spelling_only(const sym_entry& entry) {
    return entry.exact_spelling || entry.usage == usage::directive_switch;
}

constexpr std::size_t npos = static_cast<std::size_t>(-1);

// The top bits of the hash, which the probe's index does not use.
std::uint64_t name_bit(std::size_t hash) {
    return std::uint64_t{1} << (static_cast<std::uint64_t>(hash) >> 58);
}

} // namespace

bool hash_table::earlier_in_chain(std::size_t a, std::size_t b) const {
    if (entries_[a].opened_chain) return true;
    if (entries_[b].opened_chain) return false;
    return a > b;
}

std::size_t hash_table::probe(std::string_view name, std::size_t hash, bool fold) const {
    if (slots_.empty()) return npos;
    const std::size_t mask = slots_.size() - 1;
    std::size_t folded_match = npos;
    for (std::size_t slot = hash & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        const std::size_t index = slots_[slot] - 1;
        const stored& present = entries_[index];
        if (present.folded_hash != hash) continue;
        if (present.entry->name == name) return index;
        if (fold && !matches_own_spelling_only(*present.entry) && same_plm_name(present.entry->name, name) &&
            (folded_match == npos || earlier_in_chain(index, folded_match)))
            folded_match = index;
    }
    return folded_match;
}

void hash_table::grow() {
    std::vector<std::uint32_t> slots(slots_.empty() ? 16 : slots_.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        std::size_t slot = entries_[index].folded_hash & mask;
        while (slots[slot] != 0)
            slot = (slot + 1) & mask;
        slots[slot] = static_cast<std::uint32_t>(index + 1);
    }
    slots_ = std::move(slots);
}

sym_entry* hash_table::hh_install(std::unique_ptr<sym_entry>& entry) {
    const std::size_t hash = hh_hash(entry->name);
    if (probe(entry->name, hash, !matches_own_spelling_only(*entry)) != npos) return nullptr;
    if ((entries_.size() + 1) * 2 > slots_.size()) grow();
    const int chain = chain_of(entry->name);
    const bool opens_chain = (opened_chains_ & (1u << chain)) == 0;
    opened_chains_ |= 1u << chain;
    entries_.push_back(stored{std::move(entry), hash, chain, opens_chain});
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    while (slots_[slot] != 0)
        slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::uint32_t>(entries_.size());
    return entries_.back().entry.get();
}

sym_entry* hash_table::hh_lookup(std::string_view name, bool fold) const {
    return hh_lookup(name, hh_hash(name), fold);
}

sym_entry* hash_table::hh_lookup(std::string_view name, std::size_t hash, bool fold) const {
    const std::size_t index = probe(name, hash, fold);
    return index == npos ? nullptr : entries_[index].entry.get();
}

sym_entry* hash_table::hh_table_function(std::string_view name) const {
    if (slots_.empty()) return nullptr;
    const std::size_t hash = hh_hash(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        const stored& present = entries_[slots_[slot] - 1];
        if (present.folded_hash == hash && present.entry->exact_spelling &&
            present.entry->usage != usage::directive_switch && same_plm_name(present.entry->name, name))
            return present.entry.get();
    }
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
    std::vector<std::size_t> unknown;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        const int code = static_cast<int>(entries_[index].entry->usage);
        if (code < static_cast<int>(usage::array_variable) ||
            code > static_cast<int>(usage::directive_switch))
            unknown.push_back(index);
    }
    std::sort(unknown.begin(), unknown.end(), [&](std::size_t a, std::size_t b) {
        if (entries_[a].chain != entries_[b].chain) return entries_[a].chain < entries_[b].chain;
        return a != b && earlier_in_chain(a, b);
    });
    for (const std::size_t index : unknown)
        ctx.env.out << "usage = " << static_cast<int>(entries_[index].entry->usage) << "\n";
    entries_.clear();
    slots_.clear();
    opened_chains_ = 0;
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
    const std::uint64_t bit = name_bit(hash_table::hh_hash(entry->name));
    if (!matches_own_spelling_only(*entry)) {
        if (sym_entry* function = block->table->hh_table_function(entry->name)) {
            *function = std::move(*entry);
            entry.reset();
            return function;
        }
    }
    sym_entry* installed = block->table->hh_install(entry);
    if (installed) block->name_bits |= bit;
    return installed;
}

sym_entry* SymbolTables::h_insert(std::unique_ptr<sym_entry>& entry) {
    return insert_into(blocks_.empty() ? nullptr : &blocks_.back(), entry);
}

sym_entry* SymbolTables::h_insert_global(std::unique_ptr<sym_entry>& entry) {
    return insert_into(blocks_.empty() ? nullptr : &blocks_.front(), entry);
}

sym_entry* SymbolTables::h_lookup(std::string_view name) const {
    const std::size_t hash = hash_table::hh_hash(name);
    const std::uint64_t bit = name_bit(hash);
    for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block) {
        if (!(block->name_bits & bit) || !block->table) continue;
        if (sym_entry* found = block->table->hh_lookup(name, hash, !exact_names)) return found;
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

sym_entry* SymbolTables::h_table_function(std::string_view name) const {
    if (blocks_.empty() || !blocks_.back().table) return nullptr;
    return blocks_.back().table->hh_table_function(name);
}

void SymbolTables::h_spell_apart_from_table(std::string& name) const {
    const sym_entry* function = h_table_function(name);
    if (function && function->name == name) capitalise_initial(name);
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
