#pragma once
// Nodes named by an upper-case ID, and the list that finds them. IDs are upper-cased in the
// 26 unaccented Latin letters only when set through the constructor or SetID; an ID read
// from a stream is kept exactly as stored. In streams the ID is UTF-16 text.
#include <string>
#include <string_view>

#include "node_list.h"

class TIDNode : public TVekNode {
public:
    static constexpr std::uint8_t kClassId = 1;

    TIDNode() { ClassId = kClassId; }
    explicit TIDNode(std::string_view id);

    const std::string& GetID() const { return FID; }
    void SetID(std::string_view id);

    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;

private:
    std::string FID;
};

class TIDList : public TVekList {
public:
    // Upper-cases the key and returns the first node, from the head, whose ID equals it.
    TIDNode* FindByID(std::string_view key) const;
};
