#include "node_factory.h"

#include <array>
#include <string>

#include "id_list.h"
#include "node_list.h"
#include "stream_values.h"
#include "vek_exception.h"

namespace {
std::array<TNodeCreator, 256>& Registry() {
    static std::array<TNodeCreator, 256> creators{};
    return creators;
}
}  // namespace

void RegisterNodeClass(std::uint8_t classId, TNodeCreator creator) { Registry()[classId] = creator; }
void UnregisterNodeClass(std::uint8_t classId) { Registry()[classId] = nullptr; }
bool IsNodeClassRegistered(std::uint8_t classId) { return Registry()[classId] != nullptr; }

void RegisterFoundationNodeClasses() {
    RegisterNodeClass(0, &CreateNodeOf<TVekNode>);
    RegisterNodeClass(1, &CreateNodeOf<TIDNode>);
}

std::unique_ptr<TVekNode> RecreateNode(TStream& s) {
    const std::uint8_t classId = ReadU8(s);
    const TNodeCreator creator = Registry()[classId];
    if (creator == nullptr)
        throw VekException("Input file is corrupt - unknown node class id " + std::to_string(classId) + ".");
    std::unique_ptr<TVekNode> node = creator();
    node->ClassId = classId;
    node->LoadFromStream(s);
    return node;
}
