#include "priority_list.h"

#include "stream_values.h"

void TPriNode::LoadFromStream(TStream& s) {
    TVekNode::LoadFromStream(s);
    Priority = ReadU16(s);
}

void TPriNode::SaveToStream(TStream& s) const {
    TVekNode::SaveToStream(s);
    WriteWord(s, Priority);
}

TPriNode* TPriList::Add(std::unique_ptr<TPriNode> node) {
    if (!node) return nullptr;
    TVekNode* at = Last();
    while (at != nullptr && node->Priority < static_cast<TPriNode*>(at)->Priority) at = at->Prev;
    return static_cast<TPriNode*>(InsertAfter(at, std::move(node)));
}

TPriDataNode* TPriDataList::FindData(const void* data) const {
    for (TVekNode* node = First(); node != nullptr; node = node->Next) {
        auto* dataNode = static_cast<TPriDataNode*>(node);
        if (dataNode->Data == data) return dataNode;
    }
    return nullptr;
}
