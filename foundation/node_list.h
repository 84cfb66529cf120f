#pragma once
// Owning, doubly linked lists of nodes that carry their own links and a one-byte class id.
// A list writes itself as an unsigned 16-bit count followed by its nodes; each node writes
// its class id and then the fields each class level adds, the root level's first.
//
// Ownership: a list owns its nodes. Inserting takes a std::unique_ptr; removing unlinks the
// node and hands it back as a std::unique_ptr. Clear and destruction free every node.
#include <cstdint>
#include <functional>
#include <memory>

class TStream;

class TVekNode {
public:
    TVekNode() = default;
    virtual ~TVekNode() = default;
    TVekNode(const TVekNode&) = delete;
    TVekNode& operator=(const TVekNode&) = delete;

    // The root level reads nothing: the factory has already read the class id.
    virtual void LoadFromStream(TStream& s);
    // The root level writes the class id byte; descendants call this first, then add theirs.
    virtual void SaveToStream(TStream& s) const;

    TVekNode* Next = nullptr;
    TVekNode* Prev = nullptr;
    std::uint8_t ClassId = 0;
};

class TVekList {
public:
    TVekList() = default;
    virtual ~TVekList();
    TVekList(const TVekList&) = delete;
    TVekList& operator=(const TVekList&) = delete;

    // Walks the chain, refreshes the cached count and returns it.
    std::int32_t Count();
    // The count kept up to date by every insert and remove.
    std::int32_t CachedCount() const { return FCount; }

    TVekNode* First() const { return FFirst; }
    TVekNode* Last() const { return FLast; }
    TVekNode* GetNode(std::int32_t index) const;  // 1-based; out of range gives nullptr

    TVekNode* InsertFirst(std::unique_ptr<TVekNode> node);
    TVekNode* Append(std::unique_ptr<TVekNode> node);
    TVekNode* InsertAfter(TVekNode* after, std::unique_ptr<TVekNode> node);
    std::unique_ptr<TVekNode> RemoveFirst();
    std::unique_ptr<TVekNode> RemoveLast();
    // The node must belong to this list; nullptr changes nothing.
    std::unique_ptr<TVekNode> Remove(TVekNode* node);

    // Stepping from nullptr gives the first (Next) or last (Prev) node.
    TVekNode* Next(const TVekNode* node) const { return node == nullptr ? FFirst : node->Next; }
    TVekNode* Prev(const TVekNode* node) const { return node == nullptr ? FLast : node->Prev; }

    std::int32_t IndexOf(const TVekNode* node) const;  // 1-based, 0 when absent
    bool Contains(const TVekNode* node) const { return IndexOf(node) != 0; }
    bool IsEmpty() const { return FFirst == nullptr; }
    void Clear();

    // Calls the callback on each node from the head; stops after the first call returning false.
    void ForEach(const std::function<bool(TVekList&, TVekNode*)>& callback);

    // Clears the list, then reads a count and that many node records through RecreateNode.
    // Nodes appended before a read error stay in the list.
    virtual void LoadFromStream(TStream& s);
    // Throws VekException for a list of more than 65535 nodes.
    virtual void SaveToStream(TStream& s);

private:
    std::int32_t FCount = 0;
    TVekNode* FFirst = nullptr;
    TVekNode* FLast = nullptr;
};

// A node carrying a reference to an object it does not own.
class TDataNode : public TVekNode {
public:
    explicit TDataNode(void* data) : Data(data) {}
    void* Data = nullptr;
};

class TDataList : public TVekList {
public:
    TDataNode* FindData(const void* data) const;
};

// Typed walking without repeating casts: for (auto* n : NodesOf<TRoom>(list)) ...
template <class T>
class NodesOf {
public:
    explicit NodesOf(const TVekList& list) : FList(list) {}
    class iterator {
    public:
        explicit iterator(TVekNode* node) : FNode(node) {}
        T* operator*() const { return static_cast<T*>(FNode); }
        iterator& operator++() {
            FNode = FNode->Next;
            return *this;
        }
        bool operator!=(const iterator& other) const { return FNode != other.FNode; }

    private:
        TVekNode* FNode;
    };
    iterator begin() const { return iterator(FList.First()); }
    iterator end() const { return iterator(nullptr); }

private:
    const TVekList& FList;
};
