// Any bytes read as a node list of every class the game registers: the read either succeeds or
// throws VekException; it never crashes, hangs or reads out of bounds. A list that was read
// must write itself back and read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/id_list.h"
#include "foundation/node_factory.h"
#include "foundation/priority_list.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "rooms/game_classes.h"

namespace {
// A priority node stands in for every later class that adds a fixed-width field.
std::unique_ptr<TVekNode> CreatePriorityNode() { return std::make_unique<TPriNode>(); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = [] {
        RegisterGameClasses();
        RegisterNodeClass(200, &CreatePriorityNode);
        return true;
    }();
    (void)registered;

    TMemoryStream input(data, size);
    TVekList list;
    try {
        list.LoadFromStream(input);
    } catch (const VekException&) {
        return 0;
    }
    TMemoryStream first;
    list.SaveToStream(first);
    first.Seek(0);
    TVekList again;
    again.LoadFromStream(first);
    TMemoryStream second;
    again.SaveToStream(second);
    if (first.Bytes() != second.Bytes()) std::abort();
    return 0;
}
