// Ownership of the parser's semantic values. The generated parser keeps its
// values as plain pointers on a fixed-size stack; each object they point to
// is owned here until an action takes it over. Whatever error recovery drops
// is released with the arena.
#pragma once

#include <cassert>
#include <memory>
#include <unordered_map>
#include <utility>

namespace xlatr {

class ParseArena {
  public:
    // Keeps `object` and returns the pointer the parser stack holds; null
    // stays null.
    template <typename T>
    T* keep(std::unique_ptr<T> object) {
        T* raw = object.get();
        if (raw) objects_.emplace(raw, std::make_unique<Holder<T>>(std::move(object)));
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
        auto it = objects_.find(raw);
        if (it == objects_.end()) {
            assert(!"semantic value taken twice");
            return nullptr;
        }
        std::unique_ptr<T> object = std::move(static_cast<Holder<T>&>(*it->second).object);
        objects_.erase(it);
        return object;
    }

    // Takes a value that the caller wants by value; an absent one gives T{}.
    template <typename T>
    T take_value(T* raw) {
        std::unique_ptr<T> object = take(raw);
        return object ? std::move(*object) : T{};
    }

    void clear() { objects_.clear(); }
    std::size_t size() const { return objects_.size(); }

  private:
    struct HolderBase {
        virtual ~HolderBase() = default;
    };
    template <typename T>
    struct Holder : HolderBase {
        explicit Holder(std::unique_ptr<T> o) : object(std::move(o)) {}
        std::unique_ptr<T> object;
    };

    std::unordered_map<const void*, std::unique_ptr<HolderBase>> objects_;
};

} // namespace xlatr
