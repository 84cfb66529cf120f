#pragma once
// Reading a node list whose nodes must all be of one class: a record of any other class is
// refused as a corrupt file instead of being taken for the expected class.
#include <cstdint>
#include <memory>

#include "foundation/node_factory.h"
#include "foundation/node_list.h"
#include "foundation/stream_values.h"
#include "foundation/vek_exception.h"

// Clears the list, reads the count and that many records; each is handed to add, which
// takes ownership. Nodes read before an error stay in the list.
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
