// Layers of a surface: other surfaces shown on top of it, each with a save-under of what
// lies beneath. While a surface has layers its own pixels are the composed picture, so any
// drawing first puts back what lies under the layers in the area, draws, then redraws the
// layers there. A redraw refreshes each layer's save-under from the pixels beneath it just
// before drawing the layer, so drawing under a layer survives the layer being hidden.
#include <utility>
#include <vector>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_layer_node.h"

namespace {
TAC8LayerNode* AsLayer(TVekNode* node) { return static_cast<TAC8LayerNode*>(node); }
TAC8ImageData* AsSurface(TVekNode* node) { return static_cast<TAC8ImageData*>(static_cast<TDataNode*>(node)->Data); }
}  // namespace

TAC8ImageData::~TAC8ImageData() {
    // Leave every parent first: each removal puts back the parent's pixels under us.
    while (!FParents.IsEmpty()) {
        TAC8ImageData* parent = AsSurface(FParents.First());
        for (TVekNode* node = parent->FLayers.First(); node != nullptr;) {
            TVekNode* next = node->Next;
            if (AsLayer(node)->Data == this) parent->RemoveLayerNode(AsLayer(node));
            node = next;
        }
        FParents.Remove(FParents.FindData(parent));  // normally already gone with the last layer
    }
    // Then drop our own layers without putting anything back: our pixels go with us.
    while (!FLayers.IsEmpty()) {
        std::unique_ptr<TVekNode> owned = FLayers.RemoveFirst();
        DetachFromSource(*AsLayer(owned.get()));
    }
}

void TAC8ImageData::CheckOwnLayer(const TAC8LayerNode* layer, const char* message) const {
    if (layer == nullptr || !FLayers.Contains(layer)) throw AC8Exception(message);
}

void TAC8ImageData::DetachFromSource(TAC8LayerNode& layer) {
    for (auto* other : NodesOf<TAC8LayerNode>(FLayers))
        if (other != &layer && other->Data == layer.Data) return;
    TDataList& parents = layer.Source().FParents;
    parents.Remove(parents.FindData(this));
}

TAC8LayerNode* TAC8ImageData::AddLayer(TAC8ImageData& source, const TAC8LayerDesc& desc) {
    const TBusyScope busy(*this);
    if (&source == this || FParents.FindData(&source) != nullptr)
        throw AC8Exception("AddLayer: can't make parent a layer");
    auto* layer = static_cast<TAC8LayerNode*>(FLayers.Add(std::make_unique<TAC8LayerNode>(source, desc, GetBounds())));
    if (source.FParents.FindData(this) == nullptr) source.FParents.Append(std::make_unique<TDataNode>(this));
    if (desc.Hidden == 0) ShowLayer(*layer);
    return layer;
}

void TAC8ImageData::RemoveLayerNode(TAC8LayerNode* layer) {
    CheckOwnLayer(layer, "RemoveLayerNode: Unknown layer");
    const TBusyScope busy(*this);
    if (layer->Visible) HideLayer(*layer);
    const std::unique_ptr<TVekNode> owned = FLayers.Remove(layer);
    DetachFromSource(*layer);
}

void TAC8ImageData::SetLayerNodeVisible(TAC8LayerNode* layer, bool visible) {
    CheckOwnLayer(layer, "SetLayerNodeVisible: Unknown layer");
    if (visible == layer->Visible) return;
    if (visible) ShowLayer(*layer);
    else HideLayer(*layer);
}

TAC8LayerDesc TAC8ImageData::GetLayerNodeDesc(const TAC8LayerNode* layer) const {
    CheckOwnLayer(layer, "SetLayerNodeSourceRect: Unknown layer");
    return layer->Desc();
}

