#pragma once
// A node list that holds nodes of one class only, with typed append, first, next and find,
// so that walking it needs no cast. Only T can be put in: the untyped inserts of the base
// are hidden, and reading refuses a record of any other class as a corrupt file. That is
// what makes the casts below safe.
//
//   TTypedNodeList<TBauble> baubles;
//   TBauble* b = baubles.Append(std::make_unique<TBauble>(...));
//   for (TBauble* each : baubles) ...
//   TBauble* red = baubles.Find([](const TBauble& b) { return b.Colour == 3; });
#include <concepts>
#include <cstdint>
#include <memory>
#include <string_view>

#include "foundation/id_list.h"
#include "foundation/node_factory.h"
#include "foundation/node_list.h"
#include "foundation/stream_values.h"
#include "foundation/vek_exception.h"

// Clears the list, reads the count and that many records; each is handed to add, which
// takes ownership. A record of another class than T raises VekException; nodes read before
// an error stay in the list.
template <class T, class Add>
void LoadNodesOf(TVekList& list, TStream& s, Add add) {
    list.Clear();
    const std::uint16_t count = ReadU16(s);
    for (std::uint16_t i = 0; i < count; ++i) {
        std::unique_ptr<TVekNode> node = RecreateNode(s);
        if (dynamic_cast<T*>(node.get()) == nullptr)
            throw VekException("Input file is corrupt - a list holds a node of the wrong class.");
        add(std::unique_ptr<T>(static_cast<T*>(node.release())));
    }
}

// T may still be incomplete where a list of it is declared (a member of a class T's header
// only names); the checks run where nodes go in.
template <class T, class Base = TVekList>
class TTypedNodeList : public Base {
public:
    using Base::Base;

    T* Append(std::unique_ptr<T> node) {
        static_assert(std::derived_from<T, TVekNode> && std::derived_from<Base, TVekList>);
        return static_cast<T*>(Base::Append(std::move(node)));
    }
    T* InsertFirst(std::unique_ptr<T> node) { return static_cast<T*>(Base::InsertFirst(std::move(node))); }
    T* InsertAfter(T* after, std::unique_ptr<T> node) {
        return static_cast<T*>(Base::InsertAfter(after, std::move(node)));
    }
    std::unique_ptr<T> Remove(T* node) { return Owned(Base::Remove(node)); }
    std::unique_ptr<T> RemoveFirst() { return Owned(Base::RemoveFirst()); }
    std::unique_ptr<T> RemoveLast() { return Owned(Base::RemoveLast()); }

    T* First() const { return static_cast<T*>(Base::First()); }
    T* Last() const { return static_cast<T*>(Base::Last()); }
    // Stepping from nullptr gives the first (Next) or last (Prev) node.
    T* Next(const T* node) const { return static_cast<T*>(Base::Next(node)); }
    T* Prev(const T* node) const { return static_cast<T*>(Base::Prev(node)); }
    T* GetNode(std::int32_t index) const { return static_cast<T*>(Base::GetNode(index)); }  // 1-based

    // The first node, from the head, for which the test holds, or nullptr.
    template <class Test>
    T* Find(Test test) const {
        for (T* node : *this)
            if (test(static_cast<const T&>(*node))) return node;
        return nullptr;
    }
    // The first node with that ID (upper-cased as the ID list does), or nullptr.
    T* FindByID(std::string_view key) const {
        static_assert(std::derived_from<Base, TIDList> && std::derived_from<T, TIDNode>);
        return static_cast<T*>(Base::FindByID(key));
    }

    typename NodesOf<T>::iterator begin() const { return NodesOf<T>(*this).begin(); }
    typename NodesOf<T>::iterator end() const { return NodesOf<T>(*this).end(); }

    void LoadFromStream(TStream& s) override {
        LoadNodesOf<T>(*this, s, [this](std::unique_ptr<T> node) { Append(std::move(node)); });
    }

private:
    static std::unique_ptr<T> Owned(std::unique_ptr<TVekNode> node) {
        return std::unique_ptr<T>(static_cast<T*>(node.release()));
    }
};
