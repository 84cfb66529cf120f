#pragma once
// Lists kept in ascending unsigned 16-bit priority; a new node goes after the existing
// nodes of equal priority, so drawing from head to tail paints lower priorities first.
#include <cstdint>

#include "node_list.h"

class TPriNode : public TVekNode {
public:
    explicit TPriNode(std::uint16_t priority = 0) : Priority(priority) {}
    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;

    std::uint16_t Priority = 0;
};

class TPriDataNode : public TPriNode {
public:
    TPriDataNode(std::uint16_t priority, void* data) : TPriNode(priority), Data(data) {}
    void* Data = nullptr;
};

class TPriList : public TVekList {
public:
    // Inserts the node at its place by priority, walking from the tail.
    TPriNode* Add(std::unique_ptr<TPriNode> node);
};

class TPriDataList : public TPriList {
public:
    TPriDataNode* FindData(const void* data) const;
};
