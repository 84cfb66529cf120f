#include "node_list.h"

#include <string>

#include "node_factory.h"
#include "stream_values.h"
#include "vek_exception.h"

void TVekNode::LoadFromStream(TStream&) {}

void TVekNode::SaveToStream(TStream& s) const { WriteByte(s, ClassId); }

TVekList::~TVekList() { Clear(); }

std::int32_t TVekList::Count() {
    std::int32_t n = 0;
    for (TVekNode* node = FFirst; node != nullptr; node = node->Next) ++n;
    FCount = n;
    return n;
}

TVekNode* TVekList::GetNode(std::int32_t index) const {
    if (index <= 0) return nullptr;
    TVekNode* node = FFirst;
    while (node != nullptr && --index > 0) node = node->Next;
    return node;
}

TVekNode* TVekList::InsertFirst(std::unique_ptr<TVekNode> owned) {
    if (!owned) return nullptr;
    TVekNode* node = owned.release();
    node->Prev = nullptr;
    node->Next = FFirst;
    if (FFirst != nullptr) FFirst->Prev = node;
    else FLast = node;
    FFirst = node;
    ++FCount;
    return node;
}

TVekNode* TVekList::Append(std::unique_ptr<TVekNode> owned) {
    if (!owned) return nullptr;
    TVekNode* node = owned.release();
    node->Next = nullptr;
    node->Prev = FLast;
    if (FLast != nullptr) FLast->Next = node;
    else FFirst = node;
    FLast = node;
    ++FCount;
    return node;
}

TVekNode* TVekList::InsertAfter(TVekNode* after, std::unique_ptr<TVekNode> owned) {
    if (!owned) return nullptr;
    if (after == nullptr) return InsertFirst(std::move(owned));
    if (after == FLast) return Append(std::move(owned));
    TVekNode* node = owned.release();
    node->Prev = after;
    node->Next = after->Next;
    after->Next->Prev = node;
    after->Next = node;
    ++FCount;
    return node;
}

std::unique_ptr<TVekNode> TVekList::RemoveFirst() {
    TVekNode* node = FFirst;
    if (node == nullptr) return nullptr;
    FFirst = node->Next;
    if (FFirst != nullptr) FFirst->Prev = nullptr;
    else FLast = nullptr;
    node->Next = node->Prev = nullptr;
    --FCount;
    return std::unique_ptr<TVekNode>(node);
}

std::unique_ptr<TVekNode> TVekList::RemoveLast() {
    TVekNode* node = FLast;
    if (node == nullptr) return nullptr;
    FLast = node->Prev;
    if (FLast != nullptr) FLast->Next = nullptr;
    else FFirst = nullptr;
    node->Next = node->Prev = nullptr;
    --FCount;
    return std::unique_ptr<TVekNode>(node);
}

std::unique_ptr<TVekNode> TVekList::Remove(TVekNode* node) {
    if (node == nullptr) return nullptr;
    if (node == FFirst) return RemoveFirst();
    if (node == FLast) return RemoveLast();
    node->Prev->Next = node->Next;
    node->Next->Prev = node->Prev;
    node->Next = node->Prev = nullptr;
    --FCount;
    return std::unique_ptr<TVekNode>(node);
}

std::int32_t TVekList::IndexOf(const TVekNode* node) const {
    std::int32_t index = 1;
    for (TVekNode* n = FFirst; n != nullptr; n = n->Next, ++index)
        if (n == node) return index;
    return 0;
}

void TVekList::Clear() {
    while (FFirst != nullptr) RemoveFirst();  // the returned owner frees each node
    FCount = 0;
}

void TVekList::ForEach(const std::function<bool(TVekList&, TVekNode*)>& callback) {
    for (TVekNode* node = FFirst; node != nullptr;) {
        TVekNode* next = node->Next;
        if (!callback(*this, node)) return;
        node = next;
    }
}

void TVekList::LoadFromStream(TStream& s) {
    Clear();
    const std::uint16_t count = ReadU16(s);
    for (std::uint32_t i = 0; i < count; ++i) Append(RecreateNode(s));
}

void TVekList::SaveToStream(TStream& s) {
    const std::int32_t count = Count();
    if (count > 0xFFFF)
        throw VekException("SaveToStream: a list of " + std::to_string(count) +
                           " nodes is too long to be written (at most 65535).");
    WriteWord(s, static_cast<std::uint16_t>(count));
    for (TVekNode* node = FFirst; node != nullptr; node = node->Next) node->SaveToStream(s);
}

TDataNode* TDataList::FindData(const void* data) const {
    for (TVekNode* node = First(); node != nullptr; node = node->Next) {
        auto* dataNode = static_cast<TDataNode*>(node);
        if (dataNode->Data == data) return dataNode;
    }
    return nullptr;
}