void TAC8ImageData::CopyLayers(const TAC8ImageData& other, TPoint offset) {
    // Gathered first: copying a surface's layers onto itself must not see the new ones.
    std::vector<std::pair<TAC8ImageData*, TAC8LayerDesc>> copies;
    for (auto* layer : NodesOf<TAC8LayerNode>(other.FLayers)) copies.emplace_back(&layer->Source(), layer->Desc());
    for (auto& [source, desc] : copies) {
        desc.X += offset.X;
        desc.Y += offset.Y;
        AddLayer(*source, desc);
    }
}

void TAC8ImageData::ShowLayer(TAC8LayerNode& layer) {
    const TBusyScope busy(*this);
    const TRect area = layer.Area();
    PutBackLayers(&layer, area);
    layer.SaveData->CopyPlain(TPoint{0, 0}, *this, area);
    layer.Visible = true;
    RedrawLayersFrom(&layer, area);
    PropagateToParents(area);
}

void TAC8ImageData::HideLayer(TAC8LayerNode& layer) {
    const TBusyScope busy(*this);
    const TRect area = layer.Area();
    // Every layer over the area comes off, this one with the rest, then the others go back
    // on: each save-under then stays what truly lies beneath its layer.
    PutBackLayers(nullptr, area);
    layer.Visible = false;
    RedrawLayersFrom(AsLayer(FLayers.First()), area);
    PropagateToParents(area);
}

void TAC8ImageData::PutBackLayers(const TAC8LayerNode* below, const TRect& r) {
    for (TVekNode* node = FLayers.Last(); node != nullptr && node != below; node = node->Prev) {
        const TAC8LayerNode& layer = *AsLayer(node);
        if (!layer.Visible) continue;
        const TRect part = IntersectRects(r, layer.Area());
        if (IsRectEmpty(part)) continue;
        CopyPlain(TPoint{part.Left, part.Top}, *layer.SaveData, OffsetRectBack(part, TPoint{layer.X, layer.Y}));
    }
}

void TAC8ImageData::RedrawLayersFrom(TAC8LayerNode* first, const TRect& r) {
    const TBusyScope busy(*this);
    for (TVekNode* node = first; node != nullptr; node = node->Next) {
        TAC8LayerNode& layer = *AsLayer(node);
        if (!layer.Visible) continue;
        const TRect area = IntersectRects(IntersectRects(r, layer.Area()), layer.ClipRect);
        if (IsRectEmpty(area)) continue;
        const TPoint origin{layer.X, layer.Y};
        layer.SaveData->CopyPlain(TPoint{area.Left - layer.X, area.Top - layer.Y}, *this, area);
        if (!layer.IsScaled()) {
            const TRect l = layer.MirrorInSource(OffsetRectBack(area, origin));
            const TRect q = OffsetRectBy(l, TPoint{layer.SourceRect.Left, layer.SourceRect.Top});
            BlitClipped(TPoint{area.Left, area.Top}, layer.Source(), layer.ClipRect, q);
        } else {
            const TRect saved = FClipRect;
            FClipRect = area;
            try {
                StretchBlit(layer.Area(), layer.Source(), layer.SourceRect);
            } catch (...) {
                FClipRect = saved;
                throw;
            }
            FClipRect = saved;
        }
    }
    AddDamage(r);
}

void TAC8ImageData::PropagateToParents(const TRect& r) {
    for (auto* parentNode : NodesOf<TDataNode>(FParents)) {
        TAC8ImageData& parent = *static_cast<TAC8ImageData*>(parentNode->Data);
        // The parent is Busy throughout: the change travels one level up, no further.
        const TBusyScope busy(parent);
        for (auto* layer : NodesOf<TAC8LayerNode>(parent.FLayers)) {
            if (!layer->Visible || layer->Data != this) continue;
            const TRect area = layer->AreaOfSourceChange(r);
            if (IsRectEmpty(area)) continue;
            // This layer comes off with those above it, so that transparent pixels show the
            // background again and the save-unders stay true; then they are drawn anew.
            parent.PutBackLayers(static_cast<const TAC8LayerNode*>(layer->Prev), area);
            parent.RedrawLayersFrom(layer, area);
        }
    }
}
