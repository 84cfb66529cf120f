#include "id_list.h"

#include "stream_values.h"
#include "text.h"

TIDNode::TIDNode(std::string_view id) : FID(UpperAscii(id)) { ClassId = kClassId; }

void TIDNode::SetID(std::string_view id) { FID = UpperAscii(id); }

void TIDNode::LoadFromStream(TStream& s) {
    TVekNode::LoadFromStream(s);
    std::u16string id;
    ReadString(s, id);
    FID = Utf16ToUtf8(id);
}

void TIDNode::SaveToStream(TStream& s) const {
    TVekNode::SaveToStream(s);
    WriteString(s, Utf8ToUtf16(FID));
}

TIDNode* TIDList::FindByID(std::string_view key) const {
    const std::string upper = UpperAscii(key);
    for (TVekNode* node = First(); node != nullptr; node = node->Next) {
        auto* idNode = static_cast<TIDNode*>(node);
        if (idNode->GetID() == upper) return idNode;
    }
    return nullptr;
}
