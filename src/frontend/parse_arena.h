// Ownership of the parser's semantic values. The generated parser keeps its
// values as plain pointers on a fixed-size stack; each object they point to
// is owned here until an action takes it over. Whatever error recovery drops
// is released with the arena.
#pragma once

#include <cassert>
#include <memory>
#include <utility>
#include <vector>

namespace xlatr {

class ParseArena {
  public:
    ParseArena() = default;
    ParseArena(const ParseArena&) = delete;
    ParseArena& operator=(const ParseArena&) = delete;
    ~ParseArena() { clear(); }

    // Keeps `object` and returns the pointer the parser stack holds; null
    // stays null.
    template <typename T>
    T* keep(std::unique_ptr<T> object) {
        T* raw = object.get();
        if (raw) {
            // Room first, so that a failed allocation leaves `object` owned.
            if (objects_.size() == objects_.capacity())
                objects_.reserve(objects_.empty() ? 64 : objects_.size() * 2);
            objects_.push_back(owned{object.release(), &destroy<T>});
        }
        return raw;
    }

    template <typename T>
    T* make(T value) {
        return keep(std::make_unique<T>(std::move(value)));
    }

    // Hands the object back to its new owner; null stays null.
    template <typename T>
    std::unique_ptr<T> take(T* raw) {
        if (!raw) return nullptr;
        // Actions take the values the last reductions produced, so the
        // search from the newest end is short.
        for (auto it = objects_.end(); it != objects_.begin();) {
            --it;
            if (it->object != raw) continue;
            objects_.erase(it);
            return std::unique_ptr<T>(raw);
        }
        assert(!"semantic value taken twice");
        return nullptr;
    }

    // Takes a value that the caller wants by value; an absent one gives T{}.
    template <typename T>
    T take_value(T* raw) {
        std::unique_ptr<T> object = take(raw);
        return object ? std::move(*object) : T{};
    }

    void clear() {
        while (!objects_.empty()) {
            const owned last = objects_.back();
            objects_.pop_back();
            last.destroy(last.object);
        }
    }
    std::size_t size() const { return objects_.size(); }

  private:
    struct owned {
        void* object;
        void (*destroy)(void*);
    };

    template <typename T>
    static void destroy(void* object) {
        std::default_delete<T>{}(static_cast<T*>(object));
    }

    // Oldest first.
    std::vector<owned> objects_;
};

} // namespace xlatr
